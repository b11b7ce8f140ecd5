#include "benchprompts.h"

void BenchPrompts::asked(const QString& what) {
    ++calls;
    lastTitle = what;
}

void BenchPrompts::message(Icon, const QString& title, const QString&) { asked(title); }

bool BenchPrompts::askYesNo(Icon, const QString& title, const QString&, Answer) {
    asked(title);
    return false;
}

Answer BenchPrompts::askYesNoCancel(Icon, const QString& title, const QString&) {
    asked(title);
    return Answer::Cancel;
}

bool BenchPrompts::askOkCancel(Icon, const QString& title, const QString&) {
    asked(title);
    return false;
}

void BenchPrompts::beep() { asked(QStringLiteral("beep")); }

QString BenchPrompts::chooseOpenFile(const QString&, const QString&) {
    asked(QStringLiteral("open chooser"));
    return {};
}

QString BenchPrompts::chooseSaveFile(const QString&, const QString&) {
    asked(QStringLiteral("save chooser"));
    return {};
}

std::optional<QFont> BenchPrompts::choosePrintFont(const QFont&) {
    asked(QStringLiteral("font chooser"));
    return std::nullopt;
}

std::optional<QString> BenchPrompts::enterKeys(const KeypadRequest&) {
    asked(QStringLiteral("keypad"));
    return std::nullopt;
}

ComposeResult BenchPrompts::composeWords(const ComposeRequest& request) {
    asked(QStringLiteral("composer"));
    return {request.initialText, false, {}};
}
