// The keypad entry dialog: a 16-key DTMF pad on which every key sequence and short number of the
// editors is typed. It returns the text on its display after OK, nothing after Cancel, and never
// touches the image.
#pragma once

#include <QString>
#include <optional>

#include "formats/keypadrules.h"
#include "ui/armingdelay.h"
#include "ui/plaindialog.h"

class QLabel;
class QPushButton;
class Prompts;

class KeypadDialog : public PlainDialog {
    Q_OBJECT
public:
    // armDelayMs: how long the pad ignores its buttons after opening; 0 arms it at once.
    explicit KeypadDialog(Prompts& prompts, QWidget* parent = nullptr,
                          int armDelayMs = ArmingDelay::DefaultMs);

    // Runs one entry modally: the accepted text after OK (possibly empty), nothing after Cancel,
    // Escape or when the window is closed.
    std::optional<QString> enterKeys(const KeypadRequest& request);

    // Sets up one entry as opening the pad does (keys of the key set, texts, flags, arming delay)
    // without running it; enterKeys uses it, tests use it with show().
    void begin(const KeypadRequest& request);

    // The text on the display; after OK, the text enterKeys returns.
    QString displayText() const { return m_display; }
    bool isArmed() const;

public slots:
    // What the arming delay's timer does when it fires: from now on the buttons react.
    void arm();
    // Cancel, the window's close box and Escape: the display goes back to the initial text.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void typeKey(QChar key);
    void typeDelay();
    void clearDisplay();
    void acceptEntry();
    void cancelEntry();
    void setDisplay(const QString& text);
    QPushButton* addButton(const QString& caption, const QString& name);

    Prompts& m_prompts;
    ArmingDelay* m_arming;
    QLabel* m_heading;
    QLabel* m_displayLabel;
    QPushButton* m_ok;
    QPushButton* m_delay;
    QList<QPushButton*> m_keys;  // the sixteen pad keys, in pad order

    // Keys typed on the keyboard before the pad was armed, applied in order once it is: the delay
    // keeps a double click's second click off the keys, not a quick typist's first digits.
    struct TypedKey {
        int key;
        QString text;
    };
    QList<TypedKey> m_typedEarly;
    void applyTypedEarly();

    bool m_firstKey = true;
    bool m_lastWasDelay = false;
    QString m_held;
    QString m_display;
    KeySet m_keySet = KeySet::Digits;
    int m_limit = 0;
    EntryCheck m_check = EntryCheck::None;
};

// Object names of the pad keys: "cmdKey0".."cmdKey9", "cmdKeyA".."cmdKeyD", "cmdKeyStar",
// "cmdKeyHash".
QString keyButtonName(QChar key);
