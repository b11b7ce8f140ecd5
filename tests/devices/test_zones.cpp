// Control zones: the flag captions and bit helpers, and the zones dialog driven through its check
// boxes, its tab bar and its OK button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <tuple>

#include "devices/zones.h"
#include "devices/zonesdialog.h"
#include "dialogharness.h"

namespace {

QCheckBox* box(QWidget& dialog, int zone, int flag) {
    return child<QCheckBox>(dialog, QStringLiteral("chkZ%1_%2").arg(zone).arg(flag - 1));
}

QTabWidget* tabs(QWidget& dialog) {
    return dialog.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
}

void clickTab(QWidget& dialog, int index) {
    QTabBar* bar = tabs(dialog)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(tabs(dialog)->currentIndex(), index);
}

void clickBox(QWidget& dialog, int zone, int flag) {
    QCheckBox* b = box(dialog, zone, flag);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// The eight zone bytes from `start` on.
Bytes zonesOf(const Image& image, int start) {
    return Bytes(image.begin() + start, image.begin() + start + 8);
}

}  // namespace

TEST(ZoneModel, CaptionsTitlesAndStarts) {
    // Every caption is the flag number, a full stop and two spaces; spot checks at the irregular
    // places: the reserved flags, the numbered zone 7 and the longest caption.
    for (int z = 1; z <= 8; ++z)
        for (int k = 1; k <= 8; ++k)
            EXPECT_TRUE(zoneFlagCaption(z, k).startsWith(QStringLiteral("%1.  ").arg(k))) << z << k;
    const std::tuple<int, int, const char*> spots[] = {
        {1, 1, "1.  Transmitter Enable"},
        {1, 8, "8.  Control Operator CTCSS Enabled"},
        {2, 5, "5.  Repeater CTCSS OR Logic Enable"},
        {3, 5, "5.  Reserved"},
        {3, 6, "6.  Reserved"},
        {4, 4, "4.  Emergency 911 Enable"},
        {5, 4, "4.  Autopatch Force Off Hook (Activate Off Air Only)"},
        {5, 7, "7.  Pulse Dial Rate (20 PPS) Enable"},
        {6, 3, "3.  Reserved"},
        {6, 8, "8.  User Function Switch Out #3 Enable"},
        {7, 1, "1.  Expanded User Function Output #1 Enable"},
        {7, 8, "8.  Expanded User Function Output #8 Enable"},
        {8, 2, "2.  Area Code Look-Up Enable"},
        {8, 8, "8.  Reserved"},
    };
    for (const auto& [z, k, caption] : spots)
        EXPECT_EQ(zoneFlagCaption(z, k), QString::fromLatin1(caption)) << z << "/" << k;
    EXPECT_EQ(zoneFlagCaption(0, 1), QString());
    EXPECT_EQ(zoneFlagCaption(1, 9), QString());

    const int starts[] = {40, 4608, 5408, 6208, 7008};
    const char* titles[] = {"Base Zones", "Zone Channels For Memory #1",
                            "Zone Channels For Memory #2", "Zone Channels For Memory #3",
                            "Zone Channels For Memory #4"};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(firstZoneOffset(b), starts[b]);
        EXPECT_EQ(blockTitle(BlockArea::Zones, blockAt(b)), QString::fromLatin1(titles[b]));
    }
}

TEST(ZoneModel, BitsAndBytes) {
    struct Case {
        int byte, bit, expected;
    };
    const Case cases[] = {{0x81, 0, 1}, {0x81, 7, 1}, {0x81, 1, 0},  {0x81, 6, 0},
                          {0x40, 6, 1}, {0xFF, 8, 0}, {0xFF, -1, 0}, {0x00, 3, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(bitValue(c.byte, c.bit), c.expected) << c.byte << "/" << c.bit;

    EXPECT_EQ(zoneByte({true, false, false, false, false, false, false, true}), 0x81);
    EXPECT_EQ(zoneByte({false, true, false, true, false, false, false, false}), 0x0A);
    EXPECT_EQ(zoneByte({true, true, true, true, true, true, true, true}), 0xFF);
    EXPECT_EQ(zoneByte({}), 0x00);
}

TEST(ZonesDialog, ShowsEachZoneByteOnItsTab) {
    DialogHarness h;
    const int start = 4608;
    const Bytes zones = {0x81, 0x00, 0xFF, 0x01, 0x80, 0x5A, 0x24, 0xC3};
    std::copy(zones.begin(), zones.end(), h.image.begin() + start);
    auto& dialog = h.openOn<ZonesDialog>(Block::MemorySave1);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zone Channels For Memory #1"));
    ASSERT_EQ(tabs(dialog)->count(), 8);
    EXPECT_EQ(tabs(dialog)->currentIndex(), 0);
    for (int z = 1; z <= 8; ++z) {
        EXPECT_EQ(tabs(dialog)->tabText(z - 1), QStringLiteral("Zone %1").arg(z));
        for (int k = 1; k <= 8; ++k) {
            EXPECT_EQ(box(dialog, z, k)->isChecked(), ((zones[z - 1] >> (k - 1)) & 1) == 1)
                << "zone " << z << " flag " << k;
            EXPECT_EQ(box(dialog, z, k)->text(), zoneFlagCaption(z, k));
            // Flag 1 at the top, flag 8 at the bottom (the tab on show is laid out).
            if (z == 1 && k > 1) {
                EXPECT_GT(box(dialog, z, k)->y(), box(dialog, z, k - 1)->y());
            }
        }
    }
    // Zone 1 holds 0x81: flags 1 and 8 only.
    EXPECT_TRUE(box(dialog, 1, 1)->isChecked());
    EXPECT_TRUE(box(dialog, 1, 8)->isChecked());
    EXPECT_FALSE(box(dialog, 1, 2)->isChecked());

    // OK with no change writes back the same bytes.
    h.click("cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    expectOnlyWritten(h.before, h.image, start, zones);
}

TEST(ZonesDialog, ReservedFlagsRoundTripAndOkWritesTheBoxes) {
    DialogHarness h;
    h.image[40 + 7] = 0xFF;
    const auto original = zonesOf(h.image, 40);
    auto& dialog = h.openOn<ZonesDialog>(blockAt(0));
    for (int k = 1; k <= 8; ++k) EXPECT_TRUE(box(dialog, 8, k)->isChecked()) << k;
    h.click("cmdOK");
    expectOnlyWritten(h.before, h.image, 40, original);
    EXPECT_EQ(h.image[47], 0xFF);
}

TEST(ZonesDialog, MemorySave2Zone7IsByte5414) {
    DialogHarness h(zeroImage());
    auto& dialog = h.openOn<ZonesDialog>(blockAt(2));
    clickTab(dialog, 6);
    clickBox(dialog, 7, 1);
    clickBox(dialog, 7, 3);
    EXPECT_EQ(h.image, h.before);  // leaving the first tab wrote nothing
    h.click("cmdOK");
    expectOnlyWritten(h.before, h.image, 5408, {0, 0, 0, 0, 0, 0, 0x05, 0});
    EXPECT_EQ(h.image[5414], 0x05);
}

TEST(ZonesDialog, TabChangeWritesOnlyWhenTheTabLeftIsNotTheRememberedOne) {
    // Each step first toggles flag 1 on the tab on show, then moves to `to`; `writes` says whether
    // the move stores the boxes (the tab left differs from the remembered one).
    struct Step {
        int to;
        bool writes;
    };
    const std::vector<std::vector<Step>> runs = {
        {{1, false}, {2, true}, {3, true}, {2, true}},
        {{1, false}, {0, true}, {1, true}, {0, true}},
        {{7, false}, {7 - 1, true}, {0, true}},
        {{0 + 3, false}, {4, true}},
    };
    for (const auto& run : runs) {
        DialogHarness h;
        auto& dialog = h.openOn<ZonesDialog>(blockAt(3));
        auto boxes = zonesOf(h.image, 6208);  // what the boxes hold, by hand
        int current = 0;
        for (const Step& step : run) {
            SCOPED_TRACE(testing::Message() << "from " << current << " to " << step.to);
            const Image before = h.image;
            clickBox(dialog, current + 1, 1);
            boxes[current] ^= 0x01;
            clickTab(dialog, step.to);
            if (step.writes)
                expectOnlyWritten(before, h.image, 6208, boxes);
            else
                EXPECT_EQ(h.image, before);
            current = step.to;
        }
    }
}

TEST(ZonesDialog, ClosingWithoutOkKeepsOnlyWhatTabChangesWrote) {
    DialogHarness h(zeroImage());
    auto& dialog = h.openOn<ZonesDialog>(blockAt(0));
    clickBox(dialog, 1, 2);  // 0x02 in zone 1
    clickTab(dialog, 1);
    clickTab(dialog, 2);     // writes zone 1 = 0x02
    clickBox(dialog, 3, 4);  // not written: window closed with Escape
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    expectOnlyWritten(h.before, h.image, 40, {0x02, 0, 0, 0, 0, 0, 0, 0});

    // Opened again: first tab, boxes read afresh, remembered tab 0 again.
    dialog.show();
    EXPECT_EQ(tabs(dialog)->currentIndex(), 0);
    EXPECT_FALSE(box(dialog, 3, 4)->isChecked());
    clickTab(dialog, 1);
    EXPECT_EQ(h.image[42], 0);
}

TEST(ZonesDialog, ReactivationKeepsUnwrittenBoxesAndOtherwiseRereads) {
    DialogHarness h(zeroImage());
    auto& dialog = h.openOn<ZonesDialog>(blockAt(0));

    // Unchanged boxes follow the image when the window becomes active again.
    h.image[40] = 0x80;
    reactivate(dialog);
    EXPECT_TRUE(box(dialog, 1, 8)->isChecked());

    // A box the user changed survives the window losing and regaining the focus.
    clickBox(dialog, 1, 1);
    reactivate(dialog);
    EXPECT_TRUE(box(dialog, 1, 1)->isChecked());
    h.click("cmdOK");
    EXPECT_EQ(h.image[40], 0x81);
}

TEST(ZonesDialog, EveryTabAndEveryCaptionFits) {
    DialogHarness h(zeroImage());
    auto& dialog = h.openOn<ZonesDialog>(blockAt(0));
    QTabBar* bar = tabs(dialog)->tabBar();
    for (int t = 0; t < 8; ++t) EXPECT_LE(bar->tabRect(t).right(), bar->width()) << "tab " << t;
    for (int z = 1; z <= 8; ++z) {
        tabs(dialog)->setCurrentIndex(z - 1);
        QApplication::processEvents();
        for (int k = 1; k <= 8; ++k) {
            QCheckBox* b = box(dialog, z, k);
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
            EXPECT_LE(b->geometry().right(), b->parentWidget()->width());
        }
    }
}
