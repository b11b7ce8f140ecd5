#include "app/toolwindows.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "app/checkwindow.h"
#include "app/comparewindow.h"
#include "app/documentsession.h"
#include "core/filewriter.h"
#include "core/settings.h"
#include "ui/imagewatch.h"
#include "ui/windows.h"

ToolWindows::ToolWindows(QMainWindow* main, DocumentSession* session, Settings& settings)
    : QObject(main), m_main(main), m_session(session), m_settings(settings) {}

void ToolWindows::compareWithSaved() {
    // The saved state the document keeps, under its file's name; it follows the next file opened.
    const Document& doc = m_session->document();
    if (!doc.nameKnown()) return;
    showCompare(doc.state().saved, doc.fileName(), true);
}

void ToolWindows::compareWith(const QString& path) {
    if (path.isEmpty()) return;
    // The other file is read under the editor's open rules and messages, once, and never written.
    Image other;
    if (!m_session->acceptOpened(whileBusy([&] { return readImageFile(path, other); }))) return;
    showCompare(other, path, false);
}

void ToolWindows::showCompare(const Image& other, const QString& path, bool saved) {
    const bool opening = !m_compare;
    if (opening) {
        ImageWatch* watch = m_session->watch();
        m_compare = new CompareWindow(
            m_session->document().image, [this] { return m_settings.fourMemorySaves; },
            [watch] { watch->look(tr("Copy to Document")); }, m_main);
        m_compare->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_compare, &CompareWindow::fieldActivated, this, &ToolWindows::fieldActivated);
        connect(watch, &ImageWatch::changed, m_compare, &CompareWindow::refresh);
        connect(m_compare, &QDialog::finished, this, &ToolWindows::notePositions);
    }
    m_compare->compareWith(other, visibleFileName(QFileInfo(path).fileName()), saved);
    if (opening) m_comparePlaced = place(m_compare, m_settings.comparePosition);
    bringUp(m_compare);
}

void ToolWindows::showCheck() {
    if (!m_check) {
        m_check = new CheckWindow(
            m_session->document().image, [this] { return m_settings.fourMemorySaves; }, m_main);
        m_check->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_check, &CheckWindow::fieldActivated, this, &ToolWindows::fieldActivated);
        connect(m_session->watch(), &ImageWatch::changed, m_check, &CheckWindow::refresh);
        place(m_check, {});
    }
    m_check->refresh();
    bringUp(m_check);
}

void ToolWindows::documentChanged() {
    if (!m_compare || !m_compare->comparesWithSaved()) return;
    if (m_session->document().nameKnown())
        compareWithSaved();
    else
        m_compare->close();
}

void ToolWindows::layoutChanged() {
    if (m_compare) m_compare->refresh();
    if (m_check) m_check->refresh();
}

void ToolWindows::notePositions() {
    // Only a place the user chose is kept.
    if (m_compare && m_compare->pos() != m_comparePlaced)
        m_settings.comparePosition = m_compare->pos();
}

QPoint ToolWindows::place(QWidget* window, const std::optional<QPoint>& kept) const {
    // A Wayland compositor places windows itself.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return window->pos();
    const QRect frame = m_main->frameGeometry();
    const QSize size = window->size() + frame.size() - m_main->geometry().size();
    // The title bar and the menu bar stay in sight whatever the screen's size.
    const int menus = m_main->geometry().top() - frame.top() + m_main->menuBar()->height();
    const QPoint at = kept && QGuiApplication::screenAt(*kept + QPoint(20, 20))
                          ? *kept
                          : placeBeside(frame, size, m_main->screen()->availableGeometry(), menus);
    window->move(at);
    return at;
}

void ToolWindows::bringUp(QWidget* window) const {
    window->show();
    window->raise();
    window->activateWindow();
}
