#include "scriptedprompts.h"

#include <gtest/gtest.h>

namespace {
template <typename T>
T take(std::deque<T>& queue, const char* what, T fallback, bool fallbackExpected = false) {
    if (queue.empty()) {
        if (!fallbackExpected) ADD_FAILURE() << "unexpected prompt: " << what;
        return fallback;
    }
    T value = queue.front();
    queue.pop_front();
    return value;
}
}  // namespace

void ScriptedPrompts::message(Icon icon, const QString& title, const QString& text) {
    messages.push_back({RecordedMessage::Message, icon, title, text});
}

bool ScriptedPrompts::askYesNo(Icon icon, const QString& title, const QString& text,
                               Answer preferred) {
    messages.push_back({RecordedMessage::YesNo, icon, title, text});
    lastPreferred = preferred;
    return take(answers, "yes/no question", Answer::No) == Answer::Yes;
}

Answer ScriptedPrompts::askYesNoCancel(Icon icon, const QString& title, const QString& text) {
    messages.push_back({RecordedMessage::YesNoCancel, icon, title, text});
    return take(answers, "yes/no/cancel question", Answer::Cancel);
}

bool ScriptedPrompts::askOkCancel(Icon icon, const QString& title, const QString& text) {
    messages.push_back({RecordedMessage::OkCancel, icon, title, text});
    return take(answers, "ok/cancel question", Answer::Cancel) == Answer::Ok;
}

QString ScriptedPrompts::chooseOpenFile(const QString& filter, const QString& start) {
    ++openChooserCalls;
    lastFilter = filter;
    lastChooserStart = start;
    return take(files, "open chooser", QString());
}

QString ScriptedPrompts::chooseSaveFile(const QString& filter, const QString& start) {
    ++saveChooserCalls;
    lastFilter = filter;
    lastChooserStart = start;
    return take(files, "save chooser", QString());
}

std::optional<QFont> ScriptedPrompts::choosePrintFont(const QFont& initial) {
    lastFontOffered = initial;
    return take(fonts, "font chooser", std::optional<QFont>());
}

std::optional<QString> ScriptedPrompts::enterKeys(const KeypadRequest& request) {
    keypadCalls.push_back(request);
    // Taken apart rather than copied whole: GCC takes a copied optional QString for uninitialised.
    const bool scripted = !keypadAnswers.empty();
    if (!scripted && !cancelUnscripted) ADD_FAILURE() << "unexpected prompt: keypad";
    const bool ok = scripted && keypadAnswers.front().has_value();
    const QString text = ok ? *keypadAnswers.front() : QString();
    if (scripted) keypadAnswers.pop_front();
    if (onPrompt) onPrompt();
    if (!ok) return std::nullopt;
    return text;
}

ComposeResult ScriptedPrompts::composeWords(const ComposeRequest& request) {
    composeCalls.push_back(request);
    ComposeResult answer =
        take(composeAnswers, "composer", ComposeResult{request.initialText.trimmed(), false, {}},
             cancelUnscripted);
    if (onPrompt) onPrompt();
    return answer;
}
