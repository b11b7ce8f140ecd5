// Settings store: keys, defaults, the memory layout normalisation and the recent-file list.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "core/settings.h"
#include "filelimit.h"
#include "imagecheck.h"

namespace {
struct Store {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("o_rv.ini")), QSettings::IniFormat};
};
}  // namespace

TEST(Settings, FirstRunGivesTheDefaults) {
    Store store;
    const Settings s = readSettings(store.settings);
    EXPECT_TRUE(s.fourMemorySaves);
    EXPECT_EQ(s.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(s.fontSize, QStringLiteral("10"));
    for (const QString& file : s.recentFiles) EXPECT_TRUE(file.isEmpty());
}

TEST(Settings, MemoryLayoutIsNormalised) {
    // Only an empty or "1" entry (or none at all) means four memory saves.
    const std::pair<const char*, bool> cases[] = {{"", true},     {"1", true},    {"0", false},
                                                  {"yes", false}, {"2", false},   {"x", false},
                                                  {" 1", false},  {"true", false}};
    for (const auto& [stored, four] : cases) {
        Store store;
        store.settings.setValue(QStringLiteral("Configuration/Memory_4"),
                                QString::fromLatin1(stored));
        EXPECT_EQ(readSettings(store.settings).fourMemorySaves, four) << stored;
    }
}

TEST(Settings, EmptyFontEntriesFallBackToDefaults) {
    Store store;
    store.settings.setValue(QStringLiteral("Printer/FontName"), QString());
    store.settings.setValue(QStringLiteral("Printer/FontSize"), QString());
    const Settings s = readSettings(store.settings);
    EXPECT_EQ(s.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(s.fontSize, QStringLiteral("10"));
}

TEST(Settings, SavedKeysReadBack) {
    Store store;
    Settings s;
    s.fourMemorySaves = false;
    s.fontName = QStringLiteral("Courier New");
    s.fontSize = QStringLiteral("10.5");
    s.recentFiles = {QStringLiteral("/a.orv"), QStringLiteral("/b.orv"), QString(), QString()};
    writeSettings(store.settings, s);
    EXPECT_EQ(store.settings.value(QStringLiteral("Configuration/Memory_4")).toString(), "0");
    EXPECT_EQ(store.settings.value(QStringLiteral("Projects/File2")).toString(), "/b.orv");
    EXPECT_EQ(store.settings.value(QStringLiteral("Startup/Password")).toString().size(), 10);
    const Settings back = readSettings(store.settings);
    EXPECT_EQ(back.fourMemorySaves, s.fourMemorySaves);
    EXPECT_EQ(back.fontName, s.fontName);
    EXPECT_EQ(back.fontSize, s.fontSize);
    EXPECT_EQ(back.recentFiles, s.recentFiles);

    s.fourMemorySaves = true;
    EXPECT_TRUE(writeSettings(store.settings, s));
    EXPECT_EQ(store.settings.value(QStringLiteral("Configuration/Memory_4")).toString(), "1");
    EXPECT_TRUE(readSettings(store.settings).fourMemorySaves);
}

TEST(RecentFiles, NewestFirstKnownPathsKeepTheirPlace) {
    Settings s;
    for (const char* path : {"/1.orv", "/2.orv", "/3.orv", "/4.orv", "/5.orv"})
        s.addRecentFile(QString::fromLatin1(path));
    const std::array<QString, 4> lastFour = {QStringLiteral("/5.orv"), QStringLiteral("/4.orv"),
                                             QStringLiteral("/3.orv"), QStringLiteral("/2.orv")};
    EXPECT_EQ(s.recentFiles, lastFour);
    s.addRecentFile(QStringLiteral("/3.orv"));
    EXPECT_EQ(s.recentFiles, lastFour);
    // The comparison is exact: another spelling is another entry.
    s.addRecentFile(QStringLiteral("/3.ORV"));
    EXPECT_EQ(s.recentFiles[0], QStringLiteral("/3.ORV"));
    EXPECT_EQ(s.recentFiles[3], QStringLiteral("/3.orv"));
}

TEST(RecentFiles, CaptionsShowShortPathsWholeAndLongOnesByTheirEnd) {
    const QString path25 = QStringLiteral("/home/club/repeater1.orv") + QLatin1Char('x');
    ASSERT_EQ(path25.size(), 25);
    EXPECT_EQ(recentFileCaption(1, path25), QStringLiteral("&1 ") + path25);
    const QString path26 = QStringLiteral("/home/club/repeater12.orv") + QLatin1Char('x');
    ASSERT_EQ(path26.size(), 26);
    EXPECT_EQ(recentFileCaption(2, path26), QStringLiteral("&2 ..") + path26.right(25));
    EXPECT_EQ(recentFileCaption(2, path26), QStringLiteral("&2 ..home/club/repeater12.orvx"));
    // An ampersand in a path is shown, not taken as a shortcut.
    EXPECT_EQ(recentFileCaption(3, QStringLiteral("/R&D.orv")), QStringLiteral("&3 /R&&D.orv"));
}

TEST(RecentFiles, ControlCharactersInANameAreShownEscapedAndCounted) {
    // clang-format off
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/a\nb.orv"), QStringLiteral("&1 /a\\nb.orv")},
        {QStringLiteral("/tab\there.orv"), QStringLiteral("&1 /tab\\there.orv")},
        {QStringLiteral("/bell\x07.orv"), QStringLiteral("&1 /bell\\x07.orv")},
        // 25 characters stored, 26 shown: the shown text is cut.
        {QStringLiteral("/home/club/\nrepeater1.orv"), QStringLiteral("&1 ..home/club/\\nrepeater1.orv")},
        {QStringLiteral("/plain\\n.orv"), QStringLiteral("&1 /plain\\n.orv")},  // no control character
    };
    // clang-format on
    for (const auto& [path, caption] : cases) EXPECT_EQ(recentFileCaption(1, path), caption);
}

TEST(Settings, AWriteThatDidNotReachTheDiskIsReported) {
    Store store;
    Settings s;
    s.recentFiles = {QStringLiteral("/club/a.orv"), QStringLiteral("/club/b.orv"), QString(),
                     QString()};
    EXPECT_TRUE(writeSettings(store.settings, s));
    {
        // The disk fills after a few bytes of the settings file.
        const FileSizeLimit limit(40);
        ASSERT_TRUE(limit.active());
        s.fontName = QStringLiteral("Courier New");
        EXPECT_FALSE(writeSettings(store.settings, s));
    }
    // A store whose folder cannot exist: its path runs through a regular file.
    QFile blocker(store.dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QSettings nowhere(store.dir.filePath(QStringLiteral("file/o_rv.ini")), QSettings::IniFormat);
    EXPECT_FALSE(writeSettings(nowhere, s));
}

TEST(Settings, CwSpeedAndPitchAreKeptInTheirOwnSectionWithinTheirRanges) {
    const struct {
        const char *wpm, *pitch;
        int readWpm, readPitch;
    } cases[] = {
        {"", "", 20, 800},         {"5", "300", 5, 300},    {"60", "2000", 60, 2000},
        {"4", "299", 20, 800},     {"61", "2001", 20, 800}, {" 25 ", "1.5", 25, 800},
        {"fast", "-800", 20, 800},
    };
    for (const auto& c : cases) {
        Store store;
        store.settings.setValue(QStringLiteral("Sound/CwWpm"), QString::fromLatin1(c.wpm));
        store.settings.setValue(QStringLiteral("Sound/CwPitch"), QString::fromLatin1(c.pitch));
        const Settings s = readSettings(store.settings);
        EXPECT_EQ(s.cwWpm, c.readWpm) << c.wpm;
        EXPECT_EQ(s.cwPitch, c.readPitch) << c.pitch;
    }
    Store store;
    Settings s;
    s.cwWpm = 13;
    s.cwPitch = 650;
    ASSERT_TRUE(writeSettings(store.settings, s));
    EXPECT_EQ(store.settings.value(QStringLiteral("Sound/CwWpm")).toString(), "13");
    EXPECT_EQ(readSettings(store.settings).cwPitch, 650);
}
