// The prompts port: every message box, question, chooser, keypad entry and voice composition a
// dialog needs goes through this interface, so tests can script the answers and read the texts.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

#include "formats/composerequest.h"
#include "formats/keypadrequest.h"

enum class Icon { Information, Warning, Exclamation = Warning, Error, Question };
enum class Answer { Ok, Yes, No, Cancel };

// What the voice composer hands back.
struct ComposeResult {
    QString text;           // what the caller shows in its field
    bool newWords = false;  // true when the words were composed anew and must be stored
    QStringList words;      // three-digit voice word numbers ("005", "210"), one per composed word
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with a single OK button.
    virtual void message(Icon icon, const QString& title, const QString& text) = 0;
    // Yes and No, No being the default unless `preferred` is Yes; true for Yes.
    virtual bool askYesNo(Icon icon, const QString& title, const QString& text,
                          Answer preferred = Answer::No) = 0;
    // Yes, No and Cancel, Cancel being the default.
    virtual Answer askYesNoCancel(Icon icon, const QString& title, const QString& text) = 0;
    // OK and Cancel, Cancel being the default; true for OK.
    virtual bool askOkCancel(Icon icon, const QString& title, const QString& text) = 0;
    virtual void beep() = 0;

    // File choosers; an empty text means the user cancelled. `start` is the folder the chooser
    // opens in, or for a save the file it proposes; empty: the chooser's own choice.
    virtual QString chooseOpenFile(const QString& filter, const QString& start = {}) = 0;
    virtual QString chooseSaveFile(const QString& filter, const QString& start = {}) = 0;
    // Font chooser for the printed report; nothing when cancelled.
    virtual std::optional<QFont> choosePrintFont(const QFont& initial) = 0;

    // The keypad entry dialog: the text on its display after OK (possibly empty); nothing after
    // Cancel or a close, and then the caller writes nothing.
    virtual std::optional<QString> enterKeys(const KeypadRequest& request) = 0;
    // The voice message composer; after Cancel or a close it hands back the initial text with no
    // new words, so the caller writes nothing.
    virtual ComposeResult composeWords(const ComposeRequest& request) = 0;
};
