// Runs the built orvtool program on files made for each test, in a temporary folder that also
// holds the program's settings store, and checks afterwards that no input file was touched.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/image.h"
#include "imagecheck.h"  // bytesOf, PrintTo for QString

struct ToolRun {
    int status = -1;
    QString out, err;
};

inline void putBytes(Image& image, int offset, std::initializer_list<int> bytes) {
    for (int b : bytes) image[offset++] = static_cast<std::uint8_t>(b);
}

// A voice word string: the count, then each word number as its bank and index bytes.
inline void putWords(Image& image, int offset, std::initializer_list<int> numbers) {
    image[offset] = static_cast<std::uint8_t>(numbers.size());
    int at = offset - 1;
    for (int n : numbers) putBytes(image, at += 2, {n / 100, n % 100});
}

class ToolTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Writes a file the program is given; TearDown checks that it is left exactly as it was.
    QString input(const QString& name, const QByteArray& bytes) {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        m_inputs.push_back({out.fileName(), bytes, fileState(out.fileName())});
        return out.fileName();
    }
    QString input(const QString& name, const Image& image) { return input(name, bytesOf(image)); }

    // A value in the program's settings store (the native store of the application "O_RV").
    void setSetting(const QString& key, const QString& value) {
        QSettings(path(QStringLiteral("config/O_RV/O_RV.conf")), QSettings::IniFormat)
            .setValue(key, value);
    }

    ToolRun run(const QStringList& arguments, const QString& workingDirectory = QString(),
                const std::function<void(QProcessEnvironment&)>& adjust = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        if (adjust) adjust(environment);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingDirectory.isEmpty() ? m_dir.path() : workingDirectory);
        process.start(QStringLiteral(ORVTOOL_PATH), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "orvtool did not finish: " << arguments.join(' ').toStdString();
            return {};
        }
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    void TearDown() override {
        for (const auto& [file, bytes, state] : m_inputs) {
            QFile kept(file);
            EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes)
                << "changed: " << file.toStdString();
            EXPECT_TRUE(fileState(file) == state) << "written: " << file.toStdString();
        }
    }

private:
    // Inode, modification and change times: a file written anew, even with the same bytes,
    // differs in one of them.
    using FileState = std::tuple<long long, long long, long long, long long, long long>;
    static FileState fileState(const QString& file) {
        struct stat s {};
        ::stat(QFile::encodeName(file).constData(), &s);
        return {s.st_ino, s.st_mtim.tv_sec, s.st_mtim.tv_nsec, s.st_ctim.tv_sec, s.st_ctim.tv_nsec};
    }

    QTemporaryDir m_dir;
    std::vector<std::tuple<QString, QByteArray, FileState>> m_inputs;
};
