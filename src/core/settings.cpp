#include "core/settings.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/filewriter.h"

void Settings::addRecentFile(const QString& path) {
    if (std::find(recentFiles.begin(), recentFiles.end(), path) != recentFiles.end()) return;
    std::move_backward(recentFiles.begin(), recentFiles.end() - 1, recentFiles.end());
    recentFiles[0] = path;
}

QSettings* openSettingsStore() {
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QString::fromLatin1(SettingKeys::Application),
                         QString::fromLatin1(SettingKeys::Application));
}

static QString fileKey(int n) {
    return QString::fromLatin1(SettingKeys::FileKey) + QString::number(n);
}

Settings readSettings(QSettings& store) {
    Settings s;
    s.password = store.value(QLatin1String(SettingKeys::Password)).toString();
    const QString layout = store.value(QLatin1String(SettingKeys::Memory4)).toString();
    s.fourMemorySaves = layout.isEmpty() || layout == QLatin1String("1");
    s.fontName = store.value(QLatin1String(SettingKeys::FontName)).toString();
    if (s.fontName.isEmpty()) s.fontName = QString::fromLatin1(SettingKeys::DefaultFontName);
    s.fontSize = store.value(QLatin1String(SettingKeys::FontSize)).toString();
    if (s.fontSize.isEmpty()) s.fontSize = QString::fromLatin1(SettingKeys::DefaultFontSize);
    for (int n = 1; n <= RecentFileCount; ++n)
        s.recentFiles[n - 1] = store.value(fileKey(n)).toString();
    // A number in its range, else the default: the store may hold anything.
    const auto number = [&store](const char* key, int lowest, int highest, int fallback) {
        bool ok = false;
        const int value = store.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
        return ok && value >= lowest && value <= highest ? value : fallback;
    };
    s.cwWpm = number(SettingKeys::CwWpm, SettingKeys::SlowestCwWpm, SettingKeys::FastestCwWpm,
                     SettingKeys::DefaultCwWpm);
    s.cwPitch = number(SettingKeys::CwPitch, SettingKeys::LowestCwPitch,
                       SettingKeys::HighestCwPitch, SettingKeys::DefaultCwPitch);
    const QStringList place =
        store.value(QLatin1String(SettingKeys::ComparePosition)).toString().split(QLatin1Char(','));
    bool x = false, y = false;
    if (place.size() == 2) s.comparePosition = QPoint(place[0].toInt(&x), place[1].toInt(&y));
    if (!x || !y) s.comparePosition.reset();
    return s;
}

bool writeSettings(QSettings& store, const Settings& settings) {
    std::vector<std::pair<QString, QString>> values = {
        {QLatin1String(SettingKeys::Password), QLatin1String(SettingKeys::PasswordText)},
        {QLatin1String(SettingKeys::Memory4),
         settings.fourMemorySaves ? QStringLiteral("1") : QStringLiteral("0")},
        {QLatin1String(SettingKeys::FontName), settings.fontName},
        {QLatin1String(SettingKeys::FontSize), settings.fontSize}};
    for (int n = 1; n <= RecentFileCount; ++n)
        values.emplace_back(fileKey(n), settings.recentFiles[n - 1]);
    values.emplace_back(QLatin1String(SettingKeys::CwWpm), QString::number(settings.cwWpm));
    values.emplace_back(QLatin1String(SettingKeys::CwPitch), QString::number(settings.cwPitch));
    const std::optional<QPoint>& place = settings.comparePosition;
    values.emplace_back(
        QLatin1String(SettingKeys::ComparePosition),
        place ? QStringLiteral("%1,%2").arg(place->x()).arg(place->y()) : QString());
    for (const auto& [key, value] : values) store.setValue(key, value);
    store.sync();
    if (store.status() != QSettings::NoError) return false;
    // The store's own status misses a write cut short by a full disk, so the file is read back.
    // Qt keeps the values of a settings file in use in memory, so the bytes now on disk are read
    // through a copy of their own.
    if (store.fileName().isEmpty()) return true;
    QFile file(store.fileName());
    if (!file.open(QIODevice::ReadOnly)) return false;
    QTemporaryFile copy;
    if (!copy.open()) return true;  // nowhere to read the copy from: the store's word stands
    const QByteArray bytes = file.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush()) return true;
    const QSettings written(copy.fileName(), QSettings::IniFormat);
    if (written.status() != QSettings::NoError) return false;
    return std::all_of(values.begin(), values.end(), [&written](const auto& entry) {
        return written.value(entry.first).toString() == entry.second;
    });
}

double printFontPoints(const QString& storedSize) {
    bool ok = false;
    const double size = storedSize.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(size) || size < 1)
        return QString::fromLatin1(SettingKeys::DefaultFontSize).toDouble();
    return std::min(size, 1000.0);
}

QString recentFileCaption(int n, const QString& storedPath) {
    // A "&" inside the path is doubled so the menu shows it instead of taking it as a shortcut; a
    // control character is shown escaped, and the length rule counts what is shown.
    const QString path = visibleFileName(storedPath);
    const QString prefix = QLatin1Char('&') + QString::number(n);
    const auto shown = [](QString text) {
        return text.replace(QLatin1Char('&'), QLatin1String("&&"));
    };
    if (path.size() < 26) return prefix + QLatin1Char(' ') + shown(path);
    return prefix + QLatin1String(" ..") + shown(path.right(25));
}
