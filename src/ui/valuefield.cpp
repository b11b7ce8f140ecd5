#include "ui/valuefield.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <utility>

#include "formats/keypadrules.h"

namespace {

// The box: a one-pixel line of the palette's mid colour (of the highlight colour under the
// pointer, two pixels of it with the focus), the base colour inside, and the value in the text
// colour (the mid colour when disabled), left-aligned with this much room inside the line. The
// focus line takes its second pixel from the room, so the value never moves. Drawn here rather
// than by a style sheet: a sheet is parsed and a style made for every field, which made the
// dialogs with many fields slow to open.
constexpr int Line = 1;
constexpr int FocusLine = 2;
constexpr int RoomAcross = 6;
constexpr int RoomDown = 3;

}  // namespace

QString ValueField::s_typedKey;

ValueField::ValueField(QWidget* parent) : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setDefault(false);
    setFlat(true);
    setMinimumWidth(90);
    // Repainted as the pointer comes and goes.
    setAttribute(Qt::WA_Hover);
}

QSize ValueField::sizeHint() const {
    ensurePolished();
    // As a push button measures itself: an empty one as wide as "XXXX".
    const QString shown = text().isEmpty() ? QStringLiteral("XXXX") : text();
    const QSize size = fontMetrics().size(Qt::TextShowMnemonic, shown);
    return {size.width() + 2 * (Line + RoomAcross), size.height() + 2 * (Line + RoomDown)};
}

void ValueField::setValue(const QString& value) {
    setText(value);
    setAccessibleName(value);
    updateToolTip();
}

int ValueField::textWidth() const {
    // A pixel or two of the contents stay clear, so the last letter never touches the border.
    return width() - 2 * (Line + RoomAcross) - 2;
}

QString ValueField::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, textWidth());
}

void ValueField::updateToolTip() {
    setToolTip(shownText() == text() ? QString() : text().trimmed());
}

void ValueField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const bool pointed = isEnabled() && testAttribute(Qt::WA_UnderMouse);
    const int line = hasFocus() ? FocusLine : Line;
    const QColor lineColour =
        hasFocus() || pointed ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid);
    painter.fillRect(rect(), lineColour);
    painter.fillRect(rect().adjusted(line, line, -line, -line), colours.base());
    painter.setPen(isEnabled() ? colours.color(QPalette::Text) : colours.color(QPalette::Mid));
    const QRect inside = rect().adjusted(Line + RoomAcross, Line + RoomDown, -(Line + RoomAcross),
                                         -(Line + RoomDown));
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, shownText());
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
