// The repeater configuration dialog (modeless): the memory layout chosen by DIP switch #5, the
// clock announcement form and the digital voice recorder type.
#pragma once

#include <functional>

#include "core/image.h"
#include "ui/editordialog.h"

class GroupSelector;
struct Settings;

class RepeaterConfigDialog : public EditorDialog {
    Q_OBJECT
public:
    // Frames fraDip, fraClock, fraDvr holding the options optDip0/optDip1, optClock0/optClock1,
    // optDvr0/optDvr1 (index = option index); lblDip is the DIP switch text below its frame;
    // cmdOK stores. layoutChanged runs after "OK" has stored the choices, so the main window can
    // re-apply the memory layout to its menus.
    RepeaterConfigDialog(Image& image, Settings& settings, std::function<void()> layoutChanged,
                         QWidget* parent = nullptr);

protected:
    void display() override;
    // The recorder and clock bytes and the memory layout setting.
    std::optional<QByteArray> shownValues() const override;

private:
    void storeChoices();

    Image& m_image;
    Settings& m_settings;
    std::function<void()> m_layoutChanged;
    GroupSelector* m_dip;
    GroupSelector* m_clock;
    GroupSelector* m_dvr;
};
