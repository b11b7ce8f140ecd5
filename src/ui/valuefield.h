// The clickable value field every editor shows its values in: a flat button that looks like a
// sunken value box, takes Tab focus, and is activated by a click, Enter or Space. Screen readers
// hear the value (accessible name) and the row label (accessible description).
#pragma once

#include <QPushButton>
#include <optional>

#include "formats/keypadrequest.h"

class QLabel;

class ValueField : public QPushButton {
    Q_OBJECT
public:
    explicit ValueField(QWidget* parent = nullptr);

    // Shows a value; the accessible name follows it. A value wider than the field ends in "…"
    // on screen, and then its tooltip holds the whole value.
    void setValue(const QString& value);
    // What the field draws: the value, shortened to its width.
    QString shownText() const;
    QString value() const { return text(); }

    // Names the row this field belongs to: the label becomes its buddy and its text the field's
    // accessible description.
    void setRowLabel(QLabel* label);

    // Marks a field the keypad edits: a key of `keys` typed on it (no Ctrl or Alt) opens the
    // keypad as a click does, with that key as the pad's first key press.
    void setKeypadKeys(KeySet keys) { m_keypadKeys = keys; }
    bool opensKeypad() const { return m_keypadKeys.has_value(); }
    // `request` with the key typed on the field that is opening it, if one was typed.
    static KeypadRequest withTypedKey(KeypadRequest request);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int textWidth() const;

    std::optional<KeySet> m_keypadKeys;
    static QString s_typedKey;  // the key typed on the field whose click is running
    void updateToolTip();
};
