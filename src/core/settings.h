// The editor's persistent choices (memory layout, print font, recent files), kept in the per-user
// settings store under the application "O_RV"; read once at start-up, written once at the end.
#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

class QSettings;

namespace SettingKeys {
inline constexpr char Application[] = "O_RV";
inline constexpr char Password[] = "Startup/Password";
inline constexpr char Memory4[] = "Configuration/Memory_4";
inline constexpr char FontName[] = "Printer/FontName";
inline constexpr char FontSize[] = "Printer/FontSize";
inline constexpr char FileKey[] = "Projects/File";  // followed by 1..4
inline constexpr char DefaultFontName[] = "Arial";
inline constexpr char DefaultFontSize[] = "10";
// Written under Startup/Password at every end; nothing reads it back.
inline constexpr char PasswordText[] = "ORVANE-DX1";
// The editor's own: how the CW identification is played (words per minute, pitch in hertz).
inline constexpr char CwWpm[] = "Sound/CwWpm";
inline constexpr char CwPitch[] = "Sound/CwPitch";
// Where the user put the compare window: "x,y" of its frame, empty until it was moved.
inline constexpr char ComparePosition[] = "Windows/ComparePosition";
inline constexpr int DefaultCwWpm = 20;
inline constexpr int DefaultCwPitch = 800;
inline constexpr int SlowestCwWpm = 5, FastestCwWpm = 60;
inline constexpr int LowestCwPitch = 300, HighestCwPitch = 2000;
}  // namespace SettingKeys

inline constexpr int RecentFileCount = 4;

struct Settings {
    QString password;
    bool fourMemorySaves = true;  // false: area codes and prefix tables in memory save #4's place
    QString fontName = QString::fromLatin1(SettingKeys::DefaultFontName);
    QString fontSize = QString::fromLatin1(SettingKeys::DefaultFontSize);
    std::array<QString, RecentFileCount> recentFiles;  // [0] is the most recent
    int cwWpm = SettingKeys::DefaultCwWpm;             // within SlowestCwWpm..FastestCwWpm
    int cwPitch = SettingKeys::DefaultCwPitch;         // within LowestCwPitch..HighestCwPitch
    std::optional<QPoint> comparePosition;             // none until the user moved it

    // Enters a path at the top of the recent-file list unless it is already listed.
    void addRecentFile(const QString& path);
};

// The store the editor uses: the per-user native store of the application "O_RV".
QSettings* openSettingsStore();

// Reads every key, takes "Memory_4" as four memory saves when it is missing, empty or "1" (anything
// else means area codes) and fills in the font defaults.
Settings readSettings(QSettings& store);
// Writes every key, the memory layout as "1" or "0", and checks that the store holds them; false
// when they could not be written (a read-only folder, a full disk).
bool writeSettings(QSettings& store, const Settings& settings);

// The print font size in points that a stored size stands for: the number when it is one from 1 up
// (at most 1000), else the default size; the store may hold anything.
double printFontPoints(const QString& storedSize);

// Menu caption of recent-file entry n (1..4) for a stored path.
QString recentFileCaption(int n, const QString& path);
