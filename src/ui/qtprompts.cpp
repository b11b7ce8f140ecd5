#include "ui/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

int run(Icon icon, const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(toQt(icon), title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(buttons & QMessageBox::Cancel ? QMessageBox::Cancel
                        : buttons & QMessageBox::No   ? QMessageBox::No
                                                      : QMessageBox::Ok);
    return box.exec();
}

}  // namespace

void QtPrompts::message(Icon icon, const QString& title, const QString& text) {
    run(icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompts::askYesNo(Icon icon, const QString& title, const QString& text, Answer preferred) {
    return run(icon, title, text, QMessageBox::Yes | QMessageBox::No,
               preferred == Answer::Yes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::askYesNoCancel(Icon icon, const QString& title, const QString& text) {
    switch (run(icon, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool QtPrompts::askOkCancel(Icon icon, const QString& title, const QString& text) {
    return run(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void QtPrompts::beep() { QApplication::beep(); }

QString QtPrompts::chooseOpenFile(const QString& filter, const QString& start) {
    // Titled, as a desktop's own chooser shows no title of its own.
    return QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                        QApplication::translate("Prompts", "Open"), start, filter);
}

QString QtPrompts::chooseSaveFile(const QString& filter, const QString& start) {
    return QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QApplication::translate("Prompts", "Save As"), start, filter);
}

std::optional<QFont> QtPrompts::choosePrintFont(const QFont& initial) {
    bool ok = false;
    // Scalable fonts are the ones the printer can render at any size.
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), QString(),
                                            QFontDialog::ScalableFonts);
    if (!ok) return std::nullopt;
    return font;
}

std::optional<QString> QtPrompts::enterKeys(const KeypadRequest& request) {
    return m_keypad(request);
}

ComposeResult QtPrompts::composeWords(const ComposeRequest& request) { return m_composer(request); }
