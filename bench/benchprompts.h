// The prompts port for the benchmarks: nobody answers, so every question is declined and every
// keypad or composer cancelled, and each call is counted. A dialog that asks anything while it is
// only being shown has not measured just its display.
#pragma once

#include <QString>

#include "ui/prompts.h"

class BenchPrompts : public Prompts {
public:
    int calls = 0;
    QString lastTitle;  // what the last call was about, for the skip message

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
    void asked(const QString& what);
};
