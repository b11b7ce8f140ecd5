// The command catalogue: display digits, review texts, and a sweep over every opcode.
#include <gtest/gtest.h>

#include <set>

#include "formats/commands.h"
#include "formats/fields.h"
#include "imagecheck.h"

TEST(CommandDigits, ShowsEachByteAsEnteredOrAsStored) {
    // clang-format off
    const struct { std::uint8_t op, arg; const char* shown; } cases[] = {
        {0x11, 0x10, "1110"}, {0x92, 0x10, "9210"}, {0x00, 0x00, "0000"}, {0xFF, 0xFF, "FFFF"},
        {0x0A, 0x00, "A00"},  {0x05, 0x0F, "05F"},  {0x10, 0x09, "1009"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(commandDigits(c.op, c.arg), QString::fromLatin1(c.shown)) << c.shown;
}

TEST(CommandText, ReadsTheCatalogue) {
    // clang-format off
    const struct { std::uint8_t op, arg; const char* text; } cases[] = {
        {0x00, 0x00, "No Command"},               {0x00, 0x77, "No Command"},
        {0x11, 0x10, "Repeater Transmitter OFF"}, {0x11, 0x11, "Repeater Transmitter ON"},
        {0x11, 0x12, "Invalid Entry"},            {0x11, 0x01, "Invalid Entry"},
        {0x11, 0x90, "Invalid Entry"},            {0x18, 0x81, "Reserved"},
        {0x18, 0x61, "Reserved"},                 {0x18, 0x62, "Invalid Entry"},
        {0x13, 0x11, "ID #1 (At Rest)ON"},        {0x13, 0x10, "ID #1 (At Rest) OFF"},
        {0x13, 0x51, "Reserved"},                 {0x12, 0x61, "Grandfather Clock Sleep ON"},
        {0x16, 0x72, "User Switch Out #2 Momentary"},
        {0x16, 0x82, "User Switch Out #3 Momentary"},
        {0x16, 0x52, "Invalid Entry"},            {0x16, 0x32, "Invalid Entry"},
        {0x16, 0x31, "Reserved"},                 {0x17, 0x81, "Expanded UF Output #8 ON"},
        {0x21, 0x00, "Send Time Of Day"},         {0x21, 0x05, "Invalid Entry"},
        {0x27, 0x00, "Send Salutations"},         {0x30, 0x12, "Play Voice Message 12"},
        {0x31, 0x05, "Play Voice Message 5"},     {0x33, 0x00, "Play DVR Track 0"},
        {0x35, 0x99, "Send CW Buffer"},           {0x37, 0x01, "Send CW Character"},
        {0x50, 0x03, "Execute Macro 3"},          {0x53, 0x2A, "Load Memory File 2A"},
        {0x60, 0x30, "Time Delay For 30 Seconds"}, {0x61, 0x30, "Invalid Entry"},
        {0x62, 0x00, "PTT OFF"},                  {0x62, 0x01, "PTT ON"},
        {0x62, 0x02, "Invalid Entry"},            {0x63, 0x01, "Invalid Entry"},
        {0x92, 0x10, "A"},                        {0x91, 0x40, "(DVR_1)"},
        {0x90, 0x25, ""},                         {0x92, 0x1A, ""},
        {0xFF, 0xFF, "Invalid Entry"},            {0x40, 0x00, "Invalid Entry"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(commandText(c.op, c.arg), QString::fromLatin1(c.text))
            << std::hex << int(c.op) << " " << int(c.arg);
}

TEST(CommandText, EveryOpcodeReadsAndPairsAgree) {
    // Opcodes the catalogue names; every other one reads "Invalid Entry" whatever its argument.
    std::set<int> named = {0x00, 0x60, 0x62};
    for (int op = 0x11; op <= 0x18; ++op) named.insert(op);
    for (int op : {0x20, 0x30, 0x50})
        for (int k = 0; k < (op == 0x50 ? 4 : 8); ++k) named.insert(op + k);
    for (int op = 0x90; op <= 0x99; ++op) named.insert(op);
    const int arguments[] = {0x00, 0x01, 0x11, 0x12, 0x62, 0x7A, 0x99, 0xA0, 0xFF};
    for (int op = 0; op < 256; ++op) {
        for (int arg : arguments) {
            const QString text = commandText(op, arg);
            if (!named.count(op)) {
                EXPECT_EQ(text, QStringLiteral("Invalid Entry")) << op;
            }
            if (op >= 0x90 && op <= 0x99) {
                EXPECT_NE(text, QStringLiteral("Invalid Entry")) << op;
            }
            const bool pairedEven =
                (op >= 0x20 && op <= 0x37 && op % 2 == 0) || op == 0x50 || op == 0x52;
            if (pairedEven) {
                EXPECT_EQ(commandText(op + 1, arg), text) << op << " " << arg;
            }
        }
    }
}

TEST(CommandField, ShowsDigitsAndReviewText) {
    const Image before = patternedImage();
    Image image = before;
    const CommandField command{1060};
    command.store(image, QStringLiteral("1611"));
    expectOnlyWritten(before, image, 1060, {0x16, 0x11});
    EXPECT_EQ(command.digits(image), QStringLiteral("1611"));
    EXPECT_EQ(command.reviewText(image), QStringLiteral("Remote Base Transmit ON"));
    image[1060] = 0x0A;
    image[1061] = 0x00;
    EXPECT_EQ(command.digits(image), QStringLiteral("A00"));
}
