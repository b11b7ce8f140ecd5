#include "core/settings.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

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
    const QString memory4 = store.value(QLatin1String(SettingKeys::Memory4)).toString();
    s.memory4 = (memory4.isEmpty() || memory4 == QLatin1String("1")) ? QStringLiteral("1")
                                                                     : QStringLiteral("0");
    s.fontName = store.value(QLatin1String(SettingKeys::FontName)).toString();
    if (s.fontName.isEmpty()) s.fontName = QString::fromLatin1(SettingKeys::DefaultFontName);
    s.fontSize = store.value(QLatin1String(SettingKeys::FontSize)).toString();
    if (s.fontSize.isEmpty()) s.fontSize = QString::fromLatin1(SettingKeys::DefaultFontSize);
    for (int n = 1; n <= RecentFileCount; ++n)
        s.recentFiles[n - 1] = store.value(fileKey(n)).toString();
    return s;
}

void writeSettings(QSettings& store, const Settings& settings) {
    store.setValue(QLatin1String(SettingKeys::Password), QLatin1String(SettingKeys::PasswordText));
    store.setValue(QLatin1String(SettingKeys::Memory4), settings.memory4);
    store.setValue(QLatin1String(SettingKeys::FontName), settings.fontName);
    store.setValue(QLatin1String(SettingKeys::FontSize), settings.fontSize);
    for (int n = 1; n <= RecentFileCount; ++n)
        store.setValue(fileKey(n), settings.recentFiles[n - 1]);
    store.sync();
}

double printFontPoints(const QString& storedSize) {
    bool ok = false;
    const double size = storedSize.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(size) || size < 1)
        return QString::fromLatin1(SettingKeys::DefaultFontSize).toDouble();
    return std::min(size, 1000.0);
}

QString recentFileCaption(int n, const QString& path) {
    // A "&" inside the path is doubled so the menu shows it instead of taking it as a shortcut.
    const QString prefix = QLatin1Char('&') + QString::number(n);
    const auto shown = [](QString text) {
        return text.replace(QLatin1Char('&'), QLatin1String("&&"));
    };
    if (path.size() < 26) return prefix + QLatin1Char(' ') + shown(path);
    return prefix + QLatin1String(" ..") + shown(path.right(25));
}
