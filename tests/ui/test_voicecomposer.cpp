// The voice composer driven with real clicks: its states, the word limit, the mended Back Space,
// the arming delay, and what reaches the caller.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogcheck.h"
#include "formats/vocabulary.h"
#include "scriptedprompts.h"
#include "ui/soundplayer.h"
#include "ui/voicecomposerdialog.h"

namespace {

QString text(VoiceComposerDialog& dialog) {
    return child<QPlainTextEdit>(dialog, "Text1")->toPlainText();
}

void click(VoiceComposerDialog& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

void waitArmed(VoiceComposerDialog& dialog) {
    QElapsedTimer clock;
    clock.start();
    while (!dialog.isArmed() && clock.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_TRUE(dialog.isArmed());
}

void chooseList(VoiceComposerDialog& dialog, const char* option) {
    QTest::mouseClick(child<QRadioButton>(dialog, option), Qt::LeftButton);
}

QListWidgetItem* item(QListWidget* list, const QString& label) {
    const auto found = list->findItems(label, Qt::MatchExactly);
    if (found.isEmpty()) {
        ADD_FAILURE() << "no entry " << label.toStdString();
        return nullptr;
    }
    return found.first();
}

// A word chosen with a double click on its entry.
void pick(VoiceComposerDialog& dialog, const char* listName, const QString& label) {
    auto* list = child<QListWidget>(dialog, listName);
    QListWidgetItem* entry = item(list, label);
    if (!entry) return;
    list->scrollToItem(entry);
    // What a real double click delivers: press, release, double click, release.
    const QPoint at = list->visualItemRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// A word chosen with Enter on the current entry.
void pickByKey(VoiceComposerDialog& dialog, const char* listName, const QString& label) {
    auto* list = child<QListWidget>(dialog, listName);
    QListWidgetItem* entry = item(list, label);
    if (!entry) return;
    list->setCurrentItem(entry);
    QTest::keyClick(list, Qt::Key_Return);
}

// Opens the composer and runs `script` inside its modal loop, once it is armed.
ComposeResult compose(VoiceComposerDialog& dialog, const ComposeRequest& request,
                      const std::function<void()>& script, bool arm = true) {
    QTimer::singleShot(0, &dialog, [&] {
        if (arm) waitArmed(dialog);
        script();
        if (dialog.isVisible()) {
            ADD_FAILURE() << "composer still open after the script";
            dialog.reject();
        }
    });
    return dialog.compose(request);
}

struct Composer : ::testing::Test {
    ScriptedPrompts prompts;
    VoiceComposerDialog dialog{prompts, nullptr, 0};
};

}  // namespace

TEST_F(Composer, ShowsItsTextsAndComposesFromEveryList) {
    const ComposeResult result = compose(dialog, {23, 3, QString()}, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Voice Synthesizer Editor Dialog Box"));
        EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("Word Construction For Message 3"));
        EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Voice Words Table"));
        EXPECT_EQ(child<QRadioButton>(dialog, "optAll")->text(), QStringLiteral("All Words"));
        EXPECT_EQ(child<QRadioButton>(dialog, "optCall")->text(), QStringLiteral("Call Letters"));
        EXPECT_EQ(child<QRadioButton>(dialog, "optSpecial")->text(), QStringLiteral("Special"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdBackSpace")->text(), QStringLiteral("Back Space"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdClear")->text(), QStringLiteral("Clear"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdExit")->text(), QStringLiteral("OK"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdCancel")->text(), QStringLiteral("Cancel"));
        EXPECT_TRUE(child<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
        // The list wraps into columns: far more than one column's words show without scrolling.
        auto* all = child<QListWidget>(dialog, "lstAll");
        EXPECT_TRUE(all->viewport()->rect().contains(all->visualItemRect(all->item(60))));

        pick(dialog, "lstAll", QStringLiteral("A"));
        pickByKey(dialog, "lstAll", QStringLiteral("Fire"));
        pick(dialog, "lstAll", QStringLiteral("Well Come"));
        chooseList(dialog, "optSpecial");
        EXPECT_TRUE(child<QListWidget>(dialog, "lstSpecial")->isVisible());
        EXPECT_FALSE(child<QListWidget>(dialog, "lstAll")->isVisible());
        EXPECT_FALSE(child<QListWidget>(dialog, "lstCall")->isVisible());
        pick(dialog, "lstSpecial", QStringLiteral("[Time Of Day]"));
        chooseList(dialog, "optCall");
        EXPECT_TRUE(child<QListWidget>(dialog, "lstCall")->isVisible());
        EXPECT_FALSE(child<QListWidget>(dialog, "lstSpecial")->isVisible());
        pickByKey(dialog, "lstCall", QStringLiteral("5"));
        pick(dialog, "lstCall", QStringLiteral("Z"));
        // Enter chose a word and left the composer open.
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(text(dialog), QStringLiteral("A Fire Well Come [Time Of Day] 5 Z"));
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.text, QStringLiteral("A Fire Well Come [Time Of Day] 5 Z"));
    EXPECT_TRUE(result.newWords);
    EXPECT_EQ(result.words, QStringList({"210", "381", "901", "100", "005", "950"}));
}

TEST_F(Composer, ListsOfferTheVocabularyInOrder) {
    compose(dialog, {23, 1, QString()}, [&] {
        const struct {
            const char* name;
            Vocabulary::PickList list;
            const char* first;
            const char* last;
        } lists[] = {{"lstAll", Vocabulary::PickList::AllWords, "0", "Courtesy Tone #8"},
                     {"lstCall", Vocabulary::PickList::CallLetters, "0", "Z"},
                     {"lstSpecial", Vocabulary::PickList::Special, "[Pause 1]", "Courtesy Tone 8"}};
        for (const auto& l : lists) {
            auto* widget = child<QListWidget>(dialog, l.name);
            const auto entries = Vocabulary::pickList(l.list);
            ASSERT_EQ(widget->count(), static_cast<int>(entries.size()));
            for (int i = 0; i < widget->count(); ++i)
                ASSERT_EQ(widget->item(i)->text(), QString::fromUtf8(entries[i].label)) << i;
            EXPECT_EQ(widget->item(0)->text(), QString::fromUtf8(l.first));
            EXPECT_EQ(widget->item(widget->count() - 1)->text(), QString::fromUtf8(l.last));
        }
        click(dialog, "cmdCancel");
    });
}

TEST_F(Composer, KeepingAnExistingTextStoresNothing) {
    const ComposeResult result = compose(dialog, {23, 2, QStringLiteral("  Hello  Fire ")}, [&] {
        EXPECT_EQ(text(dialog), QStringLiteral("Hello  Fire"));
        for (const char* name : {"lstAll", "lstCall", "lstSpecial"})
            EXPECT_FALSE(child<QListWidget>(dialog, name)->isEnabled()) << name;
        EXPECT_FALSE(child<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
        pick(dialog, "lstAll", QStringLiteral("A"));
        click(dialog, "cmdBackSpace");
        EXPECT_EQ(text(dialog), QStringLiteral("Hello  Fire"));
        // The shown text's words are not known: no count until composing starts.
        EXPECT_EQ(child<QLabel>(dialog, "lblCount")->text(), QString());
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.text, QStringLiteral("Hello  Fire"));
    EXPECT_FALSE(result.newWords);
    EXPECT_TRUE(result.words.isEmpty());
    EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(Composer, ClearThenOkStoresAnEmptyMessage) {
    const ComposeResult result = compose(dialog, {23, 4, QStringLiteral("A A.M.")}, [&] {
        click(dialog, "cmdClear");
        EXPECT_EQ(text(dialog), QString());
        EXPECT_TRUE(child<QListWidget>(dialog, "lstAll")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(dialog, "cmdBackSpace")->isEnabled());
        // The list wraps into columns: far more than one column's words show without scrolling.
        auto* all = child<QListWidget>(dialog, "lstAll");
        EXPECT_TRUE(all->viewport()->rect().contains(all->visualItemRect(all->item(60))));
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.text, QString());
    EXPECT_TRUE(result.newWords);
    EXPECT_TRUE(result.words.isEmpty());
}

// Cancel, the window frame's close and Escape all hand back the initial text and store nothing.
TEST_F(Composer, CancellingInAnyWayRestoresTheInitialText) {
    const std::function<void()> cancels[] = {
        [&] { click(dialog, "cmdCancel"); },
        [&] { dialog.close(); },
        [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
    };
    for (const auto& cancel : cancels) {
        const ComposeResult result = compose(dialog, {23, 1, QStringLiteral("Fire")}, [&] {
            click(dialog, "cmdClear");
            pick(dialog, "lstAll", QStringLiteral("A"));
            EXPECT_EQ(text(dialog), QStringLiteral("A"));
            cancel();
        });
        EXPECT_EQ(result.text, QStringLiteral("Fire"));
        EXPECT_FALSE(result.newWords);
        EXPECT_TRUE(result.words.isEmpty());

        const ComposeResult fresh = compose(dialog, {23, 1, QString()}, [&] {
            pick(dialog, "lstAll", QStringLiteral("B"));
            cancel();
        });
        EXPECT_EQ(fresh.text, QString());
        EXPECT_FALSE(fresh.newWords);
    }
}

TEST_F(Composer, WordsBeyondTheLimitAreIgnored) {
    for (int limit : {23, 8}) {
        const ComposeResult result = compose(dialog, {limit, 1, QString()}, [&] {
            EXPECT_EQ(child<QLabel>(dialog, "lblCount")->text(),
                      QStringLiteral("0 of %1 words").arg(limit));
            for (int i = 0; i <= limit; ++i) pickByKey(dialog, "lstAll", QStringLiteral("B"));
            EXPECT_EQ(child<QLabel>(dialog, "lblCount")->text(),
                      QStringLiteral("%1 of %1 words").arg(limit));
            click(dialog, "cmdExit");
        });
        QStringList expectedText, expectedWords;
        for (int i = 0; i < limit; ++i) {
            expectedText << QStringLiteral("B");
            expectedWords << QStringLiteral("250");
        }
        EXPECT_EQ(result.text, expectedText.join(' ')) << limit;
        EXPECT_EQ(result.words, expectedWords) << limit;
        EXPECT_EQ(prompts.beeps, 0);
    }
}

// Back Space takes the whole last word: its full label and its word number together.
TEST_F(Composer, BackSpaceRemovesTheWholeLastWord) {
    const ComposeResult result = compose(dialog, {23, 1, QString()}, [&] {
        pick(dialog, "lstAll", QStringLiteral("A"));
        pick(dialog, "lstAll", QStringLiteral("Time Of Day"));
        pick(dialog, "lstAll", QStringLiteral("DVR Track #1"));
        EXPECT_EQ(text(dialog), QStringLiteral("A Time Of Day DVR Track #1"));
        const struct {
            const char* textAfter;
            int beepsAfter;
        } steps[] = {{"A Time Of Day", 0}, {"A", 0}, {"", 0}, {"", 1}, {"", 2}};
        for (const auto& step : steps) {
            click(dialog, "cmdBackSpace");
            EXPECT_EQ(text(dialog), QString::fromUtf8(step.textAfter));
            EXPECT_EQ(prompts.beeps, step.beepsAfter);
        }
        // Words chosen after a Back Space fill the freed places.
        pick(dialog, "lstAll", QStringLiteral("S (plural)"));
        pick(dialog, "lstAll", QStringLiteral("Courtesy Tone #8"));
        pick(dialog, "lstAll", QStringLiteral("B"));
        click(dialog, "cmdBackSpace");
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.text, QStringLiteral("S (plural) Courtesy Tone #8"));
    EXPECT_TRUE(result.newWords);
    EXPECT_EQ(result.words, QStringList({"802", "168"}));
}

TEST_F(Composer, TextBoxCannotBeTypedInto) {
    compose(dialog, {23, 1, QString()}, [&] {
        auto* box = child<QPlainTextEdit>(dialog, "Text1");
        EXPECT_TRUE(box->isReadOnly());
        pick(dialog, "lstAll", QStringLiteral("A"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(text(dialog), QStringLiteral("A"));
        click(dialog, "cmdCancel");
    });
}

TEST_F(Composer, HeadingKeepsTheLastCallersNumber) {
    compose(dialog, {8, std::nullopt, QString()}, [&] {
        EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("Word Construction For Message 0"));
        click(dialog, "cmdCancel");
    });
    compose(dialog, {23, 12, QString()}, [&] {
        EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("Word Construction For Message 12"));
        click(dialog, "cmdCancel");
    });
    compose(dialog, {8, std::nullopt, QString()}, [&] {
        EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("Word Construction For Message 12"));
        click(dialog, "cmdCancel");
    });
}

TEST_F(Composer, ListChoiceStaysForTheNextOpening) {
    EXPECT_TRUE(child<QRadioButton>(dialog, "optAll")->isChecked());
    compose(dialog, {23, 1, QString()}, [&] {
        EXPECT_TRUE(child<QListWidget>(dialog, "lstAll")->isVisible());
        chooseList(dialog, "optSpecial");
        click(dialog, "cmdExit");
    });
    const ComposeResult result = compose(dialog, {23, 1, QString()}, [&] {
        EXPECT_TRUE(child<QRadioButton>(dialog, "optSpecial")->isChecked());
        EXPECT_TRUE(child<QListWidget>(dialog, "lstSpecial")->isVisible());
        EXPECT_FALSE(child<QListWidget>(dialog, "lstAll")->isVisible());
        pickByKey(dialog, "lstSpecial", QStringLiteral("DVR Track 16"));
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.text, QStringLiteral("DVR Track 16"));
    EXPECT_EQ(result.words, QStringList({"155"}));
}

TEST(ComposerArming, ButtonsDoNothingUntilArmed) {
    ScriptedPrompts prompts;
    VoiceComposerDialog slow(prompts);  // the program's default delay
    compose(
        slow, {23, 1, QString()},
        [&] {
            auto* timer = child<QTimer>(slow, "Timer1");
            EXPECT_TRUE(timer->isActive());
            EXPECT_EQ(timer->interval(), 500);
            slow.close();
        },
        false);

    VoiceComposerDialog dialog(prompts, nullptr, 60000);
    compose(
        dialog, {23, 1, QString()},
        [&] {
            pick(dialog, "lstAll", QStringLiteral("A"));
            for (const char* button :
                 {"cmdBackSpace", "cmdBackSpace", "cmdClear", "cmdExit", "cmdCancel"})
                click(dialog, button);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(text(dialog), QStringLiteral("A"));
            EXPECT_EQ(prompts.beeps, 0);
            dialog.close();
        },
        false);
    const ComposeResult result = compose(
        dialog, {23, 1, QStringLiteral("Fire")},
        [&] {
            EXPECT_FALSE(dialog.isArmed());
            for (const char* button : {"cmdClear", "cmdBackSpace", "cmdExit", "cmdCancel"})
                click(dialog, button);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(text(dialog), QStringLiteral("Fire"));
            EXPECT_FALSE(child<QListWidget>(dialog, "lstAll")->isEnabled());
            // Once the timer fires the same buttons work.
            child<QTimer>(dialog, "Timer1")->start(0);
            waitArmed(dialog);
            click(dialog, "cmdClear");
            EXPECT_EQ(text(dialog), QString());
            click(dialog, "cmdExit");
        },
        false);
    EXPECT_EQ(result.text, QString());
    EXPECT_TRUE(result.newWords);
    EXPECT_EQ(prompts.beeps, 0);
}

namespace {

// Takes what it is given to play; the composer's speaker says which words it was asked for.
class TakingSink : public SoundSink {
public:
    bool start(const QByteArray&, int, QString*) override { return true; }
    void stop() override {}
};

}  // namespace

TEST_F(Composer, PlaySpeaksTheWordsComposedAndEscapeStopsOnlyTheSound) {
    std::vector<int> spoken;
    VoiceComposerDialog::setSpeaker(
        [&spoken](const std::vector<int>& numbers) {
            spoken = numbers;
            return QByteArray(100, '\0');
        },
        22050);
    SoundPlayer::instance().setSinkFactory([] { return std::make_unique<TakingSink>(); });
    const ComposeResult result = compose(dialog, {23, 1, QStringLiteral("Old")}, [&] {
        auto* play = child<QPushButton>(dialog, "cmdPlay");
        EXPECT_FALSE(play->isEnabled());  // the stored text: nothing composed yet
        click(dialog, "cmdClear");
        pick(dialog, "lstAll", QStringLiteral("A"));
        pick(dialog, "lstAll", QStringLiteral("Fire"));
        ASSERT_TRUE(play->isEnabled());
        click(dialog, "cmdPlay");
        EXPECT_EQ(spoken, (std::vector<int>{210, 381}));
        EXPECT_EQ(play->text(), QStringLiteral("Stop"));
        QTest::keyClick(child<QListWidget>(dialog, "lstAll"), Qt::Key_Escape);
        EXPECT_EQ(play->text(), QStringLiteral("Play"));
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "cmdExit");
    });
    EXPECT_EQ(result.words, QStringList({"210", "381"}));
    SoundPlayer::instance().setSinkFactory({});
    VoiceComposerDialog::setSpeaker({}, 22050);
}
