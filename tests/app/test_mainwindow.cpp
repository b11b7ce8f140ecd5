// The main window driven through its actions with scripted prompts: menus, open, save, save as,
// the modified mark, the exit question and the settings it keeps.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QCursor>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <random>

#include "app/checkwindow.h"
#include "app/comparewindow.h"
#include "app/editortable.h"
#include "app/mainwindow.h"
#include "app/overviewpane.h"
#include "app/startpane.h"
#include "core/regions.h"
#include "core/texts.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "filelimit.h"
#include "imagecheck.h"
#include "scriptedprompts.h"
#include "tempfiles.h"

namespace {

const char* const EditorMenus[] = {"mnuEdit",  "mnuCodesTimers", "mnuMessages",  "mnuMisc",
                                   "mnuZones", "mnuMacroOps",    "mnuAutopatch", "mnuTools"};
const char* const DocumentItems[] = {"mnuSave",        "mnuSaveAs",      "mnuPrint",
                                     "mnuFlush",       "mnuUnlock",      "mnuRepeaterConfig",
                                     "mnuCompareFile", "mnuCompareSaved"};
const char* const AlwaysEnabled[] = {"mnuOpen", "mnuPrinterFont", "mnuExit", "mnuHelp"};

class MainWindowTest : public ::testing::Test {
protected:
    TempFiles dir;
    QSettings store{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    void start() { window = std::make_unique<MainWindow>(prompts, store); }

    // A configuration file whose byte 40 holds the usual access flags, so saving asks nothing.
    QString makeFile(const QString& name, std::uint8_t fill = 0x00) {
        QByteArray bytes(ImageSize, static_cast<char>(fill));
        bytes[Region::BaseBlock] = 0x01;
        return dir.write(name, bytes);
    }
    QAction* act(const char* name) { return window->action(QLatin1String(name)); }
    bool enabled(const char* name) {
        QAction* a = act(name);
        EXPECT_NE(a, nullptr) << name;
        return a && a->isEnabled();
    }
    void trigger(const char* name) { act(name)->trigger(); }
    QString mod() {
        window->refreshModified();
        return window->panelText(2);
    }
};

QStringList captionsOf(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

}  // namespace

TEST_F(MainWindowTest, MenuTreeHasTheCaptionsInOrder) {
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ORVANE 32 Bit Editor Program"));
    QStringList top;
    for (QAction* a : window->menuBar()->actions()) top << a->text();
    // The design's menus, and the editor's own Edit after File and Tools before Help.
    EXPECT_EQ(top, QStringList({"&File", "&Edit", "&Codes/Timers", "&Messages", "Macro &Op's",
                                "&Zones", "&Autopatch", "&Misc", "&Tools", "&Help"}));
    const auto menuOf = [&](const char* name) { return act(name)->menu(); };
    EXPECT_EQ(captionsOf(menuOf("mnuTools")),
              QStringList({"&Compare With File...", "Compare With &Saved", "-",
                           "C&heck Configuration..."}));
    EXPECT_EQ(
        captionsOf(menuOf("mnuFile")),
        QStringList({"&Open...", "-", "&Save File", "Save File &As...", "-", "&Flush Memory...",
                     "-", "Printer &Font...", "&Print...", "-", "", "", "", "", "-", "E&xit"}));
    EXPECT_EQ(captionsOf(menuOf("mnuCodes")),
              QStringList({"Base Codes...", "-", "   Mem #1 Codes...", "   Mem #2 Codes...",
                           "   Mem #3 Codes...", "   Mem #4 Codes..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuCodesTimers")),
              QStringList({"&Codes...", "-", "&Timers", "-", "Unlock Number..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuTimers")).last(), QStringLiteral("   Mem #4 Timers..."));
    EXPECT_EQ(captionsOf(menuOf("mnuVoice")),
              QStringList({"Voice Base Messages...", "-", "   Voice Mem #1 Messages...",
                           "   Voice Mem #2 Messages...", "   Voice Mem #3 Messages...",
                           "   Voice Mem #4 Messages..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuMessages")),
              QStringList({"&Voice Synthesizer...", "-", "CW Message..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuMacroOps")),
              QStringList({"&Macros...", "&Scheduler...", "&User Inputs..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuZones")),
              QStringList({"Base Zones", "-", "Memory #1 Zones...", "Memory #2 Zones...",
                           "Memory #3 Zones...", "Memory #4 Zones..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuAutopatch")),
              QStringList({"&User Speed Dial...", "&Emergency Speed Dial...", "&Pre-Dial Number",
                           "&Area Code Numbers...", "&Prefix Numbers..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuMisc")),
              QStringList({"&Courtesy Tones...", "&Expanded Switches...", "&Memory Configuration",
                           "&Repeater Configuration..."}));
    EXPECT_EQ(captionsOf(menuOf("mnuHelp")),
              QStringList({"Contents", "Search For Help On...", "About"}));
}

// The usual desktop keys where the menus give none, and a hint that reads in any colour scheme.
TEST_F(MainWindowTest, DesktopKeysAndAHintInThePlaceholderColour) {
    start();
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence::Open},
        {"mnuSave", QKeySequence::Save},
        {"mnuSaveAs", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
        {"mnuPrint", QKeySequence(QStringLiteral("Ctrl+P"))},
        {"mnuExit", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"mnuContents", QKeySequence::HelpContents},
    };
    for (const auto& [name, key] : keys) {
        EXPECT_FALSE(key.isEmpty()) << name;
        EXPECT_EQ(act(name)->shortcut(), key) << name;
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblWelcome"))->foregroundRole(),
              QPalette::PlaceholderText);
}

TEST_F(MainWindowTest, StatusBarShowsTheDateInPanelThree) {
    start();
    const QString expected =
        QLocale(QLocale::English, QLocale::UnitedStates)
            .toString(QDate::currentDate(), QStringLiteral("ddd, MMMM d, yyyy"));
    EXPECT_EQ(window->panelText(3), expected);
    EXPECT_EQ(QLocale(QLocale::English, QLocale::UnitedStates)
                  .toString(QDate(2026, 12, 6), QStringLiteral("ddd, MMMM d, yyyy")),
              QStringLiteral("Sun, December 6, 2026"));
    EXPECT_TRUE(window->panelText(1).isEmpty());
    EXPECT_TRUE(mod().isEmpty());
}

TEST_F(MainWindowTest, EditorsAreUnusableUntilAFileOpens) {
    start();
    for (const char* name : EditorMenus) EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : DocumentItems) EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : AlwaysEnabled) EXPECT_TRUE(enabled(name)) << name;
    // Nothing to lose: leaving asks nothing.
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.messages.empty());

    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    for (const char* name : EditorMenus) EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : DocumentItems) EXPECT_TRUE(enabled(name)) << name;
    // A later failed open leaves them enabled.
    prompts.files.push_back(dir.filePath(QStringLiteral("missing.orv")));
    trigger("mnuOpen");
    EXPECT_EQ(prompts.lastChooserStart, dir.path());  // the open file's folder
    for (const char* name : EditorMenus) EXPECT_TRUE(enabled(name)) << name;
}

TEST_F(MainWindowTest, MemoryLayoutChoosesMemorySave4OrAreaCodeItems) {
    const char* const mem4[] = {"mnuMemCodes4", "mnuMemTimers4", "mnuMemVoice4", "mnuMemZones4"};
    const char* const area[] = {"mnuAreaCodes", "mnuPrefixes"};
    for (const char* stored : {"1", "0", "yes"}) {
        store.setValue(QStringLiteral("Configuration/Memory_4"), QLatin1String(stored));
        start();
        ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
        const bool four = QLatin1String(stored) == QLatin1String("1");
        EXPECT_EQ(window->settings().fourMemorySaves, four) << stored;
        for (const char* name : mem4) EXPECT_EQ(enabled(name), four) << stored << name;
        for (const char* name : area) EXPECT_EQ(enabled(name), !four) << stored << name;
    }
    window->settings().fourMemorySaves = true;
    window->applyMemoryLayout();
    EXPECT_TRUE(enabled("mnuMemZones4"));
    EXPECT_FALSE(enabled("mnuPrefixes"));
}

TEST_F(MainWindowTest, OpenUsesTheChooserFilterAndShowsThePathEscaped) {
    start();
    const QString path = makeFile(QStringLiteral("club\nnet.orv"), 0x42);
    const QString shown = dir.filePath(QStringLiteral("club\\nnet.orv"));
    prompts.files.push_back(QString());  // cancelled: nothing happens
    trigger("mnuOpen");
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("ORVANE File(s) *.orv) (*.orv)"));
    EXPECT_FALSE(enabled("mnuSave"));
    prompts.files.push_back(path);
    trigger("mnuOpen");
    EXPECT_EQ(window->panelText(1), shown + QLatin1Char(' '));
    EXPECT_EQ(act("mnuRecent1")->text(), QStringLiteral("&1 ..") + shown.right(25));
    EXPECT_EQ(window->document().fileName(), path);
    EXPECT_EQ(window->document().reportFileName(), path);
    EXPECT_TRUE(window->document().nameKnown());
    EXPECT_EQ(window->document().image[5], 0x42);
    EXPECT_TRUE(mod().isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, ModMarkFollowsEditsAndSaveClearsIt) {
    start();
    const QString path = makeFile(QStringLiteral("a.orv"));
    ASSERT_TRUE(window->session().open(path));
    Image& image = window->document().image;
    image[300] = 5;
    EXPECT_EQ(mod(), QStringLiteral("Mod"));
    image[300] = 0;
    EXPECT_TRUE(mod().isEmpty());
    // An edit that keeps the byte sum still counts.
    image[300] = 1;
    image[301] = 0xFF;
    trigger("mnuSave");
    image[300] = 2;
    image[301] = 0xFE;
    EXPECT_EQ(mod(), QStringLiteral("Mod"));
    trigger("mnuSave");
    EXPECT_TRUE(mod().isEmpty());
    const QByteArray saved = dir.read(path);
    ASSERT_EQ(saved.size(), ImageSize);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[300]), 2);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[301]), 0xFE);
}

TEST_F(MainWindowTest, SaveAsShowsAndListsTheNewName) {
    start();
    const QString first = makeFile(QStringLiteral("first.orv"));
    ASSERT_TRUE(window->session().open(first));
    window->document().image[1000] = 0x77;
    const QString second = dir.filePath(QStringLiteral("second.orv"));
    prompts.files.push_back(second);
    trigger("mnuSaveAs");
    EXPECT_EQ(window->panelText(1), second + QLatin1Char(' '));
    EXPECT_EQ(act("mnuRecent1")->text(), recentFileCaption(1, second));
    EXPECT_EQ(act("mnuRecent2")->text(), recentFileCaption(2, first));
    EXPECT_TRUE(mod().isEmpty());
}

TEST_F(MainWindowTest, ExitQuestionOnlyWhenModifiedAndCancelKeepsRunning) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    window->show();
    window->document().image[900] = 3;

    prompts.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.beeps, 1);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::YesNoCancel);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("ORVANE Editor"));
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("The Data File has changed\nDo you want to save the changes?"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(store.contains(QStringLiteral("Startup/Password")));

    prompts.answers.push_back(Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(store.contains(QStringLiteral("Startup/Password")));
}

TEST_F(MainWindowTest, RecentFilesComeFromTheStoreAndReachItAtTheEnd) {
    start();
    EXPECT_FALSE(act("mnuRecentSep")->isVisible());
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(act(("mnuRecent" + std::to_string(n)).c_str())->isVisible());
    window->close();

    const QString longPath = dir.filePath(QStringLiteral("a-rather-long-file-name.orv"));
    store.setValue(QStringLiteral("Projects/File1"), longPath);
    store.setValue(QStringLiteral("Projects/File3"), QStringLiteral("/x.orv"));
    start();
    EXPECT_TRUE(act("mnuRecentSep")->isVisible());
    EXPECT_EQ(act("mnuRecent1")->text(), QStringLiteral("&1 ..") + longPath.right(25));
    EXPECT_FALSE(act("mnuRecent2")->isVisible());
    EXPECT_EQ(act("mnuRecent3")->text(), QStringLiteral("&3 /x.orv"));

    const QString opened = makeFile(QStringLiteral("n.orv"));
    ASSERT_TRUE(window->session().open(opened));
    EXPECT_TRUE(act("mnuRecent2")->isVisible());
    EXPECT_EQ(store.value(QStringLiteral("Projects/File1")).toString(), longPath);
    window->close();
    EXPECT_EQ(store.value(QStringLiteral("Projects/File1")).toString(), opened);
    EXPECT_EQ(store.value(QStringLiteral("Projects/File2")).toString(), longPath);
    EXPECT_EQ(store.value(QStringLiteral("Projects/File4")).toString(), QStringLiteral("/x.orv"));
}

// Saving the changes first moves the recent entries; the entry chosen is the one opened.
TEST_F(MainWindowTest, ARecentEntryOpensItsFileAfterTheChangesAreSaved) {
    start();
    const QString chosen = makeFile(QStringLiteral("chosen.orv"), 0x22);
    ASSERT_TRUE(window->session().open(chosen));
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("open.orv"))));
    window->document().image[600] = 8;
    prompts.answers = {Answer::Yes};
    prompts.files = {dir.filePath(QStringLiteral("saved.orv"))};
    trigger("mnuRecent2");
    EXPECT_EQ(window->document().fileName(), chosen);
    EXPECT_EQ(window->document().image[600], 0x22);
}

TEST_F(MainWindowTest, PrinterFontChooserKeepsOrTakesTheChoice) {
    start();
    prompts.fonts.push_back(std::nullopt);
    trigger("mnuPrinterFont");
    EXPECT_EQ(prompts.lastFontOffered.family(), QStringLiteral("Arial"));
    EXPECT_EQ(prompts.lastFontOffered.pointSizeF(), 10.0);
    EXPECT_EQ(window->settings().fontName, QStringLiteral("Arial"));

    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSizeF(10.5);
    prompts.fonts.push_back(chosen);
    trigger("mnuPrinterFont");
    EXPECT_EQ(window->settings().fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(window->settings().fontSize, QStringLiteral("10.5"));
    chosen.setPointSizeF(12);
    prompts.fonts.push_back(chosen);
    trigger("mnuPrinterFont");
    EXPECT_EQ(window->settings().fontSize, QStringLiteral("12"));
    window->close();
    EXPECT_EQ(store.value(QStringLiteral("Printer/FontName")).toString(), "Courier New");
    EXPECT_EQ(store.value(QStringLiteral("Printer/FontSize")).toString(), "12");
}

TEST_F(MainWindowTest, GarbageInTheSettingsStoreStartsWithSaneValues) {
    // The store as another program or a damaged disk may leave it: a size that is no number, a
    // missing font name, a value of another type, a recent list with holes, a file name of
    // 10,000 characters and a line that is no setting at all.
    const QString longName = QLatin1Char('/') + QString(9995, QLatin1Char('n')) + ".orv";
    {
        QFile file(dir.filePath(QStringLiteral("settings.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "\xff\xfe garbage without a key\n[Printer]\nFontSize=twelve\n"
            "[Configuration]\nMemory_4=1, 2, 3\n[Projects]\nFile2=" +
            longName.toLatin1() + "\nFile4=@ByteArray(\\0\\xff\\x1)\n");
    }
    store.sync();
    start();
    EXPECT_TRUE(window->settings().fourMemorySaves);
    EXPECT_FALSE(act("mnuRecent1")->isVisible());
    EXPECT_EQ(act("mnuRecent2")->text(), QStringLiteral("&2 ..") + longName.right(25));
    EXPECT_FALSE(act("mnuRecent3")->isVisible());
    // The recent entry that names no file says so when chosen, and nothing changes.
    trigger("mnuRecent2");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(enabled("mnuSave"));
    prompts.fonts.push_back(std::nullopt);
    trigger("mnuPrinterFont");
    EXPECT_EQ(prompts.lastFontOffered.family(), QStringLiteral("Arial"));
    EXPECT_EQ(prompts.lastFontOffered.pointSizeF(), 10.0);
    for (const char* size : {"inf", "-3", "0", "1e400", "nan"}) {
        window->settings().fontSize = QString::fromLatin1(size);
        prompts.fonts.push_back(std::nullopt);
        trigger("mnuPrinterFont");
        EXPECT_EQ(prompts.lastFontOffered.pointSizeF(), 10.0) << size;
    }
    window->settings().fontSize = QStringLiteral("1e9");
    prompts.fonts.push_back(std::nullopt);
    trigger("mnuPrinterFont");
    EXPECT_EQ(prompts.lastFontOffered.pointSizeF(), 1000.0);
    window->close();
    EXPECT_EQ(store.value(QStringLiteral("Projects/File2")).toString(), longName);
}

namespace {
// Triggers a menu item that opens a modal dialog and returns the dialog's title, closing it.
QString titleOfDialogOpenedBy(QAction* item) {
    QString title;
    QTimer::singleShot(0, [&title] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            dialog->close();
        }
    });
    item->trigger();
    return title;
}

// The mouse pointer in force when a window is made on the watched one: the busy pointer of the
// slower dialogs shows while they are built.
class PointerWhileBuilt : public QObject {
public:
    std::optional<Qt::CursorShape> shape;  // nothing: no override pointer
    int built = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded &&
            static_cast<QChildEvent*>(event)->child()->isWidgetType() && built++ == 0) {
            const QCursor* pointer = QApplication::overrideCursor();
            shape = pointer ? std::optional(pointer->shape()) : std::nullopt;
        }
        return QObject::eventFilter(watched, event);
    }
};

class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : m_type(type) {}
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == m_type) ++count;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
};
}  // namespace

TEST_F(MainWindowTest, EditorMenusOpenTheirDialogsOnTheChosenBlock) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    struct Case {
        const char* item;
        const char* title;
        bool busy;  // the busy pointer shows while the dialog is built
    };
    // clang-format off
    const Case cases[] = {
        {"mnuBaseCodes", "Repeater Base Codes", false},
        {"mnuMemCodes1", "Memory Save #1 Codes", false},
        {"mnuMemCodes2", "Memory Save #2 Codes", false},
        {"mnuMemCodes3", "Memory Save #3 Codes", false},
        {"mnuMemCodes4", "Memory Save #4 Codes", false},
        {"mnuBaseTimers", "Repeater Base Timers", false},
        {"mnuMemTimers1", "Memory Save #1 Timers", false},
        {"mnuMemTimers2", "Memory Save #2 Timers", false},
        {"mnuMemTimers3", "Memory Save #3 Timers", false},
        {"mnuMemTimers4", "Memory Save #4 Timers", false},
        {"mnuBaseVoice", "Base Voice Synthesizer Messages", false},
        {"mnuMemVoice1", "Memory Save #1 Voice Messages", false},
        {"mnuMemVoice2", "Memory Save #2 Voice Messages", false},
        {"mnuMemVoice3", "Memory Save #3 Voice Messages", false},
        {"mnuMemVoice4", "Memory Save #4 Voice Messages", false},
        {"mnuBaseZones", "Base Zones", true},
        {"mnuMemZones1", "Zone Channels For Memory #1", true},
        {"mnuMemZones2", "Zone Channels For Memory #2", true},
        {"mnuMemZones3", "Zone Channels For Memory #3", true},
        {"mnuMemZones4", "Zone Channels For Memory #4", true},
        {"mnuMemoryConfig", "Memory Files Configuration", true},
        {"mnuFlush", "Flush Memory Blocks", false},
        {"mnuUserSpeed", "User Speed Dial Numbers", false},
        {"mnuEmergency", "Emergency Speed Dial Numbers", false},
        {"mnuMacros", "Macro Commands", true},
        {"mnuUserInputs", "Hardware Inputs", false},
        {"mnuCourtesy", "Courtesy Tones", false},
        {"mnuExpanded", "Expanded Switches", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        PointerWhileBuilt pointer;
        window->installEventFilter(&pointer);
        EXPECT_EQ(titleOfDialogOpenedBy(act(c.item)), QLatin1String(c.title)) << c.item;
        window->removeEventFilter(&pointer);
        EXPECT_EQ(pointer.built, 1) << c.item;
        EXPECT_EQ(pointer.shape, c.busy ? std::optional(Qt::WaitCursor) : std::nullopt) << c.item;
        // Closed is gone, and the pointer is back to normal.
        EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << c.item;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.item;
    }
    // Opening and closing the editors changes nothing.
    EXPECT_TRUE(mod().isEmpty());
}

TEST_F(MainWindowTest, ModifiedMarkIsRewrittenOnlyWhenTheStateChanges) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    EventCounter marks(QEvent::ModifiedChange);
    window->installEventFilter(&marks);
    const auto severalTicks = [] { QTest::qWait(350); };  // the check runs every 100 ms

    severalTicks();
    EXPECT_EQ(marks.count, 0);
    EXPECT_EQ(window->panelText(2), QString());
    // A dialog's edit reaches the mark by the timer alone, once.
    window->document().image[300] = 5;
    severalTicks();
    EXPECT_EQ(window->panelText(2), QStringLiteral("Mod"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(marks.count, 1);
    window->document().image[301] = 6;  // still modified: nothing to rewrite
    severalTicks();
    EXPECT_EQ(marks.count, 1);
    window->document().image[300] = 0;
    window->document().image[301] = 0;
    severalTicks();
    EXPECT_EQ(window->panelText(2), QString());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(marks.count, 2);
}

TEST_F(MainWindowTest, KeptAndModelessEditorsAndTheAreaCodeTables) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    // The scheduler and the print dialog are built once and keep their state between openings.
    for (const char* item : {"mnuScheduler", "mnuPrint"}) {
        const QString title = titleOfDialogOpenedBy(act(item));
        EXPECT_FALSE(title.isEmpty()) << item;
        QDialog* kept = window->findChildren<QDialog*>().value(0);
        EXPECT_EQ(titleOfDialogOpenedBy(act(item)), title) << item;
        EXPECT_EQ(window->findChildren<QDialog*>(), QList<QDialog*>{kept}) << item;
        delete kept;
    }
    // The unlock, pre-dial and CW dialogs stand beside the window, one of each.
    const std::pair<const char*, const char*> modeless[] = {
        {"mnuUnlock", "frmUnlock"}, {"mnuPreDial", "frmPreDial"}, {"mnuCW", "frmCwEdit"}};
    for (const auto& [item, name] : modeless) {
        trigger(item);
        trigger(item);
        const auto open = window->findChildren<QDialog*>(QLatin1String(name));
        ASSERT_EQ(open.size(), 1) << name;
        EXPECT_FALSE(open[0]->isModal()) << name;
        EXPECT_TRUE(open[0]->isVisible()) << name;
    }
    // A modal editor is modal to the main window only (the help window stays usable), and the
    // modeless editors wait with the main window until it closes.
    QDialog* cw = window->findChild<QDialog*>(QStringLiteral("frmCwEdit"));
    bool cwUsable = true;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        cwUsable = cw->isEnabled();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            modality = dialog->windowModality();
            dialog->close();
        }
    });
    trigger("mnuBaseTimers");
    EXPECT_FALSE(cwUsable);
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_TRUE(cw->isEnabled());
    // The area-code tables open only in their memory layout.
    window->settings().fourMemorySaves = false;
    window->applyMemoryLayout();
    EXPECT_EQ(titleOfDialogOpenedBy(act("mnuAreaCodes")), QStringLiteral("Area Codes"));
    EXPECT_EQ(titleOfDialogOpenedBy(act("mnuPrefixes")), QStringLiteral("Prefix Codes"));
    // The program's end closes the unlock dialog without its question about an empty code.
    window->document().image[32] = 0;
    window->document().image[32] = 0;
    window->close();
    EXPECT_TRUE(prompts.messages.empty());
    for (QDialog* dialog : window->findChildren<QDialog*>()) EXPECT_FALSE(dialog->isVisible());
}

TEST_F(MainWindowTest, RepeaterConfigurationIsOneModelessDialogThatReappliesTheLayout) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    trigger("mnuRepeaterConfig");
    QDialog* config = window->findChild<QDialog*>(QStringLiteral("frmConfig"));
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(config->isVisible());
    EXPECT_FALSE(config->isModal());
    EXPECT_EQ(config->windowTitle(), QStringLiteral("ORVANE DX Configuration"));
    trigger("mnuRepeaterConfig");
    EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("frmConfig")).size(), 1);

    // A second request brings the same dialog back to the front.
    window->show();
    config->hide();
    trigger("mnuRepeaterConfig");
    EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("frmConfig")), config);
    EXPECT_TRUE(config->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(config));
    // Closed, it is gone; the next request makes a new one.
    QPointer<QDialog> closed = config;
    config->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    trigger("mnuRepeaterConfig");
    config = window->findChild<QDialog*>(QStringLiteral("frmConfig"));
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(config->isVisible());
    EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("frmConfig")).size(), 1);

    // Choosing the area-code layout and OK reaches the menus at once.
    for (QRadioButton* option : config->findChildren<QRadioButton*>())
        if (option->text().startsWith(QLatin1String("ON   - "))) option->setChecked(true);
    QTest::mouseClick(config->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_FALSE(window->settings().fourMemorySaves);
    EXPECT_TRUE(enabled("mnuAreaCodes"));
    EXPECT_TRUE(enabled("mnuPrefixes"));
    EXPECT_FALSE(enabled("mnuMemCodes4"));
    EXPECT_FALSE(enabled("mnuMemZones4"));
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAtTheEndAreReported) {
    // The settings file's folder is a regular file, so nothing can be written there.
    dir.write(QStringLiteral("blocked"), QByteArray("x"));
    QSettings blocked(dir.filePath(QStringLiteral("blocked/settings.ini")), QSettings::IniFormat);
    MainWindow ending(prompts, blocked);
    ending.show();
    EXPECT_TRUE(ending.close());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
    EXPECT_TRUE(prompts.messages[0].text.contains(blocked.fileName()))
        << prompts.messages[0].text.toStdString();
    prompts.messages.clear();
    start();
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.messages.empty());
}

namespace {

// The modal dialog `open` brings up, as it stands once shown: its title and the widget with the
// keyboard focus. The dialog is closed again.
struct Opened {
    QString title;
    QString focused;             // the focused widget's object name
    QString focusedDescription;  // and its accessible description
};
Opened whatOpens(const std::function<void()>& open) {
    Opened opened;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            opened.title = dialog->windowTitle();
            if (const QWidget* focused = dialog->focusWidget()) {
                opened.focused = focused->objectName();
                opened.focusedDescription = focused->accessibleDescription();
            }
            dialog->close();
        });
    });
    open();
    return opened;
}

}  // namespace

TEST_F(MainWindowTest, OverviewShowsFiltersFollowsTheImageAndOpensTheFieldsEditor) {
    start();
    auto* overview = window->findChild<OverviewPane*>();
    ASSERT_TRUE(overview);
    EXPECT_FALSE(overview->isVisible());  // the hint, until a file is open
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    window->show();
    EXPECT_TRUE(overview->isVisible());

    overview->setFilter(QStringLiteral("repeater time-out"));
    EXPECT_EQ(overview->matchCount(), 5);  // the Base and four memory saves
    QTreeView* tree = overview->tree();
    const QModelIndex timers = tree->model()->index(0, 0);
    const QPersistentModelIndex save2 = tree->model()->index(2, 0, timers);
    const QModelIndex field = tree->model()->index(0, 0, save2);
    ASSERT_TRUE(overview->fieldAt(field));
    EXPECT_EQ(overview->fieldAt(field)->key, QStringLiteral("timers.mem2.repeater-time-out"));
    tree->setCurrentIndex(field);

    // A store somewhere else changes the row in place; expansion and selection stay.
    const QModelIndex value = field.siblingAtColumn(OverviewPane::ValueColumn);
    const QString before = value.data().toString();
    const Fields::Field* timer = overview->fieldAt(field);
    window->document().image[timer->reads(window->document().image).at(0).first] ^= 0x01;
    window->refreshModified();
    EXPECT_NE(tree->currentIndex().siblingAtColumn(OverviewPane::ValueColumn).data().toString(),
              before);
    EXPECT_TRUE(tree->isExpanded(save2));
    EXPECT_EQ(overview->fieldAt(tree->currentIndex())->key,
              QStringLiteral("timers.mem2.repeater-time-out"));

    // Enter on the row opens the timers of memory save #2 with the focus on that timer.
    const Opened opened = whatOpens([&] { emit tree->activated(tree->currentIndex()); });
    EXPECT_EQ(opened.title, QStringLiteral("Memory Save #2 Timers"));
    EXPECT_EQ(opened.focusedDescription, QStringLiteral("Repeater Time-Out"));
}

TEST_F(MainWindowTest, FilteringTheOverviewAgainAndAgainKeepsNoMemory) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    window->show();
    auto* overview = window->findChild<OverviewPane*>();
    const QString words[] = {QStringLiteral("timer"), QStringLiteral("macro"), {},
                             QStringLiteral("tone"),  QStringLiteral("Base"),  QStringLiteral("1")};
    const auto heapAfter = [&](int changes) {
        for (int i = 0; i < changes; ++i) {
            overview->setFilter(words[i % 6]);
            QCoreApplication::processEvents();
        }
        QTest::qWait(400);  // the clear button's fades, each alive for its moment, are over
        return long(mallinfo2().uordblks);
    };
    const long settled = heapAfter(60);  // caches and first-use allocations
    const long grown = heapAfter(1000) - settled;
    // 50 KB a change would be 50 MB; what is left is the allocator's own coming and going.
    EXPECT_LT(grown, 256 * 1024) << grown / 1024 << " KB kept by 1,000 filter changes";
}

// The area table, the catalogue, the overview and the editor look-up agree: every area opens its
// editors, and every field's area, block and record, kept as values, are those its key begins
// with.
TEST(EditorTable, EveryAreaOpensItsEditorsAndEveryFieldFindsItsOwn) {
    QStringList items;
    for (const EditorRow& row : editorTable()) items << row.action;
    for (const Fields::Area& area : Fields::areas()) {
        EXPECT_TRUE(items.contains(QLatin1String(area.item))) << area.key;
        for (int save = 1; area.blocks && save <= 4; ++save)
            EXPECT_TRUE(items.contains(QLatin1String(area.memoryItem) + QString::number(save)));
    }
    for (bool four : {true, false})
        for (const Fields::Field& field : Fields::catalogue(four)) {
            EXPECT_TRUE(items.contains(Fields::editorItem(field))) << field.key.toStdString();
            QStringList words = {QLatin1String(Fields::areas()[std::size_t(field.area)].key)};
            if (field.block) words << Fields::blockKey(*field.block);
            if (field.record && !field.record->key.isEmpty()) words << field.record->key;
            const QString start = words.join(QLatin1Char('.'));
            EXPECT_TRUE(field.key == start || field.key.startsWith(start + '.'))
                << field.key.toStdString();
        }
    // clang-format off
    const std::pair<const char*, const char*> records[] = {
        {"macros.03.review-5", "Macro 3"}, {"scheduler.17.command", "Event 17"},
        {"zones.mem4.zone-1.flag-8", "Zone 1"}, {"speed-dial.05.number", "Speed Dial 05"},
        {"emergency-speed-dial.2.identification", "Emergency Speed Dial 2"}, {"area-codes.04", "Area Code 4"},
        {"prefixes.40", "Prefix Group 40-59"}, {"courtesy-tones.2.dly-1-msec", "Courtesy Tone 2"},
        {"expanded-switches.11.bit-1", "Group 11"}, {"user-inputs.input-1.review", "Input 1"},
    };
    // clang-format on
    for (const auto& [key, name] : records) {
        const Fields::Field* field = nullptr;
        for (bool four : {true, false})
            for (const Fields::Field& each : Fields::catalogue(four))
                if (each.key == QLatin1String(key)) field = &each;
        ASSERT_TRUE(field) << key;
        ASSERT_TRUE(field->record) << key;
        EXPECT_EQ(field->record->name, QLatin1String(name)) << key;
    }
}

TEST_F(MainWindowTest, CompareWithSavedShowsTheChangeAndCopyToDocumentTakesItBack) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    const Image saved = window->document().image;
    const Fields::FieldList& fields = Fields::catalogue(true);
    const auto timer = std::find_if(fields.begin(), fields.end(), [](const Fields::Field& field) {
        return field.key == QStringLiteral("timers.base.repeater-time-out");
    });
    ASSERT_NE(timer, fields.end());
    ASSERT_EQ(timer->store(window->document().image, QStringLiteral("600")),
              Fields::Stored::Written);

    trigger("mnuCompareSaved");
    auto* compare = window->findChild<CompareWindow*>();
    ASSERT_TRUE(compare);
    EXPECT_TRUE(compare->isVisible());
    ASSERT_EQ(compare->rows()->topLevelItemCount(), 1);
    QTreeWidgetItem* row = compare->rows()->topLevelItem(0);
    EXPECT_EQ(row->text(2), QStringLiteral("Repeater Time-Out"));
    EXPECT_EQ(row->text(3), QStringLiteral("10:00"));
    EXPECT_EQ(row->text(4), timer->text(saved));

    auto* copy = compare->findChild<QPushButton*>(QStringLiteral("cmdCopyToDocument"));
    EXPECT_FALSE(copy->isEnabled());  // nothing selected
    row->setSelected(true);
    ASSERT_TRUE(copy->isEnabled()) << copy->toolTip().toStdString();
    copy->click();
    EXPECT_EQ(window->document().image, saved);
    EXPECT_TRUE(compare->comparison().identical);
    EXPECT_EQ(mod(), QString());

    // The other file goes by the open rules and their messages.
    prompts.files.push_back(makeFile(QStringLiteral("other.txt")));
    trigger("mnuCompareFile");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, QString::fromLatin1(Texts::FilenameErrorTitle));

    // It follows the document to the next file; "Select All" copies what can be copied (a
    // macro's trigger and commands), leaving the reviews shown only out.
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("b.orv"))));
    EXPECT_EQ(compare->windowTitle(), QStringLiteral("Compare With b.orv"));
    EXPECT_EQ(compare->rows()->headerItem()->text(4), QStringLiteral("Saved file"));
    const auto store = [&](const char* key, const char* answer) {
        std::ranges::find(fields, QLatin1String(key), &Fields::Field::key)
            ->store(window->document().image, QLatin1String(answer));
    };
    store("macros.02.trigger", "*12");
    store("macros.02.command-1", "1110");
    window->refreshModified();
    compare->rows()->selectAll();
    EXPECT_EQ(copy->text(), QStringLiteral("Copy 6 Values to Document"));  // trigger, 5 commands
    ASSERT_TRUE(copy->isEnabled()) << copy->toolTip().toStdString();
    copy->click();
    // Every value as saved but a review only shown, which reads the command bytes a macro
    // without a trigger keeps.
    for (const Compare::Row& left : compare->comparison().rows)
        EXPECT_FALSE(left.shownOnly.isEmpty()) << fields[left.field].key.toStdString();
}

// The overview's way in selects the field's group, tab or bank and focuses the field.
TEST_F(MainWindowTest, OpeningAFieldFromTheOverviewShowsItsGroupTabOrBank) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    window->show();
    // clang-format off
    const struct { const char* key; const char* title; const char* focused; } cases[] = {
        {"zones.mem3.zone-6.flag-2",       "Zone Channels For Memory #3", "chkZ6_1"},
        {"speed-dial.57.identification",   "User Speed Dial Numbers", "lblID7"},
        {"scheduler.23.command",           "Scheduler", "lblTime_3"},
        {"macros.04.review-2",             "Macro Commands", "Label4_4"},
        {"expanded-switches.13.bit-4",     "Expanded Switches", "Img3_3"},
        {"courtesy-tones.3.tone-2-hertz",  "Courtesy Tones", "lblT2_2"},
        {"voice.mem1.message-07",          "Memory Save #1 Voice Messages", "lblMsg7"},
        {"user-inputs.input-2.command",    "Hardware Inputs", "Label1_1"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const Opened opened = whatOpens([&] { window->openField(QLatin1String(c.key)); });
        EXPECT_TRUE(opened.title.contains(QLatin1String(c.title)))
            << "title " << opened.title.toStdString();
        EXPECT_EQ(opened.focused, QLatin1String(c.focused));
    }
    EXPECT_EQ(mod(), QString());  // looking writes nothing
}

// Random edits through the field tables, then Undo until nothing is left: the image is the
// opened one byte for byte; Redo until nothing is left: the edited one.
TEST_F(MainWindowTest, UndoAllGivesTheOpenedImageAndRedoAllTheEditedOne) {
    start();
    std::mt19937 random(3);
    for (int round = 0; round < 4; ++round) {
        QByteArray bytes(ImageSize, 0);
        for (char& b : bytes) b = static_cast<char>(random() % 13);
        ASSERT_TRUE(window->session().open(dir.write(QStringLiteral("r%1.orv").arg(round), bytes)));
        const Image opened = window->document().image;
        Image source;
        for (std::uint8_t& b : source) b = std::uint8_t(random() % 13);
        const Fields::FieldList& fields = Fields::catalogue(window->settings().fourMemorySaves);
        int steps = 0;
        for (int edit = 0; edit < 60; ++edit) {
            const Fields::Field& field = fields[random() % fields.size()];
            if (!field.store || field.edit == Fields::Edit::Composer) continue;
            field.store(window->document().image, field.answerFor(field.text(source)));
            if (window->document().image != opened) window->refreshModified();
            ++steps;
        }
        const Image edited = window->document().image;
        QAction* undo = act("mnuUndo");
        QAction* redo = act("mnuRedo");
        while (undo->isEnabled()) undo->trigger();
        EXPECT_EQ(window->document().image, opened)
            << changedOffsets(opened, window->document().image);
        EXPECT_EQ(mod(), QString());
        while (redo->isEnabled()) redo->trigger();
        EXPECT_EQ(window->document().image, edited);
        EXPECT_GT(steps, 10);
    }
}

TEST_F(MainWindowTest, UndoNamesTheStepAndWorksInsideTheEditor) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"), 0x05)));
    const Image opened = window->document().image;
    QAction* undo = act("mnuUndo");
    EXPECT_FALSE(undo->isEnabled());

    // A keypad answer in the timers dialog, then Ctrl+Z inside that dialog takes it back and the
    // dialog shows the old value at once.
    QString shownAfterUndo, shownBefore;
    prompts.keypadAnswers.push_back(QStringLiteral("600"));
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* field = dialog->findChild<QPushButton*>(QStringLiteral("lblTime0"));
            shownBefore = field->text();
            field->click();
            EXPECT_EQ(field->text(), QStringLiteral("10:00"));
            QAction* inside = dialog->findChild<QAction*>(QStringLiteral("actUndo"));
            ASSERT_TRUE(inside);
            inside->trigger();
            shownAfterUndo = field->text();
            dialog->close();
        });
    });
    trigger("mnuBaseTimers");
    EXPECT_EQ(shownAfterUndo, shownBefore);
    EXPECT_EQ(window->document().image, opened);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(act("mnuRedo")->text(), QStringLiteral("&Redo Base Repeater Time-Out"));

    // A flush is one step named after its row.
    prompts.answers.push_back(Answer::Yes);
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->findChild<QPushButton*>(QStringLiteral("cmdFlush2"))->click();
            dialog->close();
        }
    });
    trigger("mnuFlush");
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Flush Schedular Memory"));
    EXPECT_FALSE(act("mnuRedo")->isEnabled());
    undo->trigger();
    EXPECT_EQ(window->document().image, opened);

    // Opening a file forgets the history.
    window->document().image[500] ^= 1;
    window->refreshModified();
    EXPECT_TRUE(undo->isEnabled());
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("b.orv"))));
    EXPECT_FALSE(undo->isEnabled());
}

// The keyboard from the overview's filter box: Ctrl+Z undoes the document, Down goes into the
// tree, Enter opens the first field found, and a filter that finds nothing says so; editors
// opened from a menu have their first value field focused.
TEST_F(MainWindowTest, TheKeyboardLeadsFromTheFilterToTheFieldsAndIntoEveryEditor) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"), 0x05)));
    const Image opened = window->document().image;
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* overview = window->findChild<OverviewPane*>();
    auto* filter = overview->findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    QTest::keyClicks(filter, QStringLiteral("ab"));
    window->document().image[500] ^= 1;
    window->refreshModified();
    QTest::keyClick(filter, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->document().image, opened);
    EXPECT_EQ(filter->text(), QStringLiteral("ab"));

    overview->setFilter(QStringLiteral("repeater time-out"));
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_TRUE(overview->tree()->hasFocus());
    EXPECT_EQ(overview->fieldAt(overview->tree()->currentIndex())->key,
              QStringLiteral("timers.base.repeater-time-out"));
    const Opened first = whatOpens([&] { QTest::keyClick(filter, Qt::Key_Return); });
    EXPECT_EQ(first.focusedDescription, QStringLiteral("Repeater Time-Out"));
    overview->setFilter(QStringLiteral("777"));
    auto* none = overview->findChild<QLabel*>(QStringLiteral("lblNoMatch"));
    EXPECT_TRUE(none->isVisible());
    EXPECT_EQ(none->text(), QStringLiteral("No field matches \"777\""));

    EXPECT_EQ(whatOpens([&] { trigger("mnuBaseTimers"); }).focused, QStringLiteral("lblTime0"));
    EXPECT_EQ(whatOpens([&] { trigger("mnuMacros"); }).focused, QStringLiteral("Label2_1"));
}

// The empty window's first steps by keyboard: Open..., a recent file, and a copy of the sample
// saved where the user chooses (proposed in the home folder) and opened; the sample stays as it
// was.
TEST_F(MainWindowTest, TheFirstStartOffersOpenTheRecentFilesAndACopyOfTheSample) {
    const QString recent = makeFile(QStringLiteral("recent.orv"), 0x07);
    store.setValue(QStringLiteral("Projects/File1"), recent);
    const QString sample = makeFile(QStringLiteral("sample.orv"), 0x33);
    start();
    window->show();
    auto* pane = window->findChild<StartPane*>();
    pane->setSample(sample);
    const auto button = [&](const char* name) {
        return pane->findChild<QPushButton*>(QLatin1String(name));
    };
    EXPECT_EQ(window->focusWidget(), button("cmdStartOpen"));
    EXPECT_EQ(button("cmdStartRecent1")->text(), QStringLiteral("&1 ") + recent);
    EXPECT_FALSE(button("cmdStartRecent2")->isVisible());

    prompts.files.push_back(QString());  // the chooser cancelled: nothing opens
    QTest::keyClick(button("cmdStartOpen"), Qt::Key_Return);
    EXPECT_EQ(prompts.lastFilter, QStringLiteral("ORVANE File(s) *.orv) (*.orv)"));
    const QString copy = dir.filePath(QStringLiteral("mine.orv"));
    prompts.files.push_back(copy);
    button("cmdStartSample")->click();
    EXPECT_EQ(prompts.lastChooserStart, QDir::home().filePath(QStringLiteral("sample.orv")));
    EXPECT_EQ(window->document().fileName(), copy);
    EXPECT_EQ(window->document().image[100], 0x33);
    EXPECT_EQ(mod(), QString());
    EXPECT_EQ(TempFiles::read(sample), TempFiles::read(copy));

    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("other.orv"))));
    window->close();
    start();
    window->findChild<StartPane*>()
        ->findChild<QPushButton*>(QStringLiteral("cmdStartRecent2"))
        ->click();
    EXPECT_EQ(window->document().fileName(), copy);
}

// The memory layout switch changes no byte: Undo keeps its steps (one the new layout does not show
// is still taken back exactly), and the overview keeps what was open and selected.
TEST_F(MainWindowTest, TheMemoryLayoutSwitchKeepsTheHistoryAndTheOverviewsPlace) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    const Image opened = window->document().image;
    window->document().image[7200] = 0x42;  // memory save #4, or the area-code table
    window->refreshModified();
    auto* overview = window->findChild<OverviewPane*>();
    QTreeView* tree = overview->tree();
    overview->setFilter(QStringLiteral("repeater time-out"));
    overview->setFilter(QString());
    const QModelIndex timers = tree->model()->index(1, 0);
    tree->expand(timers);
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0, timers)));
    const QString key = overview->fieldAt(tree->currentIndex())->key;

    window->settings().fourMemorySaves = !window->settings().fourMemorySaves;
    window->applyMemoryLayout();
    EXPECT_TRUE(act("mnuUndo")->isEnabled());
    EXPECT_EQ(mod(), QStringLiteral("Mod"));
    EXPECT_TRUE(tree->isExpanded(tree->model()->index(1, 0)));
    ASSERT_TRUE(overview->fieldAt(tree->currentIndex()));
    EXPECT_EQ(overview->fieldAt(tree->currentIndex())->key, key);
    trigger("mnuUndo");
    EXPECT_EQ(window->document().image, opened);
}

// Tools > Check Configuration lists the findings, opens the field of one, follows the fix, and
// tells what keys do.
TEST_F(MainWindowTest, TheCheckListsFindingsOpensTheirFieldsAndFollowsTheFix) {
    start();
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("a.orv"))));
    const Fields::FieldList& fields = Fields::catalogue(window->settings().fourMemorySaves);
    const auto store = [&](const char* key, const char* answer) {
        std::ranges::find(fields, QLatin1String(key), &Fields::Field::key)
            ->store(window->document().image, QLatin1String(answer));
        window->refreshModified();
    };
    store("macros.01.trigger", "*1");
    store("macros.01.command-2", "1112");
    trigger("mnuCheck");
    auto* check = window->findChild<CheckWindow*>();
    ASSERT_TRUE(check);
    const QList<QTreeWidgetItem*> errors =
        check->findings()->findItems(QStringLiteral("error"), Qt::MatchExactly, 0);
    ASSERT_EQ(errors.size(), 1);
    QTreeWidgetItem* error = errors.front();
    EXPECT_EQ(error->text(1), QStringLiteral("Macros, Macro 1"));
    const Opened opened = whatOpens([&] { emit check->findings()->itemActivated(error, 0); });
    EXPECT_EQ(opened.title, QStringLiteral("Macro Commands"));
    EXPECT_EQ(opened.focused, QStringLiteral("Label4_1"));

    check->findChild<QLineEdit*>(QStringLiteral("txtKeys"))->setText(QStringLiteral("*1"));
    ASSERT_EQ(check->keyAnswers()->count(), 1);
    EXPECT_TRUE(check->keyAnswers()->item(0)->text().startsWith(QLatin1String("Macro 1 (*1): ")));
    store("macros.01.command-2", "1110");
    EXPECT_TRUE(
        check->findings()->findItems(QStringLiteral("error"), Qt::MatchExactly, 0).isEmpty());
}
