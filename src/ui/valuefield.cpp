#include "ui/valuefield.h"

#include <QKeyEvent>
#include <QLabel>

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
}

void ValueField::setRowLabel(QLabel* label) {
    label->setBuddy(this);
    setAccessibleDescription(label->text().remove(QLatin1Char('&')));
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
