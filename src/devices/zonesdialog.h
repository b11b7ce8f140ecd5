// The zones dialog: the 64 function enable flags of one block as check boxes on eight tabs, one
// tab per zone byte; the bytes are written on "OK" and when tabs are changed.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/image.h"
#include "devices/zones.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"

class QCheckBox;
class QTabWidget;

class ZonesDialog : public EditorDialog {
    Q_OBJECT
public:
    explicit ZonesDialog(const EditorContext& context, QWidget* parent = nullptr);

    // Checks box k of tab n exactly when bit k - 1 of zone byte n is set.
    void showZones();
    // The byte of zone 1..8 built from its eight boxes.
    std::uint8_t zoneByteFromBoxes(int zone) const;
    // Writes the eight zone bytes built from the boxes.
    void storeZones();

protected:
    // "OK": writes the eight zone bytes and closes.
    void confirm() override;
    void display() override { showZones(); }
    void showField(const Fields::Field& field) override;
    void showEvent(QShowEvent* event) override;

private:
    // Flag 0..7 of zone 0..7 in the area's table.
    const Fields::Field& flagField(int zone, int flag) const;
    void changeTab(int newIndex);

    int m_start;
    QTabWidget* m_tabs = nullptr;
    std::array<std::array<QCheckBox*, FlagsPerZone>, ZoneCount> m_boxes{};
    int m_shownTab = 0;       // the tab on show, i.e. the one a tab change leaves
    int m_rememberedTab = 0;  // the tab whose leaving last wrote the bytes
};
