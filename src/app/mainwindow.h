// The main window: owns the document, builds the menus, drives Open, Save and Save As, shows the
// file and the modified mark in the status bar, and asks about unsaved changes before ending.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "core/document.h"
#include "core/settings.h"

class Prompts;
class QLabel;
class QSettings;
class QTimer;
class RepeaterConfigDialog;

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
    bool saveFile();
    bool saveFileAs();
    void choosePrintFont();

    // Enables the memory save #4 items or the area-code and prefix items for the memory layout.
    void applyMemoryLayout();
    // Runs the 100 ms tick at once: "Mod" in panel 2 while the image differs from the last save.
    void refreshModified();
    // The exit question; true when the program may end.
    bool confirmEnd();

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
    void enableDocumentMenus();
    bool writeImage(const QString& path);
    bool askToSaveChanges();
    void connectEditors();
    void showAbout();
    void showDocumentName();

    Prompts& m_prompts;
    QSettings& m_store;
    Document m_doc;
    Settings m_settings;
    QLabel* m_panels[3] = {};
    QLabel* m_welcome = nullptr;
    QPointer<RepeaterConfigDialog> m_config;
    QTimer* m_modifiedTimer = nullptr;
    bool m_quitOnClose = false;
    bool m_ended = false;
};
