// Runs the built orvtool program on files made for each test, in a temporary folder that also
// holds the program's settings store, and checks afterwards that no input file was touched.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <utility>
#include <vector>

#include "core/image.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

inline void putBytes(Image& image, int offset, std::initializer_list<int> bytes) {
    for (int b : bytes) image[offset++] = static_cast<std::uint8_t>(b);
}

// A voice word string: the count, then each word number as its bank and index bytes.
inline void putWords(Image& image, int offset, std::initializer_list<int> numbers) {
    image[offset] = static_cast<std::uint8_t>(numbers.size());
    int at = offset + 1;
    for (int n : numbers) putBytes(image, std::exchange(at, at + 2), {n / 100, n % 100});
}

// A line with each text starting at its column (the first column is 1).
inline QString cols(std::initializer_list<std::pair<int, QString>> texts) {
    QString line;
    for (const auto& [column, text] : texts) {
        line = line.leftJustified(column - 1, QLatin1Char(' '));
        line += text;
    }
    return line;
}

// A title centred in the 80 columns of the plain-text report.
inline QString centred(const QString& title) {
    return QString((80 - title.size()) / 2, QLatin1Char(' ')) + title;
}

class ToolTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString configHome() const { return m_dir.filePath(QStringLiteral("config")); }

    // Writes a file the program is given; TearDown checks that it is left exactly as it was.
    QString input(const QString& name, const QByteArray& bytes) {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
            << name.toStdString();
        out.close();
        m_inputs.push_back({file, bytes, fileState(file)});
        return file;
    }
    QString input(const QString& name, const Image& image) {
        return input(name, QByteArray(reinterpret_cast<const char*>(image.data()), ImageSize));
    }

    // A value in the program's settings store (the native store of the application "O_RV").
    void setSetting(const QString& key, const QString& value) {
        QSettings store(configHome() + QStringLiteral("/O_RV/O_RV.conf"), QSettings::IniFormat);
        store.setValue(key, value);
        store.sync();
    }

    ToolRun run(const QStringList& arguments, const QString& workingDirectory = QString(),
                const std::function<void(QProcessEnvironment&)>& adjust = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        if (adjust) adjust(environment);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingDirectory.isEmpty() ? m_dir.path() : workingDirectory);
        process.start(QStringLiteral(ORVTOOL_PATH), arguments);
        ToolRun result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "orvtool did not finish: " << arguments.join(' ').toStdString();
            return result;
        }
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    void TearDown() override {
        for (const Input& kept : m_inputs) {
            QFile file(kept.path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << kept.path.toStdString();
            EXPECT_TRUE(file.readAll() == kept.bytes) << "changed: " << kept.path.toStdString();
            EXPECT_TRUE(fileState(kept.path) == kept.state)
                << "rewritten or touched: " << kept.path.toStdString();
        }
    }

private:
    // Inode and modification and change times: a file written anew, even with the same bytes,
    // differs in one of them.
    struct FileState {
        long long inode = 0, modifiedSeconds = 0, modifiedNanoseconds = 0, changedSeconds = 0,
                  changedNanoseconds = 0;
        bool operator==(const FileState&) const = default;
    };
    static FileState fileState(const QString& file) {
        struct stat info {};
        if (::stat(QFile::encodeName(file).constData(), &info) != 0) return {};
        return {static_cast<long long>(info.st_ino), info.st_mtim.tv_sec, info.st_mtim.tv_nsec,
                info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
    }
    struct Input {
        QString path;
        QByteArray bytes;
        FileState state;
    };

    QTemporaryDir m_dir;
    std::vector<Input> m_inputs;
};
