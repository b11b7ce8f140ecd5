// Keeps every test program away from the user's own settings and data: the settings store and
// the data folders point at a temporary folder that lives as long as the program.
#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestIsolation {
public:
    TestIsolation() {
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_home.filePath(QStringLiteral("settings")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           m_home.filePath(QStringLiteral("settings")));
    }

private:
    QTemporaryDir m_home;
};
