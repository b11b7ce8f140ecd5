// The voice messages dialog: what it shows for each block and exactly what a composition writes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogharness.h"
#include "voice/voicemessagesdialog.h"
#include "voicewords.h"

namespace {

QString messageField(int message) { return named("lblMsg%1", message); }

}  // namespace

TEST(VoiceMessagesDialog, ShowsTheBlocksCaptionRowsAndMessages) {
    const char* captions[] = {"Base Voice Synthesizer Messages", "Memory Save #1 Voice Messages",
                              "Memory Save #2 Voice Messages", "Memory Save #3 Voice Messages",
                              "Memory Save #4 Voice Messages"};
    const int starts[] = {218, 4786, 5586, 6386, 7186};
    for (int block = 0; block < 5; ++block) {
        DialogHarness h;
        const int start = starts[block];
        putWords(h.image, start, {210, 25, 211});  // 1
        h.image[start + 48] = 0;                   // 2: empty
        putWords(h.image, start + 96, {210, 211});
        h.image[start + 96] = 24;  // 3: count too large
        std::fill(h.image.begin() + start + 144, h.image.begin() + start + 192, 0xFF);  // 4: erased
        putWords(h.image, start + 528, {999, 100, 802});                                // 12
        h.image[start + 528 + 1] = 0x19;  // high bits of the bank are ignored

        auto& dialog = h.openOn<VoiceMessagesDialog>(blockAt(block));
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(captions[block]));
        EXPECT_EQ(h.shown(messageField(1)), QStringLiteral("A  A.M."));
        EXPECT_EQ(h.shown(messageField(2)), QString());
        EXPECT_EQ(h.shown(messageField(3)), QString());
        EXPECT_EQ(h.shown(messageField(4)), QString());
        EXPECT_EQ(h.shown(messageField(12)), QStringLiteral("ORVANE (Time_of_day) S_plural"));
        for (int m = 1; m <= 12; ++m) {
            auto* row = dialog.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(m));
            ASSERT_TRUE(row);
            EXPECT_EQ(row->text(), QStringLiteral(" %1").arg(m));
            EXPECT_EQ(row->buddy(), h.field(messageField(m)));
        }
        EXPECT_EQ(h.image, h.before);
        EXPECT_TRUE(h.prompts.composeCalls.empty());
    }
}

TEST(VoiceMessagesDialog, NewWordsOverALongerMessageKeepTheOldBytesBehind) {
    DialogHarness h;
    putWords(h.image, 410, {250, 251, 252, 253, 254, 255, 256, 257, 258, 259});  // base message 5
    h.prompts.composeAnswers.push_back(
        {QStringLiteral("A Fire Zulu"), true, {"210", "381", "954"}});
    h.openOn<VoiceMessagesDialog>(blockAt(0));
    EXPECT_EQ(h.shown(messageField(5)), QStringLiteral("B Back Band Base Battery Below Between "
                                                       "Bravo Break Button"));
    h.click(messageField(5));

    ASSERT_EQ(h.prompts.composeCalls.size(), 1u);
    EXPECT_EQ(h.prompts.composeCalls[0].wordLimit, 23);
    EXPECT_EQ(h.prompts.composeCalls[0].messageNumber, 5);
    EXPECT_EQ(h.prompts.composeCalls[0].initialText,
              QStringLiteral("B Back Band Base Battery Below Between Bravo Break Button"));
    expectOnlyWritten(h.before, h.image, 410, {3, 2, 10, 3, 81, 9, 54});
    EXPECT_EQ(h.shown(messageField(5)), QStringLiteral("A Fire Zulu"));
}

TEST(VoiceMessagesDialog, StoresWhereEachMessageLies) {
    const struct {
        int block, message, offset;
    } cases[] = {{0, 1, 218}, {0, 12, 746}, {1, 1, 4786}, {3, 7, 6674}, {4, 12, 7714}};
    for (const auto& c : cases) {
        DialogHarness h;
        h.prompts.composeAnswers.push_back(
            {QStringLiteral("The (long E) DVR Track #16"), true, {"831", "155"}});
        h.openOn<VoiceMessagesDialog>(blockAt(c.block));
        // Enter on the field opens the composer as a click does.
        ValueField* field = h.field(messageField(c.message));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_EQ(h.prompts.composeCalls.size(), 1u);
        EXPECT_EQ(h.prompts.composeCalls[0].messageNumber, c.message);
        expectOnlyWritten(h.before, h.image, c.offset, {2, 8, 31, 1, 55});
        EXPECT_EQ(field->value(), QStringLiteral("The (DVR_16)"));
    }
}

TEST(VoiceMessagesDialog, ClearedMessageWritesOnlyItsCount) {
    DialogHarness h;
    putWords(h.image, 746, {210, 211, 212});
    h.prompts.composeAnswers.push_back({QString(), true, {}});
    h.openOn<VoiceMessagesDialog>(blockAt(0));
    h.click(messageField(12));
    expectOnlyWritten(h.before, h.image, 746, {0});
    EXPECT_EQ(h.shown(messageField(12)), QString());
}

TEST(VoiceMessagesDialog, KeptOrCancelledCompositionWritesNothing) {
    DialogHarness h;
    putWords(h.image, 266, {210, 211});
    h.image[314] = 0xFF;  // message 3: erased
    h.prompts.composeAnswers.push_back({QStringLiteral("A A.M."), false, {}});
    h.prompts.composeAnswers.push_back({QStringLiteral("A A.M."), false, {"250"}});
    h.openOn<VoiceMessagesDialog>(blockAt(0));
    h.click(messageField(2));
    h.click(messageField(2));
    EXPECT_EQ(h.prompts.composeCalls.size(), 2u);
    EXPECT_EQ(h.image, h.before);
    EXPECT_EQ(h.shown(messageField(2)), QStringLiteral("A A.M."));
    // An empty or invalid message opens the composer with an empty text.
    h.prompts.composeAnswers.push_back({QString(), false, {}});
    h.click(messageField(3));
    EXPECT_EQ(h.prompts.composeCalls[2].initialText, QString());
    EXPECT_EQ(h.image, h.before);
}

TEST(VoiceMessagesDialog, OkClosesWithoutWriting) {
    DialogHarness h;
    auto& dialog = h.openOn<VoiceMessagesDialog>(blockAt(2));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(h.image, h.before);
}
