#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QFile>
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
#include "app/comparewindow.h"
#include "app/editortable.h"
#include "app/menus.h"
#include "app/overviewpane.h"
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
const char* const DocumentItems[] = {"mnuSave",        "mnuSaveAs",      "mnuPrint",
                                     "mnuFlush",       "mnuUnlock",      "mnuRepeaterConfig",
                                     "mnuCompareFile", "mnuCompareSaved"};
// Items that exist only with four memory saves, and those that exist only with the area-code
// and prefix tables in their place.
const char* const MemorySave4Items[] = {"mnuMemCodes4", "mnuMemTimers4", "mnuMemVoice4",
                                        "mnuMemZones4"};
const char* const AreaCodeItems[] = {"mnuAreaCodes", "mnuPrefixes"};

QString fileFilter() { return QString::fromLatin1(Texts::FileFilter); }

}  // namespace

MainWindow::MainWindow(Prompts& prompts, QSettings& store, QWidget* parent)
    : QMainWindow(parent), m_prompts(prompts), m_store(store) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(Texts::AppTitle));
    resize(800, 560);
    buildMenus();
    buildToolsMenu();
    buildStatusBar();
    m_centreText =
        new QLabel(tr("No configuration file is open.\n\n"
                      "Choose File > Open... to open an ORVANE file (.orv)."));
    m_centreText->setObjectName(QStringLiteral("lblWelcome"));
    m_centreText->setAlignment(Qt::AlignCenter);
    m_centreText->setWordWrap(true);
    // The colour of placeholder texts, so the hint stays readable in a dark colour scheme.
    m_centreText->setForegroundRole(QPalette::PlaceholderText);
    QFont hintFont = m_centreText->font();
    hintFont.setPointSizeF(14);
    m_centreText->setFont(hintFont);
    m_watch = new ImageWatch(m_doc.image, this);
    m_watch->setNamer([this](const Fields::ByteRanges& ranges) { return stepName(ranges); });
    buildEditMenu();
    m_overview = new OverviewPane(m_doc.image, this);
    connect(m_watch, &ImageWatch::changed, m_overview, &OverviewPane::refresh);
    connect(m_overview, &OverviewPane::fieldActivated, this, &MainWindow::openField);
    m_centre = new QStackedWidget(this);
    m_centre->addWidget(m_centreText);
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
            if (m_ended) return;
            if (manager.allowsInteraction() && !confirmEnd()) {
                manager.cancel();
                return;
            }
            manager.release();
            // Changes the user was not asked about wait for the next run.
            if (m_recovery) {
                if (manager.allowsInteraction())
                    m_recovery->discard();
                else
                    m_recovery->keepNow(m_doc);
            }
            storeSettings();
            m_ended = true;
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
                    connect(recent, &QAction::triggered, this, [this, n] { openRecent(n); });
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
    connect(action(QStringLiteral("mnuOpen")), &QAction::triggered, this,
            &MainWindow::openWithChooser);
    connect(action(QStringLiteral("mnuSave")), &QAction::triggered, this, &MainWindow::saveFile);
    connect(action(QStringLiteral("mnuSaveAs")), &QAction::triggered, this,
            &MainWindow::saveFileAs);
    connect(action(QStringLiteral("mnuPrinterFont")), &QAction::triggered, this,
            &MainWindow::choosePrintFont);
    connect(action(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
    connect(action(QStringLiteral("mnuContents")), &QAction::triggered, this,
            [] { HelpViewer::instance()->showContents(); });
    connect(action(QStringLiteral("mnuSearch")), &QAction::triggered, this,
            [] { HelpViewer::instance()->showSearch(); });
    connect(action(QStringLiteral("mnuAbout")), &QAction::triggered, this, &MainWindow::showAbout);
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
    if (m_recovery && !m_recovery->failure().isEmpty()) {
        texts << tr("Unsaved changes are not being kept: %1").arg(m_recovery->failure());
        details << tr("The copy of the unsaved changes that a crash would leave, %1, cannot be "
                      "written (%2). It is written again with the next change once it can be; "
                      "File > Save File keeps the changes for good.")
                       .arg(visibleFileName(m_recovery->path()), m_recovery->failure());
    }
    m_notice->setText(texts.join(QStringLiteral("; ")));
    m_notice->setToolTip(details.join(QStringLiteral("\n\n")));
    m_notice->setVisible(!texts.isEmpty());
}

void MainWindow::applyMemoryLayout() {
    const bool four = m_settings.fourMemorySaves;
    for (const char* name : MemorySave4Items) action(QLatin1String(name))->setEnabled(four);
    for (const char* name : AreaCodeItems) action(QLatin1String(name))->setEnabled(!four);
    m_overview->rebuild(four);
    // The steps of another memory layout cannot be taken back under this one.
    if (m_layoutShown && *m_layoutShown != four) m_watch->clearHistory();
    m_layoutShown = four;
    emit memoryLayoutChanged();
}

void MainWindow::addRecentFile(const QString& path) {
    m_settings.addRecentFile(path);
    updateRecentFileActions();
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
}

void MainWindow::enableDocumentMenus() {
    for (const char* name : DocumentMenus) action(QLatin1String(name))->setEnabled(true);
    for (const char* name : DocumentItems) action(QLatin1String(name))->setEnabled(true);
    // Nothing saved to compare with while the document has no file.
    action(QStringLiteral("mnuCompareSaved"))->setEnabled(m_doc.nameKnown());
}

void MainWindow::refreshModified() {
    // Any store the editors did not report yet reaches the overview here at the latest.
    m_watch->look();
    if (m_recovery && !m_ended) {
        m_recovery->update(m_doc);
        if (m_recovery->failure() != m_noticedFailure) {
            m_noticedFailure = m_recovery->failure();
            showEditorNotice();
        }
    }
    const bool modified = m_doc.isModified();
    if (modified == m_shownModified) return;
    m_shownModified = modified;
    m_panels[1]->setText(modified ? QString::fromLatin1(Texts::ModifiedMark) : QString());
    // The attribute and its change event alone: setWindowModified would also look for a "[*]"
    // placeholder in the title, which the editor's fixed title has none of, and warn each time.
    setAttribute(Qt::WA_WindowModified, modified);
    QEvent changed(QEvent::ModifiedChange);
    QCoreApplication::sendEvent(this, &changed);
}

bool MainWindow::openFile(const QString& path) {
    // A name the system gave in another encoding than UTF-8 comes with replacement characters, and
    // the file under that name does not exist.
    if (path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path)) {
        m_prompts.message(Icon::Warning, tr("Open File"),
                          tr("The name of %1 is not UTF-8, and the editor can open only files "
                             "whose names are. Rename the file (the file manager can), then open "
                             "it again.")
                              .arg(visibleFileName(path)));
        return false;
    }
    OpenStatus status;
    {
        BusyPointer busy;
        status = m_doc.open(path);
    }
    if (!acceptOpened(status)) return false;
    addRecentFile(path);
    showFileName();
    enableDocumentMenus();
    if (m_recovery) m_recovery->discard();  // the changes to the other file were let go
    m_watch->look();
    m_watch->clearHistory();  // another file: nothing to take back
    refreshModified();
    return true;
}

namespace {

// The time a copy was written, as the start-up question says it.
QString writtenAt(long long seconds) {
    return QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

}  // namespace

Recovery::Found MainWindow::lookAtCopy(const QString& path) {
    Recovery::Found found = Recovery::read(path);
    if (found.kind != Recovery::Found::Kind::Damaged) return found;
    // Put aside, not deleted: whatever it is, nothing of it is lost, and this run's copy can take
    // the path.
    QString why;
    const std::optional<QString> aside =
        moveAside(path, QString::fromLatin1(Recovery::UnreadableSuffix), &why);
    const QString text =
        tr("The unsaved changes kept from an earlier run in %1 cannot be used (%2).")
            .arg(visibleFileName(path), found.reason);
    m_prompts.message(Icon::Warning, tr("Recover Unsaved Changes"),
                      text + QLatin1Char(' ') +
                          (aside ? tr("It was moved to %1.").arg(visibleFileName(*aside))
                                 : tr("It could not be moved aside (%1).").arg(why)));
    return {};
}

void MainWindow::takeUpRecovery(const QString& path) {
    const QString olderPath = Recovery::olderPath(path);
    const Recovery::Found last = lookAtCopy(path);
    const Recovery::Found older = lookAtCopy(olderPath);
    using Kind = Recovery::Found::Kind;
    bool takenOlder = false;
    if (last.kind == Kind::Intact) {
        if (m_prompts.askYesNo(Icon::Question, tr("Recover Unsaved Changes"),
                               tr("The editor was not closed properly. Recover the unsaved "
                                  "changes to %1?")
                                   .arg(visibleFileName(last.state.fileName)),
                               Answer::Yes))
            recover(last.state);
        else
            QFile::remove(path);
        // An older state is behind the last one.
        if (older.kind == Kind::Intact) QFile::remove(olderPath);
    } else if (older.kind == Kind::Intact) {
        // The changes after this state could not be kept: it is offered for what it is.
        if (m_prompts.askYesNo(
                Icon::Question, tr("Recover Unsaved Changes"),
                tr("The editor was not closed properly, and its last changes "
                   "could not be kept. Recover the unsaved changes to %1 as they "
                   "were at %2, an older state?")
                    .arg(visibleFileName(older.state.fileName), writtenAt(older.written)),
                Answer::Yes)) {
            recover(older.state);
            takenOlder = true;
        } else {
            QFile::remove(olderPath);
        }
    }
    m_recovery = std::make_unique<Recovery::Keeper>(path);
    if (takenOlder) m_recovery->adoptOlder();
    // A recovered document is kept again at once, under this run.
    m_recovery->keepNow(m_doc);
    showEditorNotice();
}

void MainWindow::recover(DocumentState state) {
    // A file that is gone leaves the document without a name: Save asks for one.
    if (state.nameKnown) {
        const std::optional<FileIdentity> now = fileIdentity(state.fileName);
        if (now && !now->exists) state.nameKnown = false;
    }
    m_doc.restore(state);
    if (state.nameKnown) addRecentFile(state.fileName);
    showFileName();
    enableDocumentMenus();
    m_watch->look();
    m_watch->clearHistory();
    refreshModified();
}

void MainWindow::endForSignal() {
    if (m_ended) return;
    if (m_recovery) m_recovery->keepNow(m_doc);
    if (!writeSettings(m_store, m_settings))
        qWarning("The editor's settings could not be written to %s.",
                 qUtf8Printable(m_store.fileName()));
    m_ended = true;
}

bool MainWindow::acceptOpened(OpenStatus status) {
    switch (status) {
        case OpenStatus::BadNameOrLength:
            m_prompts.message(Icon::Warning, QString::fromLatin1(Texts::FilenameErrorTitle),
                              QString::fromLatin1(Texts::FilenameErrorText));
            return false;
        case OpenStatus::ReadError:
            m_prompts.message(Icon::Error, QString::fromLatin1(Texts::OpenErrorTitle),
                              QString::fromLatin1(Texts::OpenErrorText));
            return false;
        case OpenStatus::Loaded:
            break;
    }
    return true;
}

void MainWindow::compareWith(const QString& path) {
    if (path.isEmpty()) return;
    // The other file is read under the editor's open rules and messages, once, and never written.
    Document other;
    OpenStatus status;
    {
        BusyPointer busy;
        status = other.open(path);
    }
    if (!acceptOpened(status)) return;
    const bool opening = !m_compare;
    if (opening) {
        m_compare = new CompareWindow(
            m_doc.image, [this] { return m_settings.fourMemorySaves; },
            [this] { m_watch->look(tr("Copy to Document")); }, this);
        m_compare->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_compare, &CompareWindow::fieldActivated, this, &MainWindow::openField);
        connect(m_watch, &ImageWatch::changed, m_compare, &CompareWindow::refresh);
        connect(this, &MainWindow::memoryLayoutChanged, m_compare, &CompareWindow::refresh);
    }
    m_compare->compareWith(other.image, visibleFileName(QFileInfo(path).fileName()));
    m_compare->show();
    // Made to fit a small screen or a large scale, in the middle of it.
    if (opening) centreOnScreen(m_compare);
    m_compare->raise();
    m_compare->activateWindow();
}

QString MainWindow::stepName(const Fields::ByteRanges& ranges) const {
    // The caption of the field the change wrote, when it is one field (or fields of one caption).
    QString caption;
    for (const Fields::Field& field : Fields::catalogue(m_settings.fourMemorySaves)) {
        if (field.edit == Fields::Edit::ReadOnly || !field.shownFrom.isEmpty()) continue;
        if (!Fields::overlaps(field.writes, ranges)) continue;
        if (!caption.isEmpty() && caption != field.caption) return tr("Change");
        caption = field.caption;
    }
    return caption.isEmpty() ? tr("Change") : caption;
}

QMenu* MainWindow::addOwnMenu(const QString& caption, const QString& name, const char* before) {
    // The editor's own menus stand beside the design's, named like them: the menu action `name`,
    // the menu `name` + "Menu".
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name + QLatin1String("Menu"));
    menu->menuAction()->setObjectName(name);
    menuBar()->insertMenu(action(QLatin1String(before)), menu);
    return menu;
}

QAction* MainWindow::addOwnItem(QMenu* menu, const QString& caption, const QString& name) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void MainWindow::buildEditMenu() {
    // After File: Undo and Redo name the step they take back.
    QMenu* edit = addOwnMenu(tr("&Edit"), QStringLiteral("mnuEdit"), "mnuCodesTimers");
    QAction* undo = addOwnItem(edit, tr("&Undo"), QStringLiteral("mnuUndo"));
    undo->setShortcuts(ImageWatch::undoKeys());
    QAction* redo = addOwnItem(edit, tr("&Redo"), QStringLiteral("mnuRedo"));
    redo->setShortcuts(ImageWatch::redoKeys());
    connect(undo, &QAction::triggered, m_watch, &ImageWatch::undo);
    connect(redo, &QAction::triggered, m_watch, &ImageWatch::redo);
    const auto name = [this, undo, redo] {
        undo->setEnabled(m_watch->canUndo());
        undo->setText(m_watch->canUndo() ? tr("&Undo %1").arg(m_watch->undoName()) : tr("&Undo"));
        redo->setEnabled(m_watch->canRedo());
        redo->setText(m_watch->canRedo() ? tr("&Redo %1").arg(m_watch->redoName()) : tr("&Redo"));
    };
    connect(m_watch, &ImageWatch::historyChanged, this, name);
    name();
}

void MainWindow::buildToolsMenu() {
    // Before Help, enabled with a document.
    QMenu* tools = addOwnMenu(tr("&Tools"), QStringLiteral("mnuTools"), "mnuHelp");
    QAction* withFile =
        addOwnItem(tools, tr("&Compare With File..."), QStringLiteral("mnuCompareFile"));
    QAction* withSaved =
        addOwnItem(tools, tr("Compare With &Saved"), QStringLiteral("mnuCompareSaved"));
    connect(withFile, &QAction::triggered, this,
            [this] { compareWith(m_prompts.chooseOpenFile(fileFilter(), lastFolder())); });
    connect(withSaved, &QAction::triggered, this, [this] { compareWith(m_doc.fileName()); });
}

bool MainWindow::checkSaveName(const QString& path) {
    if (hasOrvExtension(path)) return true;
    m_prompts.message(Icon::Error, QString::fromLatin1(Texts::SaveErrorTitle),
                      QString::fromLatin1(Texts::SaveNameErrorText));
    return false;
}

bool MainWindow::confirmAccessFlags() {
    const auto question = closureQuestion(accessFlags(m_doc.image));
    if (!question) return true;
    return m_prompts.askYesNo(Icon::Error, QString::fromLatin1(Texts::SaveAlertTitle), *question);
}

bool MainWindow::showWriteResult(const QString& path, const WriteStatus& status) {
    if (status.declined) return false;
    if (!status.ok) {
        m_prompts.message(Icon::Error, QString::fromLatin1(Texts::SaveErrorTitle),
                          tr("Error, the file could not be saved:\n%1\n%2")
                              .arg(visibleFileName(path), status.reason));
        return false;
    }
    refreshModified();
    return true;
}

bool MainWindow::confirmOverwriteOtherChanges() {
    if (!m_doc.changedOnDisk()) return true;
    return m_prompts.askYesNo(
        Icon::Warning, tr("File Changed"),
        tr("%1 was changed by another program since it was opened. Save over it?")
            .arg(visibleFileName(m_doc.fileName())));
}

ReplacementCheck MainWindow::replacementCheck(const QString& path) {
    return [this, path](const Replacement& replacement) {
        // The question comes while the busy pointer shows; the user needs the normal one.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool yes = m_prompts.askYesNo(Icon::Warning, tr("File Owner"),
                                            replacementQuestion(path, replacement));
        QApplication::restoreOverrideCursor();
        return yes;
    };
}

void MainWindow::storeSettings() {
    if (writeSettings(m_store, m_settings)) return;
    m_prompts.message(Icon::Warning, tr("Settings"),
                      tr("The editor's settings could not be written to %1.\nThe memory layout, "
                         "the print font and the recent files chosen in this session are lost.")
                          .arg(visibleFileName(m_store.fileName())));
}

bool MainWindow::saveFile() {
    // A recovered document whose file is gone has no name yet.
    if (!m_doc.nameKnown()) return saveFileAs();
    if (!confirmAccessFlags()) return false;
    if (!confirmOverwriteOtherChanges()) return false;
    WriteStatus status;
    {
        BusyPointer busy;
        status = m_doc.save(replacementCheck(m_doc.fileName()));
    }
    return showWriteResult(m_doc.fileName(), status);
}

bool MainWindow::saveFileAs() {
    const QString path = m_prompts.chooseSaveFile(fileFilter(), lastFolder());
    m_chooserFileName = path;
    if (path.isEmpty()) return false;
    if (!checkSaveName(path)) return false;
    if (!confirmAccessFlags()) return false;
    // Over the document's own file, Save As is a Save.
    if (m_doc.nameKnown() && (path == m_doc.fileName() || isSameFile(path, m_doc.fileName())) &&
        !confirmOverwriteOtherChanges())
        return false;
    WriteStatus status;
    {
        BusyPointer busy;
        status = m_doc.saveAs(path, replacementCheck(path));
    }
    if (!showWriteResult(path, status)) return false;
    enableDocumentMenus();
    addRecentFile(path);
    showFileName();
    return true;
}

// The file Save writes: its path in panel 1, its name in the middle of the window.
void MainWindow::showFileName() {
    m_panels[0]->setText(
        (m_doc.nameKnown() ? visibleFileName(m_doc.fileName()) : tr("(recovered)")) +
        QLatin1Char(' '));
    m_centre->setCurrentWidget(m_overview);
    m_centreText->setText(tr("%1\n\nChoose an editor from the menus; File > Save File writes "
                             "the configuration back.")
                              .arg(visibleFileName(QFileInfo(m_doc.fileName()).fileName())));
}

bool MainWindow::askToSaveChanges() {
    if (!m_doc.isModified()) return true;
    m_prompts.beep();
    switch (m_prompts.askYesNoCancel(Icon::Warning, QString::fromLatin1(Texts::ExitTitle),
                                     QString::fromLatin1(Texts::ExitText))) {
        case Answer::Yes:
            return saveFileAs();
        case Answer::No:
            return true;
        default:
            return false;
    }
}

QString MainWindow::lastFolder() const {
    // The folder only: the chooser proposes no file name of its own.
    const QString last = m_doc.fileName().isEmpty() ? m_settings.recentFiles[0] : m_doc.fileName();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

void MainWindow::openWithChooser() {
    if (!askToSaveChanges()) return;
    const QString path = m_prompts.chooseOpenFile(fileFilter(), lastFolder());
    m_chooserFileName = path;
    if (!path.isEmpty()) openFile(path);
}

void MainWindow::openRecent(int n) {
    const QString path = m_settings.recentFiles[n - 1];
    if (path.isEmpty()) return;
    openNamedFile(path);
}

void MainWindow::openNamedFile(const QString& path) {
    if (!askToSaveChanges()) return;
    openFile(path);
}

void MainWindow::openHandedFile(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    const bool editorOpen = std::any_of(m_modeless.cbegin(), m_modeless.cend(),
                                        [](const QPointer<QDialog>& open) { return open; });
    if (QApplication::activeModalWidget() || editorOpen) {
        m_prompts.message(Icon::Information, tr("Open File"),
                          tr("%1 was not opened: an editor or another dialog is open. Close it, "
                             "then open the file again.")
                              .arg(visibleFileName(path)));
        return;
    }
    // A file that cannot be opened is said before the unsaved-changes question, which would
    // otherwise be answered for nothing.
    Image probe;
    if (!acceptOpened(readImageFile(path, probe))) return;
    openNamedFile(path);
}

bool MainWindow::confirmEnd() { return askToSaveChanges(); }

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
    if (!m_ended) {
        if (!confirmEnd()) {
            event->ignore();
            return;
        }
        // The user saved the changes or let them go.
        if (m_recovery) m_recovery->discard();
        storeSettings();
        m_ended = true;
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
        {m_doc.image, m_prompts, m_settings, Block::Base, [this] { applyMemoryLayout(); }, m_watch},
        this,
        [this] {
            return ReportHeadings{m_doc.reportFileName(), m_chooserFileName, todaysPrintDate()};
        },
        [this] {
            return QStringList{m_doc.reportFileName(), m_doc.fileName()};
        }};
    if (!row.busyPointer) return row.build(sources);
    BusyPointer busy;
    return row.build(sources);
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
