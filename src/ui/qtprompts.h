// The prompts port as the running program answers it: Qt message boxes and choosers, and the
// program's keypad and voice composer dialogs.
#pragma once

#include <functional>

#include "ui/prompts.h"

class QWidget;

class QtPrompts : public Prompts {
public:
    using KeyPadFunction = std::function<QString(int, int, const QString&, const QString&, int)>;
    using ComposerFunction = std::function<ComposeResult(const ComposeRequest&)>;

    // The keypad and the composer live with the editors; the program hands them in here.
    void setKeyPad(KeyPadFunction keyPad) { m_keyPad = std::move(keyPad); }
    void setComposer(ComposerFunction composer) { m_composer = std::move(composer); }

    void message(Icon icon, const QString& title, const QString& text) override;
    bool askYesNo(Icon icon, const QString& title, const QString& text) override;
    Answer askYesNoCancel(Icon icon, const QString& title, const QString& text) override;
    void beep() override;
    QString chooseOpenFile(const QString& filter) override;
    QString chooseSaveFile(const QString& filter) override;
    std::optional<QFont> choosePrintFont(const QFont& initial) override;
    QString showKeyPad(int keySet, int limit, const QString& heading, const QString& initial,
                       int checkKind) override;
    ComposeResult composeWords(const ComposeRequest& request) override;

private:
    KeyPadFunction m_keyPad;
    ComposerFunction m_composer;
};
