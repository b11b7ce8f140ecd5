// Courtesy-tone codes and CW character codes with their texts.
#include <gtest/gtest.h>

#include "formats/cwcode.h"
#include "formats/tones.h"
#include "imagecheck.h"

TEST(ToneCodes, TextsAndCodesMatchExactly) {
    using namespace Tones;
    // clang-format off
    const struct { const char* in; const char* freqCode; const char* timeCode; int freqByte, timeByte; } cases[] = {
        {"0",    "0", "0", 0, 0}, {"300", "1", "6", 1, 6}, {"1000", "8", "", 8, 0},
        {"50",   "",  "1", 0, 1}, {"450", "",  "9", 0, 9}, {" 300", "",  "", 0, 0},
        {"0300", "",  "",  0, 0}, {"",    "",  "",  0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString in = QString::fromLatin1(c.in);
        EXPECT_EQ(frequencyCode(in), QString::fromLatin1(c.freqCode)) << c.in;
        EXPECT_EQ(timeCode(in), QString::fromLatin1(c.timeCode)) << c.in;
        EXPECT_EQ(frequencyByte(in), c.freqByte) << c.in;
        EXPECT_EQ(timeByte(in), c.timeByte) << c.in;
    }
    EXPECT_EQ(frequencyFromCode(QStringLiteral("8")), QStringLiteral("1000"));
    EXPECT_EQ(frequencyFromCode(QStringLiteral("9")), QString());
    EXPECT_EQ(timeFromCode(QStringLiteral("9")), QStringLiteral("450"));
    EXPECT_EQ(timeFromCode(QString()), QString());
    EXPECT_EQ(frequencyText(9), QString());
    EXPECT_EQ(timeText(10), QString());
}

TEST(CwCode, MessageTextAsStored) {
    EXPECT_EQ(cwCharText(0), QStringLiteral("0"));
    EXPECT_EQ(cwCharText(35), QStringLiteral("Z"));
    EXPECT_EQ(cwCharText(37), QStringLiteral("(AR)"));
    EXPECT_EQ(cwCharText(46), QStringLiteral("(SK)"));
    EXPECT_EQ(cwCharText(47), QString());
    Image image = zeroImage();
    EXPECT_EQ(cwMessageText(image), QStringLiteral("(Empty)"));
    const Bytes mrap = {5, 22, 27, 10, 25, 38};
    std::copy(mrap.begin(), mrap.end(), image.begin() + 794);
    EXPECT_EQ(cwMessageText(image), QStringLiteral("MRAP "));
    // A count above 31 runs on into the courtesy tones: byte 826 holds code 12 ("C").
    image[794] = 33;
    image[826] = 12;
    image[827] = 200;
    EXPECT_EQ(cwMessageText(image),
              QStringLiteral("MRAP ") + QString(26, QLatin1Char('0')) + QStringLiteral("C"));
}
