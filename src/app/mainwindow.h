// The main window: builds the menus, drives the document session from them, shows the file and
// the modified mark in the status bar, and hosts the editors, the overview and the comparison.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "app/documentsession.h"

class QDialog;
class QLabel;
class QSettings;
class QTimer;
struct EditorRow;

class ToolWindows;
class OverviewPane;
class StartPane;
class QStackedWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `store` is read here (readSettings) and written once when the window ends (writeSettings).
    MainWindow(Prompts& prompts, QSettings& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentSession& session() { return *m_session; }
    Document& document() { return m_session->document(); }
    Settings& settings() { return m_settings; }
    QAction* action(const QString& name) const;
    QString panelText(int panel) const;

    // A file handed over by a later start: the window comes to the front and opens it, unless an
    // editor or another dialog is open, whose image must not change under it.
    void openHandedFile(const QString& path);
    void choosePrintFont();

    // Enables the memory save #4 items or the area-code and prefix items for the memory layout.
    void applyMemoryLayout();
    // Runs the 100 ms tick at once: "Mod" in panel 2 while the image differs from the last save.
    // The mark and the panel are touched only when that state changes.
    void refreshModified();
    // The overview's way in: the editor of the field's area on its block, showing the field.
    void openField(const QString& key);

    // A signal asks the program to end: the unsaved document is kept for the next run and the
    // settings are written; no question can be asked.
    void endForSignal();
    // What the start found wrong that the user must know while working (no lock, no recovery copy,
    // no hand-over): a short text in the status bar beside the panels, with the detail as its
    // tooltip; empty clears it.
    void setStartNotice(const QString& text, const QString& detail);
    // The editor's own warning the status bar shows now; empty when it shows none.
    QString noticeText() const;

    // Whether closing this window ends the program (the running program's window does).
    void setQuitOnClose(bool quit) { m_quitOnClose = quit; }

signals:
    // The memory layout changed (repeater configuration "OK").
    void memoryLayoutChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void updateRecentFileActions();
    // The document's file: its path in panel 1, its name in the middle of the window, the menus
    // that need a document, and the modified mark.
    void showDocument();
    // Writes the settings at the end; a failure is reported before the program goes.
    void storeSettings();
    void connectEditorTable();
    // Opens the row's editor; `shown` runs on the dialog once it is shown.
    void openEditor(const EditorRow& row, const std::function<void(QDialog*)>& shown = {});
    // Shows the comparison of the document with the configuration file at `path`.
    QDialog* buildEditor(const EditorRow& row);
    void showModeless(const EditorRow& row);
    // The program ends: the modeless editors close without their own questions.
    void closeModelessEditors();
    void showAbout();
    void showEditorNotice();

    Prompts& m_prompts;
    QSettings& m_store;
    Settings m_settings;
    DocumentSession* m_session = nullptr;
    QLabel* m_panels[3] = {};
    QLabel* m_notice = nullptr;  // the editor's own warnings (startNotice, a failing copy)
    std::pair<QString, QString> m_startNotice;  // its text and its detail
    StartPane* m_start = nullptr;               // what to do first while no file is open
    OverviewPane* m_overview = nullptr;         // the open file's fields, in place of the hint
    QStackedWidget* m_centre = nullptr;
    ToolWindows* m_tools;  // the comparison and the check beside the main window
    // The open modeless editors by menu item; an entry turns null when its dialog is closed.
    QHash<QString, QPointer<QDialog>> m_modeless;
    // The editors kept between openings (the scheduler keeps its group, the print dialog its
    // boxes), by menu item.
    QHash<QString, QPointer<QDialog>> m_kept;
    QTimer* m_modifiedTimer = nullptr;
    bool m_shownModified = false;  // the state the mark and panel 2 show
    bool m_quitOnClose = false;
};
