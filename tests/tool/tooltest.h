// Runs the built orvtool program on files made for each test, in a temporary folder that also
// holds the program's settings store, and checks afterwards that no input file was touched.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
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

// How a run by runRaw ended: its exit status or the signal that ended it, and its standard error.
struct RawRun {
    int status = -1;
    int signal = 0;
    QString err;
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
                const std::function<void(QProcessEnvironment&)>& adjust = {},
                const QByteArray& standardInput = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        if (adjust) adjust(environment);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingDirectory.isEmpty() ? m_dir.path() : workingDirectory);
        process.start(QStringLiteral(ORVTOOL_PATH), arguments);
        process.write(standardInput);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "orvtool did not finish: " << arguments.join(' ').toStdString();
            return {};
        }
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Runs orvtool in the test folder by fork and exec, for what QProcess cannot arrange: arguments
    // as raw bytes (names that are not UTF-8), standard output on the descriptor `output` or closed
    // (-1), SIGPIPE ignored as a parent may leave it. The environment is the test program's, whose
    // settings and runtime folders are temporary.
    RawRun runRaw(const std::vector<QByteArray>& arguments, int output,
                  bool ignorePipeSignal = false) {
        // Everything the child uses is made before fork: after it, only async-signal-safe calls.
        const QByteArray program = ORVTOOL_PATH, folder = QFile::encodeName(m_dir.path());
        std::vector<char*> argv{const_cast<char*>(program.constData())};
        for (const QByteArray& a : arguments) argv.push_back(const_cast<char*>(a.constData()));
        argv.push_back(nullptr);
        int errPipe[2];
        if (::pipe2(errPipe, O_CLOEXEC) != 0) return {};
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGPIPE, ignorePipeSignal ? SIG_IGN : SIG_DFL);
            ::dup2(errPipe[1], STDERR_FILENO);
            output >= 0 ? ::dup2(output, STDOUT_FILENO) : ::close(STDOUT_FILENO);
            if (::chdir(folder.constData()) == 0) ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(errPipe[1]);
        QByteArray err;
        char buffer[4096];
        for (ssize_t n; (n = ::read(errPipe[0], buffer, sizeof buffer)) != 0;) {
            if (n > 0)
                err.append(buffer, n);
            else if (errno != EINTR)
                break;
        }
        ::close(errPipe[0]);
        int how = 0;
        while (child > 0 && ::waitpid(child, &how, 0) < 0 && errno == EINTR) {
        }
        if (child < 0 || !(WIFEXITED(how) || WIFSIGNALED(how))) return {};
        return {WIFEXITED(how) ? WEXITSTATUS(how) : -1, WIFSIGNALED(how) ? WTERMSIG(how) : 0,
                QString::fromUtf8(err)};
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
