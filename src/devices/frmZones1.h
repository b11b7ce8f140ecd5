// The zones dialog: the 64 function enable flags of one block as check boxes on eight tabs, one
// tab per zone byte; the bytes are written on "OK" and when tabs are changed.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/image.h"
#include "devices/zones.h"
#include "ui/orvdialog.h"

class QCheckBox;
class QPushButton;
class QTabWidget;

class frmZones1 : public OrvDialog {
    Q_OBJECT
public:
    // `zoneStart`: file offset of the block's first zone byte (ZoneStart(block)); `title`: the
    // dialog title (ZoneTitle(block)).
    frmZones1(Image& image, int zoneStart, const QString& title, QWidget* parent = nullptr);

    int zoneStart() const { return m_start; }

    // Checks box k of tab n exactly when bit k - 1 of zone byte n is set.
    void DisplayGroup1();
    // The byte of zone 1..8 built from its eight boxes.
    std::uint8_t SetBitZ(int zone) const;
    // Writes the eight zone bytes built from the boxes.
    void SaveGroup1();

    void cmdOK_Click();

protected:
    void display() override;
    void showEvent(QShowEvent* event) override;

private:
    void SSTab1_Click(int newIndex);

    Image& m_image;
    int m_start;
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdOK = nullptr;
    std::array<std::array<QCheckBox*, FlagsPerZone>, ZoneCount> chkZ{};
    int m_shownTab = 0;       // the tab on show, i.e. the one a tab change leaves
    int m_rememberedTab = 0;  // the tab whose leaving last wrote the bytes
    bool m_pending = false;   // boxes changed since they were last read or written
};
