#include "ui/editordialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "core/texts.h"
#include "ui/helpviewer.h"
#include "ui/windows.h"

EditorDialog::EditorDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QByteArray EditorDialog::storedBytes(const Image& image, int offset, int length) {
    const std::span<const std::uint8_t> bytes = imageBytes(image, offset, length);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void EditorDialog::watchFields(const Image& image, Fields::FieldList fields) {
    m_watchedImage = &image;
    m_watched = std::move(fields);
}

std::optional<QByteArray> EditorDialog::shownValues() const {
    if (!m_watchedImage) return std::nullopt;
    QByteArray values;
    for (const Fields::Field& field : m_watched)
        for (const Fields::ByteRange& range : field.reads(*m_watchedImage))
            values += storedBytes(*m_watchedImage, range.first, range.length);
    return values;
}

void EditorDialog::showStoredValues() {
    display();
    rememberShownValues();
}

void EditorDialog::rememberShownValues() { m_shown = shownValues(); }

bool EditorDialog::storedValuesChanged() const {
    const std::optional<QByteArray> now = shownValues();
    return !now || !m_shown || *now != *m_shown;
}

void EditorDialog::dropDefaultButtons() {
    // A button that is an automatic default becomes the default as soon as it has the focus, and
    // QDialog makes the first of them the default when it is shown; then Enter anywhere would
    // press it. The editors have none.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void EditorDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous() || storedValuesChanged()) showStoredValues();
    dropDefaultButtons();
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

bool EditorDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible() && storedValuesChanged())
        showStoredValues();
    return QDialog::event(event);
}

void EditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && !m_helpTopic.isEmpty()) {
        HelpViewer::instance()->showTopic(m_helpTopic);
        return;
    }
    // With no default button anywhere, Enter presses the button that has the focus (OK reached
    // with Tab) and nothing else; on a list, combo box or check box it does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled() && button->isVisible())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton* EditorDialog::addOkRow(QBoxLayout* layout, const QString& objectName) {
    auto* ok = new QPushButton(QLatin1String(Texts::OkCaption));
    ok->setObjectName(objectName);
    ok->setAutoDefault(false);
    ok->setDefault(false);
    ok->setMinimumWidth(90);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    return ok;
}
