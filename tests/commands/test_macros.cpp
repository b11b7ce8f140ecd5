// Macro records: what the grid shows, what a row stores, the review and the keypad requests.
#include <gtest/gtest.h>

#include "commands/macros.h"
#include "imagecheck.h"

using namespace Macros;

TEST(MacroModel, RowShowsTriggerAndCommandsOnlyForAMacroInUse) {
    Image image = zeroImage();
    // Macro 3: trigger "12*", commands 1110, erased memory, 0x0A 0x00, then zeros.
    const Bytes record = {3, 1, 2, 11, 0, 0, 0, 0, 0x11, 0x10, 0xFF, 0xFF, 0x0A, 0x00};
    std::copy(record.begin(), record.end(), image.begin() + macroOffset(3));
    const MacroRow row = macroRow(image, 3);
    EXPECT_EQ(row.trigger, QStringLiteral("12*"));
    const char* shown[] = {"1110", "FFFF", "A00", "0000", "0000"};
    for (int k = 0; k < CommandsPerMacro; ++k)
        EXPECT_EQ(row.commands[k], QString::fromLatin1(shown[k])) << k;
    // Length 0: an empty row, whatever the command bytes hold; the review still reads them.
    image[macroOffset(3)] = 0;
    const MacroRow unused = macroRow(image, 3);
    EXPECT_TRUE(unused.trigger.isEmpty());
    for (const QString& command : unused.commands) EXPECT_TRUE(command.isEmpty());
    EXPECT_EQ(reviewText(image, 3, 1), QStringLiteral("Repeater Transmitter OFF"));
    EXPECT_EQ(reviewText(image, 3, 2), QStringLiteral("Invalid Entry"));
    EXPECT_EQ(reviewText(image, 3, 5), QStringLiteral("No Command"));
}

TEST(MacroModel, StoringARowWritesItsEighteenBytesOnly) {
    // clang-format off
    const struct {
        const char* what;
        int macro;
        MacroRow row;
        Bytes record;
    } cases[] = {
        {"trigger 12* and two commands", 1, {"12*", {"1110", "9210", "", "", ""}},
         {3, 1, 2, 11, 0, 0, 0, 0, 0x11, 0x10, 0x92, 0x10, 0, 0, 0, 0, 0, 0}},
        {"an emptied row stores zeros", 10, {"", {"", "", "", "", ""}},
         Bytes(18, 0)},
        {"erased memory is stored back as 0000", 10, {"A", {"FFFF", "A00", "B12", "", "0000"}},
         {1, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x01, 0x12, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = patternedImage();
        Image image = before;
        storeMacro(image, c.macro, c.row);
        expectOnlyWritten(before, image, macroOffset(c.macro), c.record);
    }
    EXPECT_EQ(macroOffset(10), 1052);
}

TEST(MacroModel, TextsAndKeypadRequests) {
    EXPECT_EQ(numberText(1), QStringLiteral(" 1"));
    EXPECT_EQ(numberText(10), QStringLiteral(" 10"));
    EXPECT_EQ(reviewTitle(10), QStringLiteral("Macro 10 Review"));
    EXPECT_EQ(triggerRequest(10, QStringLiteral("12")),
              (KeypadRequest{KeySet::Codes, 7, QStringLiteral("Macro Command #10"),
                             QStringLiteral("12"), EntryCheck::AtMost15}));
    EXPECT_EQ(commandRequest(QStringLiteral("FFFF")),
              (KeypadRequest{KeySet::Digits, 4, QStringLiteral("Macro Command"),
                             QStringLiteral("FFFF"), EntryCheck::FourDigits}));
}
