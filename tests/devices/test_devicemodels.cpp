// Courtesy tones, the CW composition, expanded switches and user inputs over the image.
#include <gtest/gtest.h>

#include "devices/courtesytones.h"
#include "devices/cwmessage.h"
#include "devices/switchesandinputs.h"
#include "imagecheck.h"

TEST(CourtesyToneModel, RowsShowTheirCodesAndBlankRowsShowNothing) {
    Image image = zeroImage();
    const Bytes row1 = {3, 2, 1, 5, 4, 0, 0, 0};
    std::copy(row1.begin(), row1.end(), image.begin() + 834);
    const char* shown[] = {"500", "100", "50", "700", "200", "0", "0", "0"};
    const auto texts = CourtesyTones::rowTexts(image, 1);
    for (int f = 0; f < 8; ++f) EXPECT_EQ(texts[f], QString::fromLatin1(shown[f])) << f;
    // Out-of-range bytes show empty; a zero tone 1 blanks the whole row.
    image[834 + 3] = 9;
    image[834 + 4] = 10;
    EXPECT_EQ(CourtesyTones::rowTexts(image, 1)[3], QString());
    EXPECT_EQ(CourtesyTones::rowTexts(image, 1)[4], QString());
    image[834] = 0;
    for (const QString& text : CourtesyTones::rowTexts(image, 1)) EXPECT_TRUE(text.isEmpty());
}

TEST(CourtesyToneModel, KeypadRoundTripStoresOneByte) {
    // clang-format off
    const struct { int field; const char* shown; const char* heading; EntryCheck check;
                   const char* initial; const char* answer; const char* after; int byte; } cases[] = {
        {0, "500", "Enter Frequency 1..8",  EntryCheck::OneDigit,  "3", "8", "1000", 8},
        {3, "",    "Enter Frequency",       EntryCheck::OneDigit,  "",  "9", "",     0},
        {6, "0",   "Enter Frequency",       EntryCheck::OneDigit,  "0", "",  "",     0},
        {1, "",    "Enter Time Delay 0..9", EntryCheck::ToneDelay, "",  "",  "",     0},
        {7, "150", "Enter Time Delay 0..9", EntryCheck::ToneDelay, "3", "9", "450",  9},
    };
    // clang-format on
    for (const auto& c : cases) {
        const KeypadRequest request = CourtesyTones::request(c.field, QString::fromLatin1(c.shown));
        EXPECT_EQ(request, (KeypadRequest{KeySet::Digits, 1, QString::fromLatin1(c.heading),
                                          QString::fromLatin1(c.initial), c.check}))
            << c.field;
        const QString after = CourtesyTones::shownAfter(c.field, QString::fromLatin1(c.answer));
        EXPECT_EQ(after, QString::fromLatin1(c.after)) << c.field;
        const Image before = patternedImage();
        Image image = before;
        CourtesyTones::store(image, 7, c.field, after);
        expectOnlyWritten(before, image, 882 + c.field, {std::uint8_t(c.byte)});
    }
    const Image before = patternedImage();
    Image image = before;
    CourtesyTones::erase(image, 7);
    expectOnlyWritten(before, image, 882, Bytes(8, 0));
}

TEST(CwCompositionModel, OnlyANewMessageIsStored) {
    const Image before = patternedImage();
    Image image = before;
    CwComposition composition;
    EXPECT_FALSE(composition.pick(22));  // viewing: the list is not in use
    composition.store(image);
    EXPECT_EQ(image, before);
    composition.clear();
    composition.store(image);
    expectOnlyWritten(before, image, 794, {0});
    EXPECT_TRUE(composition.pick(46));
    EXPECT_EQ(composition.text(), QStringLiteral("(SK)"));
    EXPECT_FALSE(composition.pick(47));
    for (int i = 1; i < 31; ++i) EXPECT_TRUE(composition.pick(10));
    EXPECT_FALSE(composition.pick(10));  // 31 characters is the most the area holds
    image = before;
    composition.store(image);
    Bytes stored = {31, 46};
    stored.insert(stored.end(), 30, 10);
    expectOnlyWritten(before, image, 794, stored);
    composition.reset();
    EXPECT_FALSE(composition.composing());
    EXPECT_EQ(composition.count(), 0);
}

TEST(SwitchAndInputModels, ToggleOneBitAndStoreBothInputs) {
    using namespace ExpandedSwitches;
    Image image = zeroImage();
    image[1074] = 0x81;
    EXPECT_TRUE(isOn(image, 0, 0, 0));
    EXPECT_TRUE(isOn(image, 0, 0, 7));
    EXPECT_FALSE(isOn(image, 0, 0, 1));
    toggle(image, 1, 0, 2);
    EXPECT_EQ(image[1082], 0x04);
    toggle(image, 1, 0, 2);
    EXPECT_EQ(image[1082], 0x00);
    EXPECT_EQ(rowLabel(0, 0), QStringLiteral("1"));
    EXPECT_EQ(rowLabel(1, 0), QStringLiteral("11"));
    EXPECT_EQ(rowLabel(1, 7), QStringLiteral("18"));

    const Image before = patternedImage();
    Image inputs = before;
    inputs[1070] = 0x12;
    inputs[1071] = 0x34;
    EXPECT_EQ(UserInputs::numberText(inputs, 0), QStringLiteral("1234"));
    EXPECT_EQ(UserInputs::reviewText(inputs, 0), QStringLiteral("Invalid Entry"));
    // Only the edited input is written, and only when the answer differs from what it showed.
    inputs[1070] = inputs[1071] = 0xFF;
    const Image shown = inputs;
    EXPECT_FALSE(UserInputs::store(inputs, 0, QStringLiteral("FFFF"), QStringLiteral("FFFF")));
    EXPECT_EQ(inputs, shown);
    EXPECT_TRUE(UserInputs::store(inputs, 1, UserInputs::numberText(inputs, 1), QString()));
    expectOnlyWritten(shown, inputs, 1072, {0, 0});
    EXPECT_EQ(UserInputs::numberText(inputs, 1), QStringLiteral("0000"));
    EXPECT_EQ(UserInputs::numberText(inputs, 0), QStringLiteral("FFFF"));
    EXPECT_EQ(UserInputs::request(QString()).heading, QStringLiteral("Macro Command"));
}
