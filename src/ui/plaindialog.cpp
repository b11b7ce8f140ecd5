#include "ui/plaindialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "core/texts.h"
#include "ui/helpviewer.h"
#include "ui/windows.h"

PlainDialog::PlainDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int PlainDialog::exec() {
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return QDialog::exec();
}

void PlainDialog::dropDefaultButtons() {
    // A button that is an automatic default becomes the default as soon as it has the focus, and
    // QDialog makes the first of them the default when it is shown; then Enter anywhere would
    // press it. These dialogs have none.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void PlainDialog::showEvent(QShowEvent* event) {
    dropDefaultButtons();
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

void PlainDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    releaseWhileHidden(this, [this] { destroy(); });
}

void PlainDialog::keyPressEvent(QKeyEvent* event) {
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

QPushButton* PlainDialog::addOkRow(QBoxLayout* layout, const QString& objectName) {
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
