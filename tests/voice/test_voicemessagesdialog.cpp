// The voice messages dialog: what it shows for each block and exactly what a composition writes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogcheck.h"
#include "scriptedprompts.h"
#include "ui/valuefield.h"
#include "voice/voicemessagesdialog.h"
#include "voicewords.h"

namespace {

ValueField* field(VoiceMessagesDialog& dialog, int message) {
    return child<ValueField>(dialog, QStringLiteral("lblMsg%1").arg(message));
}

}  // namespace

TEST(VoiceMessagesDialog, ShowsTheBlocksCaptionRowsAndMessages) {
    const char* captions[] = {"Base Voice Synthesizer Messages", "Memory Save #1 Voice Messages",
                              "Memory Save #2 Voice Messages", "Memory Save #3 Voice Messages",
                              "Memory Save #4 Voice Messages"};
    const int starts[] = {218, 4786, 5586, 6386, 7186};
    for (int block = 0; block < 5; ++block) {
        Image image = patternedImage();
        const int start = starts[block];
        putWords(image, start, {210, 25, 211});  // 1
        image[start + 48] = 0;                   // 2: empty
        putWords(image, start + 96, {210, 211});
        image[start + 96] = 24;  // 3: count too large
        std::fill(image.begin() + start + 144, image.begin() + start + 192, 0xFF);  // 4: erased
        putWords(image, start + 528, {999, 100, 802});                              // 12
        image[start + 528 + 1] = 0x19;  // high bits of the bank are ignored
        const Image before = image;

        ScriptedPrompts prompts;
        VoiceMessagesDialog dialog(image, prompts, blockAt(block));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(captions[block]));
        EXPECT_EQ(field(dialog, 1)->value(), QStringLiteral("A  A.M."));
        EXPECT_EQ(field(dialog, 2)->value(), QString());
        EXPECT_EQ(field(dialog, 3)->value(), QString());
        EXPECT_EQ(field(dialog, 4)->value(), QString());
        EXPECT_EQ(field(dialog, 12)->value(), QStringLiteral("ORVANE (Time_of_day) S_plural"));
        for (int m = 1; m <= 12; ++m) {
            auto* row = dialog.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(m));
            ASSERT_TRUE(row);
            EXPECT_EQ(row->text(), QStringLiteral(" %1").arg(m));
            EXPECT_EQ(row->buddy(), field(dialog, m));
        }
        EXPECT_EQ(image, before);
        EXPECT_TRUE(prompts.composeCalls.empty());
    }
}

TEST(VoiceMessagesDialog, NewWordsOverALongerMessageKeepTheOldBytesBehind) {
    Image image = patternedImage();
    putWords(image, 410, {250, 251, 252, 253, 254, 255, 256, 257, 258, 259});  // base message 5
    const Image before = image;
    ScriptedPrompts prompts;
    prompts.composeAnswers.push_back({QStringLiteral("A Fire Zulu"), true, {"210", "381", "954"}});
    VoiceMessagesDialog dialog(image, prompts, blockAt(0));
    dialog.show();
    EXPECT_EQ(field(dialog, 5)->value(), QStringLiteral("B Back Band Base Battery Below Between "
                                                        "Bravo Break Button"));
    QTest::mouseClick(field(dialog, 5), Qt::LeftButton);

    ASSERT_EQ(prompts.composeCalls.size(), 1u);
    EXPECT_EQ(prompts.composeCalls[0].wordLimit, 23);
    EXPECT_EQ(prompts.composeCalls[0].messageNumber, 5);
    EXPECT_EQ(prompts.composeCalls[0].initialText,
              QStringLiteral("B Back Band Base Battery Below Between Bravo Break Button"));
    expectOnlyWritten(before, image, 410, {3, 2, 10, 3, 81, 9, 54});
    EXPECT_EQ(field(dialog, 5)->value(), QStringLiteral("A Fire Zulu"));
}

TEST(VoiceMessagesDialog, StoresWhereEachMessageLies) {
    const struct {
        int block, message, offset;
    } cases[] = {{0, 1, 218}, {0, 12, 746}, {1, 1, 4786}, {3, 7, 6674}, {4, 12, 7714}};
    for (const auto& c : cases) {
        Image image = patternedImage();
        const Image before = image;
        ScriptedPrompts prompts;
        prompts.composeAnswers.push_back(
            {QStringLiteral("The (long E) DVR Track #16"), true, {"831", "155"}});
        VoiceMessagesDialog dialog(image, prompts, blockAt(c.block));
        dialog.show();
        // Enter on the field opens the composer as a click does.
        field(dialog, c.message)->setFocus();
        QTest::keyClick(field(dialog, c.message), Qt::Key_Return);
        ASSERT_EQ(prompts.composeCalls.size(), 1u);
        EXPECT_EQ(prompts.composeCalls[0].messageNumber, c.message);
        expectOnlyWritten(before, image, c.offset, {2, 8, 31, 1, 55});
        EXPECT_EQ(field(dialog, c.message)->value(), QStringLiteral("The (DVR_16)"));
    }
}

TEST(VoiceMessagesDialog, ClearedMessageWritesOnlyItsCount) {
    Image image = patternedImage();
    putWords(image, 746, {210, 211, 212});
    const Image before = image;
    ScriptedPrompts prompts;
    prompts.composeAnswers.push_back({QString(), true, {}});
    VoiceMessagesDialog dialog(image, prompts, blockAt(0));
    dialog.show();
    QTest::mouseClick(field(dialog, 12), Qt::LeftButton);
    expectOnlyWritten(before, image, 746, {0});
    EXPECT_EQ(field(dialog, 12)->value(), QString());
}

TEST(VoiceMessagesDialog, KeptOrCancelledCompositionWritesNothing) {
    Image image = patternedImage();
    putWords(image, 266, {210, 211});
    image[314] = 0xFF;  // message 3: erased
    const Image before = image;
    ScriptedPrompts prompts;
    prompts.composeAnswers.push_back({QStringLiteral("A A.M."), false, {}});
    prompts.composeAnswers.push_back({QStringLiteral("A A.M."), false, {"250"}});
    VoiceMessagesDialog dialog(image, prompts, blockAt(0));
    dialog.show();
    QTest::mouseClick(field(dialog, 2), Qt::LeftButton);
    QTest::mouseClick(field(dialog, 2), Qt::LeftButton);
    EXPECT_EQ(prompts.composeCalls.size(), 2u);
    EXPECT_EQ(image, before);
    EXPECT_EQ(field(dialog, 2)->value(), QStringLiteral("A A.M."));
    // An empty or invalid message opens the composer with an empty text.
    prompts.composeAnswers.push_back({QString(), false, {}});
    QTest::mouseClick(field(dialog, 3), Qt::LeftButton);
    EXPECT_EQ(prompts.composeCalls[2].initialText, QString());
    EXPECT_EQ(image, before);
}

TEST(VoiceMessagesDialog, OkClosesWithoutWriting) {
    Image image = patternedImage();
    const Image before = image;
    ScriptedPrompts prompts;
    VoiceMessagesDialog dialog(image, prompts, blockAt(2));
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(image, before);
}
