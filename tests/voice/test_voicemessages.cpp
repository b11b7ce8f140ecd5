// Where the voice messages lie, how they read, and what storing one changes.
#include <gtest/gtest.h>

#include "blockindex.h"
#include "imagecheck.h"
#include "ui/voicetexts.h"
#include "voice/voicemessages.h"
#include "voicewords.h"

TEST(VoiceMessages, RecordsLieWhereTheBlocksPutThem) {
    const struct {
        int block, message, offset;
    } cases[] = {{0, 1, 218},  {0, 2, 266},  {0, 12, 746},  {1, 1, 4786}, {2, 1, 5586},
                 {3, 1, 6386}, {4, 1, 7186}, {4, 12, 7714}, {1, 12, 5314}};
    for (const auto& c : cases)
        EXPECT_EQ(VoiceMessages::messageOffset(c.block, c.message), c.offset)
            << c.block << "/" << c.message;
    EXPECT_EQ(VoiceMessages::WordLimit, 23);
}

TEST(VoiceMessages, CaptionsAndRowNumbers) {
    const char* captions[] = {"Base Voice Synthesizer Messages", "Memory Save #1 Voice Messages",
                              "Memory Save #2 Voice Messages", "Memory Save #3 Voice Messages",
                              "Memory Save #4 Voice Messages"};
    for (int block = 0; block < 5; ++block)
        EXPECT_EQ(blockTitle(BlockArea::Voice, blockAt(block)),
                  QString::fromLatin1(captions[block]));
    EXPECT_EQ(VoiceMessages::rowNumberText(1), QStringLiteral(" 1"));
    EXPECT_EQ(VoiceMessages::rowNumberText(9), QStringLiteral(" 9"));
    EXPECT_EQ(VoiceMessages::rowNumberText(12), QStringLiteral(" 12"));
}

TEST(VoiceMessages, MessageTextShowsOnlyValidCounts) {
    Image image = patternedImage();
    const int base = VoiceMessages::messageOffset(0, 1);
    putWords(image, base, {210, 25, 211});
    image[base + 48] = 0;  // message 2: empty
    putWords(image, base + 96, {210, 211});
    image[base + 96] = 24;  // message 3: not a message
    std::fill(image.begin() + base + 144, image.begin() + base + 192, 0xFF);  // message 4: erased
    putWords(image, base + 192,
             {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
              12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 40});  // message 5: 23 words
    putWords(image, VoiceMessages::messageOffset(2, 7), {999, 830, 831});

    EXPECT_EQ(VoiceMessages::messageText(image, 0, 1), QStringLiteral("A  A.M."));
    EXPECT_EQ(VoiceMessages::messageText(image, 0, 2), QString());
    EXPECT_EQ(VoiceMessages::messageText(image, 0, 3), QString());
    EXPECT_EQ(VoiceMessages::messageText(image, 0, 4), QString());
    EXPECT_EQ(VoiceMessages::messageText(image, 0, 5),
              QStringLiteral("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 30 40"));
    EXPECT_EQ(VoiceMessages::messageText(image, 2, 7), QStringLiteral("ORVANE The The"));
}

TEST(VoiceMessages, SaveVoiceWritesCountAndWordsOnly) {
    const struct {
        int block, message, offset;
    } places[] = {{0, 5, 410}, {0, 12, 746}, {1, 1, 4786}, {4, 12, 7714}};
    for (const auto& p : places) {
        Image image = patternedImage();
        putWords(image, p.offset, {250, 251, 252, 253, 254, 255, 256, 257, 258, 259});
        const Image before = image;
        VoiceMessages::storeMessage(
            image, p.block, p.message,
            {QStringLiteral("210"), QStringLiteral("005"), QStringLiteral("999")});
        const Bytes written = {3, 0x02, 0x0A, 0x00, 0x05, 0x09, 0x63};
        expectOnlyWritten(before, image, p.offset, written);
        // The old words behind the new ones stay: bytes 7..20 of the record.
        EXPECT_EQ(image[p.offset + 7], 0x02);
        EXPECT_EQ(image[p.offset + 8], 53);
        EXPECT_EQ(image[p.offset + 20], 59);

        VoiceMessages::storeMessage(image, p.block, p.message, {});
        Bytes cleared = written;
        cleared[0] = 0;
        expectOnlyWritten(before, image, p.offset, cleared);
    }
}

// A word list longer than the record holds stops at 23 words: byte 47 is never written.
TEST(VoiceMessages, SaveVoiceNeverLeavesTheRecord) {
    Image image = patternedImage();
    const Image before = image;
    QStringList words;
    for (int i = 0; i < 25; ++i) words << QStringLiteral("250");
    VoiceMessages::storeMessage(image, 0, 12, words);
    Bytes record = {23};
    for (int k = 0; k < 23; ++k) record.insert(record.end(), {2, 50});
    expectOnlyWritten(before, image, 746, record);
    EXPECT_EQ(image[793], before[793]);
}
