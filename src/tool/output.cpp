#include "tool/output.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "tool/commandline.h"

namespace Tool {

namespace {

// The length of the valid UTF-8 character that starts at `at`, or 0 when none does there. The
// shortest piece that decodes and encodes back to itself is one whole character: a shorter piece of
// a character decodes as a replacement character, and no valid text starts with an invalid byte.
qsizetype characterLength(const QByteArray& bytes, qsizetype at) {
    for (qsizetype length = 1; length <= 4 && at + length <= bytes.size(); ++length) {
        const QByteArray piece = bytes.mid(at, length);
        if (QString::fromUtf8(piece).toUtf8() == piece) return length;
    }
    return 0;
}

QString escapedByte(unsigned char byte) {
    switch (byte) {
        case '\n':
            return QStringLiteral("\\n");
        case '\t':
            return QStringLiteral("\\t");
        case '\r':
            return QStringLiteral("\\r");
        default:
            return QStringLiteral("\\x%1").arg(int(byte), 2, 16, QLatin1Char('0'));
    }
}

// An argument as a message shows it: each valid character as itself, each byte that belongs to no
// valid character and each control character escaped, so the reader sees which bytes the name
// holds and no name can break a line.
QString shownBytes(const QByteArray& bytes) {
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = characterLength(bytes, at);
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            shown += escapedByte(byte);
            ++at;
        } else {
            shown += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        }
    }
    return shown;
}

}  // namespace

StandardStreams reserveStandardStreams() {
    StandardStreams streams;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        if (fd == STDOUT_FILENO) streams.outputClosed = true;
        // The lower descriptors are taken by now, so /dev/null normally lands on `fd` itself.
        const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
    return streams;
}

int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written > 0) {
            data += written;
            left -= written;
        } else if (written == 0) {
            return ENOSPC;  // nothing taken and no reason given: the device holds no more
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor shared with a program that made it non-blocking: wait for the reader.
            pollfd ready{fd, POLLOUT, 0};
            if (::poll(&ready, 1, -1) < 0 && errno != EINTR) return errno;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

int deliver(int status, const QString& output, const QString& messages,
            const StandardStreams& streams) {
    int outputError = 0;
    if (streams.outputClosed) {
        // Descriptor 1 is /dev/null now, or a file the program opened: never written.
        if (!output.isEmpty()) outputError = EBADF;
    } else {
        outputError = writeAll(STDOUT_FILENO, output.toUtf8());
        // A file on a network file system may report a lost write only when it is closed. Linux
        // releases the descriptor even when close is interrupted, so that is no failure.
        if (::close(STDOUT_FILENO) != 0 && errno != EINTR && outputError == 0) outputError = errno;
    }
    QString text = messages;
    if (outputError != 0)
        text += QStringLiteral("orvtool: standard output: ") +
                QString::fromLocal8Bit(std::strerror(outputError)) + QLatin1Char('\n');
    // When standard error fails too, there is nowhere left to say so.
    writeAll(STDERR_FILENO, text.toUtf8());
    return outputError != 0 ? Failure : status;
}

QString argumentProblem(const QByteArray& argument) {
    if (QFile::encodeName(QFile::decodeName(argument)) == argument) return {};
    return QStringLiteral(
               "\"%1\": this name is not valid UTF-8, so orvtool cannot open or write the file; "
               "rename it first")
        .arg(shownBytes(argument));
}

}  // namespace Tool
