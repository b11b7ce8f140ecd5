// The main window: owns the document, builds the menus, drives Open, Save and Save As, shows the
// file and the modified mark in the status bar, and asks about unsaved changes before ending.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "core/document.h"
#include "core/recovery.h"
#include "core/settings.h"
#include "formats/fieldtable.h"

class Prompts;
class QDialog;
class QLabel;
class QSettings;
class QTimer;
struct EditorRow;

class CompareWindow;
class ImageWatch;
class OverviewPane;
class QMenu;
class QStackedWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `store` is read here (readSettings) and written once when the window ends (writeSettings).
    MainWindow(Prompts& prompts, QSettings& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    Document& document() { return m_doc; }
    Settings& settings() { return m_settings; }
    QAction* action(const QString& name) const;
    QString panelText(int panel) const;

    // Document operations, as the menu commands run them.
    bool openFile(const QString& path);
    bool checkSaveName(const QString& path);
    bool confirmAccessFlags();
    void openWithChooser();
    void openRecent(int n);
    // Opens `path` as a recent-file entry would: the unsaved-changes question first.
    void openNamedFile(const QString& path);
    // A file handed over by a later start: the window comes to the front and opens it, unless an
    // editor or another dialog is open, whose image must not change under it.
    void openHandedFile(const QString& path);
    bool saveFile();
    bool saveFileAs();
    void choosePrintFont();

    // Enables the memory save #4 items or the area-code and prefix items for the memory layout.
    void applyMemoryLayout();
    // Runs the 100 ms tick at once: "Mod" in panel 2 while the image differs from the last save.
    // The mark and the panel are touched only when that state changes.
    void refreshModified();
    // The exit question; true when the program may end.
    bool confirmEnd();
    // The overview's way in: the editor of the field's area on its block, showing the field.
    void openField(const QString& key);

    // At start: offers the unsaved document a run that ended without the user's leave kept at
    // `path`, then keeps this run's unsaved document there.
    void takeUpRecovery(const QString& path);
    // A signal asks the program to end: the unsaved document is kept for the next run and the
    // settings are written; no question can be asked.
    void endForSignal();
    const Recovery::Keeper* recoveryKeeper() const { return m_recovery.get(); }
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
    // The folder the file choosers open in: the open file's, else the last recent file's.
    QString lastFolder() const;
    void buildMenus();
    void buildStatusBar();
    void addRecentFile(const QString& path);
    void updateRecentFileActions();
    void enableDocumentMenus();
    void showFileName();
    bool showWriteResult(const QString& path, const WriteStatus& status);
    // Asked just before the document's own file is written over: true when it is unchanged on
    // disk since it was opened or saved, or the user chose to save over the other program's
    // changes.
    bool confirmOverwriteOtherChanges();
    // The question before a save replaces a file by one of another owner or splits its names.
    ReplacementCheck replacementCheck(const QString& path);
    // Writes the settings at the end; a failure is reported before the program goes.
    void storeSettings();
    bool askToSaveChanges();
    void connectEditorTable();
    // Opens the row's editor; `shown` runs on the dialog once it is shown.
    void openEditor(const EditorRow& row, const std::function<void(QDialog*)>& shown = {});
    // The open rules' messages for a file that could not be read; true when it was.
    bool acceptOpened(OpenStatus status);
    // Shows the comparison of the document with the configuration file at `path`.
    void compareWith(const QString& path);
    void buildToolsMenu();
    void buildEditMenu();
    // A menu of the editor's own, inserted before the menu `before`, and an item of it.
    QMenu* addOwnMenu(const QString& caption, const QString& name, const char* before);
    QAction* addOwnItem(QMenu* menu, const QString& caption, const QString& name);
    // What Undo calls a change no store named: the caption of the one field it wrote.
    QString stepName(const Fields::ByteRanges& ranges) const;
    QDialog* buildEditor(const EditorRow& row);
    void showModeless(const EditorRow& row);
    // The program ends: the modeless editors close without their own questions.
    void closeModelessEditors();
    void showAbout();
    // Puts a recovered document in place of the image, marked modified; its file keeps its name
    // while it still exists.
    void recover(DocumentState state);
    // Reads the copy at `path` for the start; one that cannot be used is put aside and reported.
    Recovery::Found lookAtCopy(const QString& path);
    void showEditorNotice();

    Prompts& m_prompts;
    QSettings& m_store;
    Document m_doc;
    Settings m_settings;
    QLabel* m_panels[3] = {};
    QLabel* m_notice = nullptr;  // the editor's own warnings (startNotice, a failing copy)
    std::pair<QString, QString> m_startNotice;  // its text and its detail
    QString m_noticedFailure;                   // the keeper's failure the notice shows
    QLabel* m_centreText = nullptr;             // what to do first while no file is open
    OverviewPane* m_overview = nullptr;         // the open file's fields, in place of the hint
    QStackedWidget* m_centre = nullptr;
    ImageWatch* m_watch = nullptr;
    std::optional<bool> m_layoutShown;  // the memory layout the menus and the overview show
    QPointer<CompareWindow> m_compare;  // the one comparison window, while it is open  // says
                                        // which bytes changed when the image changed hands
    // The open modeless editors by menu item; an entry turns null when its dialog is closed.
    QHash<QString, QPointer<QDialog>> m_modeless;
    // The editors kept between openings (the scheduler keeps its group, the print dialog its
    // boxes), by menu item.
    QHash<QString, QPointer<QDialog>> m_kept;
    // The path the Open / Save As chooser confirmed the last time it was shown; empty when it
    // was cancelled. The voice-message pages of the report print it.
    QString m_chooserFileName;
    QTimer* m_modifiedTimer = nullptr;
    bool m_shownModified = false;                  // the state the mark and panel 2 show
    std::unique_ptr<Recovery::Keeper> m_recovery;  // none until the program starts keeping
    bool m_quitOnClose = false;
    bool m_ended = false;
};
