// The editor's own windows of the Tools menu beside the main window: the comparison with another
// file or the saved one, and the configuration check. Each is one modeless window that follows the
// document and the memory layout, stands beside the main window (never over its menus) and opens
// a field's editor through the main window.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include "core/image.h"

class CheckWindow;
class CompareWindow;
class DocumentSession;
class QMainWindow;
class QWidget;
struct Settings;

class ToolWindows : public QObject {
    Q_OBJECT
public:
    ToolWindows(QMainWindow* main, DocumentSession* session, Settings& settings);

    // Tools > Compare With File... (`path` chosen; empty when the chooser was cancelled).
    void compareWith(const QString& path);
    // Tools > Compare With Saved.
    void compareWithSaved();
    // Tools > Check Configuration.
    void showCheck();
    // The document's file, names or saved state changed: a comparison with the saved file follows.
    void documentChanged();
    // The memory layout changed: both windows read the document again.
    void layoutChanged();
    // The place the user gave the compare window goes into the settings.
    void notePositions();

signals:
    void fieldActivated(const QString& key);

private:
    void showCompare(const Image& other, const QString& path, bool saved);
    // Where the window goes beside the main window, or `kept` while that is on a screen.
    QPoint place(QWidget* window, const std::optional<QPoint>& kept) const;
    void bringUp(QWidget* window) const;

    QMainWindow* m_main;
    DocumentSession* m_session;
    Settings& m_settings;
    QPointer<CompareWindow> m_compare;
    QPoint m_comparePlaced;  // where the compare window was placed when it opened
    QPointer<CheckWindow> m_check;
};
