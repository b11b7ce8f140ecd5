#include "ui/editordialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "ui/helpviewer.h"

EditorDialog::EditorDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void EditorDialog::showEvent(QShowEvent* event) {
    display();
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

bool EditorDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) display();
    return QDialog::event(event);
}

void EditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && !m_helpTopic.isEmpty()) {
        HelpViewer::instance()->showTopic(m_helpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton* EditorDialog::addOkRow(QBoxLayout* layout, const QString& objectName) {
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(objectName);
    ok->setAutoDefault(false);
    ok->setMinimumWidth(90);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    return ok;
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }
