#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/aboutdialog.h"
#include "app/editortable.h"
#include "app/menus.h"
#include "app/overviewpane.h"
#include "app/startpane.h"
#include "app/toolwindows.h"
#include "core/regions.h"
#include "core/texts.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "ui/editordialog.h"
#include "ui/helpviewer.h"
#include "ui/imagewatch.h"
#include "ui/prompts.h"
#include "ui/windows.h"

namespace {

// Menus that need a loaded document, by object name.
const char* const DocumentMenus[] = {"mnuEdit",  "mnuCodesTimers", "mnuMessages",  "mnuMisc",
                                     "mnuZones", "mnuMacroOps",    "mnuAutopatch", "mnuTools"};
const char* const DocumentItems[] = {"mnuSave",        "mnuSaveAs",       "mnuPrint",
                                     "mnuFlush",       "mnuUnlock",       "mnuRepeaterConfig",
                                     "mnuCompareFile", "mnuCompareSaved", "mnuCheck"};
// Items that exist only with four memory saves, and those that exist only with the area-code
// and prefix tables in their place.
const char* const MemorySave4Items[] = {"mnuMemCodes4", "mnuMemTimers4", "mnuMemVoice4",
                                        "mnuMemZones4"};
const char* const AreaCodeItems[] = {"mnuAreaCodes", "mnuPrefixes"};

}  // namespace

MainWindow::MainWindow(Prompts& prompts, QSettings& store, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(prompts),
      m_store(store),
      m_session(new DocumentSession(prompts, m_settings, this)),
      m_tools(new ToolWindows(this, m_session, m_settings)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(Texts::AppTitle));
    resize(800, 560);
    buildMenus();
    buildStatusBar();
    m_start = new StartPane(this);
    connect(m_start, &StartPane::openRequested, action(QStringLiteral("mnuOpen")),
            &QAction::trigger);
    connect(m_start, &StartPane::recentRequested, this,
            [this](int n) { action(QStringLiteral("mnuRecent%1").arg(n))->trigger(); });
    connect(m_start, &StartPane::sampleRequested, m_session, &DocumentSession::openSampleCopy);
    m_overview = new OverviewPane(document().image, this);
    connect(m_session->watch(), &ImageWatch::changed, m_overview, &OverviewPane::refresh);
    connect(m_session, &DocumentSession::fileStateChanged, this, &MainWindow::showDocument);
    connect(m_session, &DocumentSession::keepingChanged, this, &MainWindow::showEditorNotice);
    connect(m_session, &DocumentSession::memoryLayoutChanged, this, &MainWindow::applyMemoryLayout);
    connect(this, &MainWindow::memoryLayoutChanged, m_tools, &ToolWindows::layoutChanged);
    connect(m_tools, &ToolWindows::fieldActivated, this, &MainWindow::openField);
    connect(m_overview, &OverviewPane::fieldActivated, this, &MainWindow::openField);
    m_centre = new QStackedWidget(this);
    m_centre->addWidget(m_start);
    m_centre->addWidget(m_overview);
    setCentralWidget(m_centre);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        if (m_centre->currentWidget() == m_overview) m_overview->focusFilter();
    });

    m_settings = readSettings(m_store);
    applyMemoryLayout();
    updateRecentFileActions();

    m_panels[2]->setText(QLocale(QLocale::English, QLocale::UnitedStates)
                             .toString(QDate::currentDate(), QStringLiteral("ddd, MMMM d, yyyy")));
    for (const char* name : DocumentMenus) action(QLatin1String(name))->setEnabled(false);
    for (const char* name : DocumentItems) action(QLatin1String(name))->setEnabled(false);

    m_modifiedTimer = new QTimer(this);
    m_modifiedTimer->setInterval(100);
    connect(m_modifiedTimer, &QTimer::timeout, this, &MainWindow::refreshModified);
    m_modifiedTimer->start();

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (m_session->ended()) return;
            if (manager.allowsInteraction() && !m_session->askToSaveChanges())
                return manager.cancel();
            manager.release();
            // Changes the user was not asked about wait for the next run.
            m_session->end(!manager.allowsInteraction());
            storeSettings();
        });
    }
    connectEditorTable();
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(const QString& name) const { return findChild<QAction*>(name); }

QString MainWindow::panelText(int panel) const { return m_panels[panel - 1]->text(); }

void MainWindow::buildMenus() {
    std::vector<QMenu*> open;  // the menu of each level being filled, innermost last
    for (const Menus::Entry& entry : Menus::Tree) {
        const QString name = QLatin1String(entry.name);
        const QString caption = QString::fromLatin1(entry.caption);
        const auto addItem = [&](const QString& itemName, const QString& itemCaption) {
            QAction* a = open.back()->addAction(itemCaption);
            a->setObjectName(itemName);
            return a;
        };
        switch (entry.kind) {
            case Menus::Kind::Menu: {
                QMenu* m =
                    open.empty() ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
                m->setObjectName(name + QLatin1String("Menu"));
                m->menuAction()->setObjectName(name);
                open.push_back(m);
                break;
            }
            case Menus::Kind::End:
                open.pop_back();
                break;
            case Menus::Kind::Item:
                addItem(name, caption);
                break;
            case Menus::Kind::Numbered:
                for (int n = 1; n <= Region::MemorySaveCount; ++n)
                    addItem(name + QString::number(n), caption.arg(n));
                break;
            case Menus::Kind::Separator:
                open.back()->addSeparator();
                break;
            case Menus::Kind::Recent: {
                for (int n = 1; n <= RecentFileCount; ++n) {
                    QAction* recent = addItem(name + QString::number(n), QString());
                    recent->setVisible(false);
                    connect(recent, &QAction::triggered, this, [this, n] {
                        // A copy: saving the changes first moves the entries.
                        if (const QString path = m_settings.recentFiles[n - 1]; !path.isEmpty())
                            m_session->openNamed(path);
                    });
                }
                QAction* line = open.back()->addSeparator();
                line->setObjectName(name + QLatin1String("Sep"));
                line->setVisible(false);
                break;
            }
        }
    }

    // The usual desktop keys beside the menu captions' own shortcuts.
    action(QStringLiteral("mnuOpen"))->setShortcut(QKeySequence::Open);
    action(QStringLiteral("mnuSave"))->setShortcut(QKeySequence::Save);
    action(QStringLiteral("mnuContents"))->setShortcut(QKeySequence::HelpContents);
    // Spelled out: the desktop-dependent Save As and Quit keys are empty on some desktops.
    action(QStringLiteral("mnuSaveAs"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    action(QStringLiteral("mnuPrint"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action(QStringLiteral("mnuExit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(action(QStringLiteral("mnuOpen")), &QAction::triggered, m_session,
            &DocumentSession::openWithChooser);
    connect(action(QStringLiteral("mnuSave")), &QAction::triggered, m_session,
            &DocumentSession::save);
    connect(action(QStringLiteral("mnuSaveAs")), &QAction::triggered, m_session,
            &DocumentSession::saveAs);
    connect(action(QStringLiteral("mnuPrinterFont")), &QAction::triggered, this,
            &MainWindow::choosePrintFont);
    connect(action(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
    connect(action(QStringLiteral("mnuContents")), &QAction::triggered, this,
            [] { HelpViewer::instance()->showContents(); });
    connect(action(QStringLiteral("mnuSearch")), &QAction::triggered, this,
            [] { HelpViewer::instance()->showSearch(); });
    connect(action(QStringLiteral("mnuAbout")), &QAction::triggered, this, &MainWindow::showAbout);
    connect(action(QStringLiteral("mnuCompareFile")), &QAction::triggered, this, [this] {
        m_tools->compareWith(
            m_prompts.chooseOpenFile(DocumentSession::fileFilter(), m_session->lastFolder()));
    });
    connect(action(QStringLiteral("mnuCompareSaved")), &QAction::triggered, m_tools,
            &ToolWindows::compareWithSaved);
    connect(action(QStringLiteral("mnuCheck")), &QAction::triggered, m_tools,
            &ToolWindows::showCheck);
    // Undo and Redo name the step they take back.
    QAction* undo = action(QStringLiteral("mnuUndo"));
    undo->setShortcuts(ImageWatch::undoKeys());
    QAction* redo = action(QStringLiteral("mnuRedo"));
    redo->setShortcuts(ImageWatch::redoKeys());
    ImageWatch* watch = m_session->watch();
    connect(undo, &QAction::triggered, watch, &ImageWatch::undo);
    connect(redo, &QAction::triggered, watch, &ImageWatch::redo);
    const auto name = [watch, undo, redo] {
        undo->setEnabled(watch->canUndo());
        undo->setText(watch->canUndo() ? tr("&Undo %1").arg(watch->undoName()) : tr("&Undo"));
        redo->setEnabled(watch->canRedo());
        redo->setText(watch->canRedo() ? tr("&Redo %1").arg(watch->redoName()) : tr("&Redo"));
    };
    connect(watch, &ImageWatch::historyChanged, this, name);
    name();
}

void MainWindow::buildStatusBar() {
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel;
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setContentsMargins(4, 0, 4, 0);
    }
    m_panels[1]->setMinimumWidth(48);
    m_panels[1]->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(m_panels[0], 1);
    // The editor's own warnings, beside the three panels: what it cannot do for the user now.
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("editorNotice"));
    m_notice->setWordWrap(false);
    m_notice->setStyleSheet(
        QStringLiteral("QLabel { color: palette(highlighted-text); "
                       "background: palette(highlight); padding: 0 4px; }"));
    m_notice->hide();
    statusBar()->addWidget(m_notice);
    statusBar()->addPermanentWidget(m_panels[1]);
    statusBar()->addPermanentWidget(m_panels[2]);
}

void MainWindow::setStartNotice(const QString& text, const QString& detail) {
    m_startNotice = {text, detail};
    showEditorNotice();
}

QString MainWindow::noticeText() const { return m_notice->text(); }

void MainWindow::showEditorNotice() {
    // Short enough for the status bar; the whole story is in the tooltip.
    QStringList texts, details;
    if (!m_startNotice.first.isEmpty()) {
        texts << m_startNotice.first;
        details << m_startNotice.second;
    }
    const Recovery::Keeper* keeper = m_session->recoveryKeeper();
    if (keeper && !keeper->failure().isEmpty()) {
        texts << tr("Unsaved changes are not being kept: %1").arg(keeper->failure());
        details << tr("The copy of the unsaved changes that a crash would leave, %1, cannot be "
                      "written (%2). It is written again with the next change once it can be; "
                      "File > Save File keeps the changes for good.")
                       .arg(visibleFileName(keeper->path()), keeper->failure());
    }
    m_notice->setText(texts.join(QStringLiteral("; ")));
    m_notice->setToolTip(details.join(QStringLiteral("\n\n")));
    m_notice->setVisible(!texts.isEmpty());
}

void MainWindow::applyMemoryLayout() {
    const bool four = m_settings.fourMemorySaves;
    for (const char* name : MemorySave4Items) action(QLatin1String(name))->setEnabled(four);
    for (const char* name : AreaCodeItems) action(QLatin1String(name))->setEnabled(!four);
    // The history stays: its steps are bytes, which either layout takes back exactly.
    m_overview->rebuild(four);
    emit memoryLayoutChanged();
}

void MainWindow::updateRecentFileActions() {
    bool any = false;
    for (int n = 1; n <= RecentFileCount; ++n) {
        const QString& path = m_settings.recentFiles[n - 1];
        if (path.isEmpty()) continue;
        QAction* entry = action(QStringLiteral("mnuRecent%1").arg(n));
        entry->setText(recentFileCaption(n, path));
        entry->setVisible(true);
        any = true;
    }
    if (any) action(QStringLiteral("mnuRecentSep"))->setVisible(true);
    m_start->setRecentFiles(m_settings.recentFiles);
}

void MainWindow::refreshModified() {
    m_session->check();
    const bool modified = document().isModified();
    if (modified == m_shownModified) return;
    m_shownModified = modified;
    m_panels[1]->setText(modified ? QString::fromLatin1(Texts::ModifiedMark) : QString());
    // The attribute and its change event alone: setWindowModified would also look for a "[*]"
    // placeholder in the title, which the editor's fixed title has none of, and warn each time.
    setAttribute(Qt::WA_WindowModified, modified);
    QEvent changed(QEvent::ModifiedChange);
    QCoreApplication::sendEvent(this, &changed);
}

void MainWindow::endForSignal() {
    if (m_session->ended()) return;
    m_session->end(true);
    m_tools->notePositions();
    if (!writeSettings(m_store, m_settings))
        qWarning("The editor's settings could not be written to %s.",
                 qUtf8Printable(m_store.fileName()));
}

void MainWindow::storeSettings() {
    m_tools->notePositions();
    if (writeSettings(m_store, m_settings)) return;
    m_prompts.message(Icon::Warning, tr("Settings"),
                      tr("The editor's settings could not be written to %1.\nThe memory layout, "
                         "the print font and the recent files chosen in this session are lost.")
                          .arg(visibleFileName(m_store.fileName())));
}

void MainWindow::showDocument() {
    updateRecentFileActions();
    const Document& doc = document();
    m_panels[0]->setText((doc.nameKnown() ? visibleFileName(doc.fileName()) : tr("(recovered)")) +
                         QLatin1Char(' '));
    m_centre->setCurrentWidget(m_overview);
    for (const char* name : DocumentMenus) action(QLatin1String(name))->setEnabled(true);
    for (const char* name : DocumentItems) action(QLatin1String(name))->setEnabled(true);
    // Nothing saved to compare with while the document has no file.
    action(QStringLiteral("mnuCompareSaved"))->setEnabled(doc.nameKnown());
    m_tools->documentChanged();
    refreshModified();
}

void MainWindow::openHandedFile(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    const bool editorOpen = std::any_of(m_modeless.cbegin(), m_modeless.cend(),
                                        [](const QPointer<QDialog>& open) { return open; });
    m_session->openHanded(path, QApplication::activeModalWidget() || editorOpen);
}

void MainWindow::choosePrintFont() {
    QFont initial(m_settings.fontName.isEmpty() ? QString::fromLatin1(SettingKeys::DefaultFontName)
                                                : m_settings.fontName);
    initial.setPointSizeF(printFontPoints(m_settings.fontSize));
    const auto chosen = m_prompts.choosePrintFont(initial);
    if (!chosen) return;
    m_settings.fontName = chosen->family();
    m_settings.fontSize = QString::number(chosen->pointSizeF());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_session->ended()) {
        if (!m_session->askToSaveChanges()) return event->ignore();
        // The user saved the changes or let them go.
        m_session->end(false);
        storeSettings();
    }
    closeModelessEditors();
    event->accept();
    if (m_quitOnClose) {
        showMinimized();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void MainWindow::connectEditorTable() {
    for (const EditorRow& row : editorTable()) {
        QAction* item = action(row.action);
        Q_ASSERT_X(item, "MainWindow", qPrintable(row.action));
        connect(item, &QAction::triggered, this, [this, row] { openEditor(row); });
    }
}

void MainWindow::openEditor(const EditorRow& row, const std::function<void(QDialog*)>& shown) {
    if (row.mode == EditorMode::Modeless) {
        showModeless(row);
        if (shown) shown(m_modeless.value(row.action));
        return;
    }
    // A modal editor is modal to the main window only, so the help window stays usable; the
    // modeless editors wait with the main window until it closes, as they always have.
    QList<QPointer<QDialog>> waiting;
    for (const QPointer<QDialog>& open : std::as_const(m_modeless))
        if (open && open->isEnabled()) {
            open->setEnabled(false);
            waiting.append(open);
        }
    const auto run = [&shown](QDialog* dialog) {
        if (shown) QTimer::singleShot(0, dialog, [dialog, shown] { shown(dialog); });
        dialog->exec();
    };
    if (row.mode == EditorMode::Kept) {
        QPointer<QDialog>& kept = m_kept[row.action];
        if (!kept) kept = buildEditor(row);
        run(kept);
    } else {
        // Guarded, as a dialog may delete itself when it closes.
        QPointer<QDialog> dialog = buildEditor(row);
        run(dialog);
        delete dialog.data();
    }
    for (const QPointer<QDialog>& open : std::as_const(waiting))
        if (open) open->setEnabled(true);
}

void MainWindow::openField(const QString& key) {
    const Fields::FieldList& fields = Fields::catalogue(m_settings.fourMemorySaves);
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&key](const Fields::Field& f) { return f.key == key; });
    if (field == fields.end()) return;
    const QString item = Fields::editorItem(*field);
    for (const EditorRow& row : editorTable()) {
        if (row.action != item) continue;
        // The menu item stays the design's way in; only the overview's opening shows the field.
        if (QAction* menuItem = action(item); !menuItem || !menuItem->isEnabled()) return;
        openEditor(row, [field](QDialog* dialog) {
            if (auto* editor = qobject_cast<EditorDialog*>(dialog)) editor->showField(*field);
        });
        return;
    }
}

QDialog* MainWindow::buildEditor(const EditorRow& row) {
    const EditorSources sources{
        {document().image, m_prompts, m_settings, Block::Base, [this] { applyMemoryLayout(); },
         m_session->watch()},
        this,
        [this] {
            return ReportHeadings{document().reportFileName(), m_session->chooserFileName(),
                                  todaysPrintDate()};
        },
        [this] {
            return QStringList{document().reportFileName(), document().fileName()};
        }};
    return row.busyPointer ? whileBusy([&] { return row.build(sources); }) : row.build(sources);
}

void MainWindow::closeModelessEditors() {
    for (const QPointer<QDialog>& open : std::as_const(m_modeless)) {
        if (auto* editor = qobject_cast<EditorDialog*>(open.data()))
            editor->closeForEnd();
        else if (open)
            open->close();
    }
}

void MainWindow::showModeless(const EditorRow& row) {
    QPointer<QDialog>& open = m_modeless[row.action];
    if (!open) {
        open = buildEditor(row);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

void MainWindow::showAbout() {
    auto* about = new AboutDialog(m_prompts, AboutDialog::Mode::About, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}
