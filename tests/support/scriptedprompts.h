// A prompts port for tests: answers come from queues the test fills, and every message, question,
// keypad and composer call is recorded with its exact texts.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "imagecheck.h"  // PrintTo for QString
#include "ui/prompts.h"

struct RecordedMessage {
    enum Kind { Message, YesNo, YesNoCancel, OkCancel };
    Kind kind;
    Icon icon;
    QString title;
    QString text;
};

class ScriptedPrompts : public Prompts {
public:
    // Queued answers; a call with an empty queue fails the test.
    std::deque<Answer> answers;  // askYesNo (Yes/No), askYesNoCancel, askOkCancel (Ok/Cancel)
    std::deque<QString> files;   // for both file choosers; "" = cancelled
    std::deque<std::optional<QFont>> fonts;
    // A text: OK with this text on the display; nothing: Cancel (or the window closed).
    std::deque<std::optional<QString>> keypadAnswers;
    // A cancelled composer hands back the initial text with no new words.
    std::deque<ComposeResult> composeAnswers;
    // When set, a keypad or composer call with an empty queue is answered as Cancel answers it
    // instead of failing the test: for tests that work every field of a dialog without knowing
    // which of the two each field opens.
    bool cancelUnscripted = false;

    // What the code under test showed or asked.
    std::vector<RecordedMessage> messages;
    std::vector<KeypadRequest> keypadCalls;
    std::vector<ComposeRequest> composeCalls;
    int beeps = 0;
    int openChooserCalls = 0;
    int saveChooserCalls = 0;

    // Called after a keypad or composer answer is taken, before it returns (e.g. to check what a
    // dialog shows while the keypad is "open").
    std::function<void()> onPrompt;

    void message(Icon icon, const QString& title, const QString& text) override;
    bool askYesNo(Icon icon, const QString& title, const QString& text,
                  Answer preferred = Answer::No) override;
    Answer lastPreferred = Answer::No;  // the default button of the last yes/no question
    Answer askYesNoCancel(Icon icon, const QString& title, const QString& text) override;
    bool askOkCancel(Icon icon, const QString& title, const QString& text) override;
    void beep() override { ++beeps; }
    QString chooseOpenFile(const QString& filter, const QString& start = {}) override;
    QString chooseSaveFile(const QString& filter, const QString& start = {}) override;
    std::optional<QFont> choosePrintFont(const QFont& initial) override;
    std::optional<QString> enterKeys(const KeypadRequest& request) override;
    ComposeResult composeWords(const ComposeRequest& request) override;

    QString lastFilter;
    QString lastChooserStart;  // the folder or proposed file the last chooser opened with
    QFont lastFontOffered;
};
