// The prompts port as the running program answers it: Qt message boxes and choosers, and the
// program's keypad and voice composer dialogs.
#pragma once

#include <functional>

#include "ui/prompts.h"

class QWidget;

class QtPrompts : public Prompts {
public:
    using KeypadFunction = std::function<std::optional<QString>(const KeypadRequest&)>;
    using ComposerFunction = std::function<ComposeResult(const ComposeRequest&)>;

    // The keypad and the composer live with the editors; the program hands them in here.
    void setKeypad(KeypadFunction keypad) { m_keypad = std::move(keypad); }
    void setComposer(ComposerFunction composer) { m_composer = std::move(composer); }

    void message(Icon icon, const QString& title, const QString& text) override;
    bool askYesNo(Icon icon, const QString& title, const QString& text,
                  Answer preferred = Answer::No) override;
    Answer askYesNoCancel(Icon icon, const QString& title, const QString& text) override;
    bool askOkCancel(Icon icon, const QString& title, const QString& text) override;
    void beep() override;
    QString chooseOpenFile(const QString& filter, const QString& start = {}) override;
    QString chooseSaveFile(const QString& filter, const QString& start = {}) override;
    std::optional<QFont> choosePrintFont(const QFont& initial) override;
    std::optional<QString> enterKeys(const KeypadRequest& request) override;
    ComposeResult composeWords(const ComposeRequest& request) override;

private:
    KeypadFunction m_keypad;
    ComposerFunction m_composer;
};
