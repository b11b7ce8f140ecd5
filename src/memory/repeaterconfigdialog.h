// The repeater configuration dialog (modeless): the memory layout chosen by DIP switch #5, the
// clock announcement form and the digital voice recorder type.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class GroupSelector;
struct Settings;

class RepeaterConfigDialog : public EditorDialog {
    Q_OBJECT
public:
    // Frames fraDip, fraClock, fraDvr holding the options optDip0/optDip1, optClock0/optClock1,
    // optDvr0/optDvr1 (index = option index); lblDip is the DIP switch text below its frame;
    // cmdOK stores. The context's layoutChanged runs after "OK" has stored the choices, so the
    // main window can re-apply the memory layout to its menus.
    explicit RepeaterConfigDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    // Each option group shows its field of the configuration table.
    void display() override;
    void showField(const Fields::Field& field) override;
    // The bytes the table's fields read, and the memory layout, which the settings hold.
    std::optional<QByteArray> shownValues() const override;

    // "OK": stores the three choices (the layout in the settings, the bytes by the table's rule)
    // and closes; nothing is stored before.
    void confirm() override;

private:
    // The option group whose frame the field's caption names.
    GroupSelector* groupOf(const Fields::Field& field) const;

    GroupSelector* m_dip;
    GroupSelector* m_clock;
    GroupSelector* m_dvr;
};
