#include "ui/valuefield.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <utility>

#include "formats/keypadrules.h"

QString ValueField::s_typedKey;

ValueField::ValueField(QWidget* parent) : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setDefault(false);
    setFlat(true);
    setMinimumWidth(90);
    setStyleSheet(QStringLiteral(
        "ValueField { text-align: left; padding: 3px 6px; border: 1px solid palette(mid);"
        " background: palette(base); color: palette(text); }"
        "ValueField:hover { border: 1px solid palette(highlight); }"
        "ValueField:focus { border: 2px solid palette(highlight); padding: 2px 5px; }"
        "ValueField:disabled { color: palette(mid); }"));
}

void ValueField::setValue(const QString& value) {
    setText(value);
    setAccessibleName(value);
    updateToolTip();
}

int ValueField::textWidth() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    // A pixel or two of the contents stay clear, so the last letter never touches the border.
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2;
}

QString ValueField::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, textWidth());
}

void ValueField::updateToolTip() {
    setToolTip(shownText() == text() ? QString() : text().trimmed());
}

void ValueField::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawControl(QStyle::CE_PushButton, option);
}

void ValueField::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    updateToolTip();
}

void ValueField::setRowLabel(QLabel* label) {
    label->setBuddy(this);
    setAccessibleDescription(label->text().remove(QLatin1Char('&')));
}

KeypadRequest ValueField::withTypedKey(KeypadRequest request) {
    request.firstKey = std::exchange(s_typedKey, QString());
    return request;
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    const QString typed = event->text().toUpper();
    if (m_keypadKeys && typed.size() == 1 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        Keypad::keyShown(*m_keypadKeys, typed.at(0))) {
        // The click opens the keypad, which takes the key; whatever else the click does, the key
        // is not kept for a later opening.
        s_typedKey = typed;
        click();
        s_typedKey.clear();
        return;
    }
    QPushButton::keyPressEvent(event);
}
