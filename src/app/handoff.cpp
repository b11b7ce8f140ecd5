#include "app/handoff.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("EditorArguments", text); }

constexpr char Answer[] = "ok\n";
constexpr qsizetype AnswerSize = sizeof Answer - 1;

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The socket's address for `path`; false when the path is too long for one.
bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// Waits until `socket` can be read or written (`events`), at most until `deadline`.
bool ready(int socket, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd fd{socket, events, 0};
        const int r = ::poll(&fd, 1, int(deadline.remainingTime()));
        if (r > 0) return true;
        if (r == 0 || errno != EINTR) return false;
    }
}

}  // namespace

// The sockets are plain local (Unix) sockets: a line with the path, answered by "ok".
struct FileReceiver::Sender {
    int socket;
    QSocketNotifier* notifier;
    QByteArray received;
};

EditorArguments parseEditorArguments(const QStringList& arguments, const QString& workingFolder) {
    EditorArguments out;
    QStringList files;
    bool optionsEnd = false;
    for (const QString& argument : arguments) {
        if (!optionsEnd && argument == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd &&
                   (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            return {EditorArguments::Kind::Help, {}, {}};
        } else if (!optionsEnd && argument == QLatin1String("--version")) {
            return {EditorArguments::Kind::Version, {}, {}};
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return {EditorArguments::Kind::Wrong, {}, tr("unknown option %1").arg(argument)};
        } else {
            files << argument;
        }
    }
    if (files.size() > 1)
        return {EditorArguments::Kind::Wrong, {}, tr("only one file can be opened at a time")};
    if (files.size() == 1) {
        if (files[0].isEmpty())
            return {EditorArguments::Kind::Wrong, {}, tr("the file name is empty")};
        // Made absolute, not resolved: the name the user chose is the one the recent list keeps.
        out.file = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(files[0]));
    }
    return out;
}

QString editorUsage() {
    return tr(
        "Usage: orvedit [FILE.orv]\n\n"
        "Opens the ORVANE configuration file FILE.orv after the start, as a recent file "
        "entry would.\nWhen the editor is already running, the file is handed to it.\n\n"
        "Options:\n"
        "  -h, --help  this help\n"
        "  --version   the editor's version and licence\n");
}

FileReceiver::FileReceiver(QObject* parent) : QObject(parent) {}

FileReceiver::~FileReceiver() { close(); }

void FileReceiver::close() {
    while (!m_senders.empty()) drop(m_senders.back().get());
    if (m_listener < 0) return;
    delete m_accepting;
    m_accepting = nullptr;
    ::close(m_listener);
    m_listener = -1;
    ::unlink(QFile::encodeName(m_socketPath).constData());
}

bool FileReceiver::listen(const QString& socketPath, QString* reason) {
    close();
    const auto fail = [&socketPath, reason](const QString& why) {
        qWarning("Files cannot be handed to this copy of the editor at %s: %s",
                 qUtf8Printable(socketPath), qUtf8Printable(why));
        if (reason) *reason = why;
        return false;
    };
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) return fail(tr("the path is too long"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0) return fail(systemError());
    // Called only by the copy that holds the lock, so a socket left there is a dead copy's.
    ::unlink(address.sun_path);
    // Made with no access for anyone but this user, from its first moment.
    const mode_t mask = ::umask(0077);
    const int bound = ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0 || ::listen(listener, 16) != 0) {
        const QString why = systemError();
        ::close(listener);
        return fail(why);
    }
    m_listener = listener;
    m_socketPath = socketPath;
    m_accepting = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &FileReceiver::accept);
    return true;
}

void FileReceiver::accept() {
    for (;;) {
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) return;
        auto sender = std::make_unique<Sender>(Sender{socket, nullptr, {}});
        Sender* taken = sender.get();
        sender->notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
        connect(sender->notifier, &QSocketNotifier::activated, this,
                [this, taken] { take(taken); });
        m_senders.push_back(std::move(sender));
        take(taken);
    }
}

void FileReceiver::take(Sender* sender) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(sender->socket, buffer, sizeof buffer);
        if (n > 0) {
            sender->received.append(buffer, n);
            // A longer message is no path.
            if (sender->received.indexOf('\n') < 0 && sender->received.size() > LongestMessage)
                return drop(sender);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // Ended or failed before its line was whole: nothing to take.
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            if (sender->received.indexOf('\n') < 0) return drop(sender);
        }
        break;
    }
    const qsizetype end = sender->received.indexOf('\n');
    if (end < 0) return;
    if (end > LongestMessage) return drop(sender);
    const QString path = QString::fromUtf8(sender->received.left(end));
    // The answer is three bytes on an idle socket: it goes at once or the sender is gone.
    [[maybe_unused]] const ssize_t answered =
        ::send(sender->socket, Answer, AnswerSize, MSG_NOSIGNAL);
    drop(sender);
    if (path.isEmpty()) return;
    m_waiting << path;
    deliver();
}

void FileReceiver::drop(Sender* sender) {
    // The notifier may be the one whose signal is running: it goes once that has returned.
    sender->notifier->setEnabled(false);
    sender->notifier->deleteLater();
    ::close(sender->socket);
    std::erase_if(m_senders,
                  [sender](const std::unique_ptr<Sender>& s) { return s.get() == sender; });
}

void FileReceiver::setHandler(std::function<void(const QString&)> handler) {
    m_handler = std::move(handler);
    deliver();
}

void FileReceiver::deliver() {
    // One at a time: a handler that asks a question runs the event loop, where the next file may
    // arrive; it waits for the question's end.
    if (!m_handler || m_delivering) return;
    m_delivering = true;
    while (!m_waiting.isEmpty()) m_handler(m_waiting.takeFirst());
    m_delivering = false;
}

std::optional<QString> nameEncodingProblem(const QByteArray& name) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder(name);
    if (!decoder.hasError()) return std::nullopt;
    // The bytes as a shell reads them back, and a name that is UTF-8 in their place.
    QString quoted = QStringLiteral("$'");
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\'' && c != '\\')
            quoted += QLatin1Char(c);
        else
            quoted += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    quoted += QLatin1Char('\'');
    decoded.replace(QChar::ReplacementCharacter, QLatin1Char('_'));
    decoded.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return tr("the name of the file %1 is not UTF-8, and the editor opens only files whose names "
              "are. Rename it, for example:\n\n    mv -- %1 '%2'\n")
        .arg(quoted, decoded);
}

std::optional<QString> handoverProblem(const QString& path) {
    if (path.contains(QLatin1Char('\n')))
        return tr(
            "its name holds a line break, which the running editor would take for the end "
            "of the name; rename the file without it");
    return std::nullopt;
}

bool handFileOver(const QString& socketPath, const QString& path, QString* reason, int timeoutMs) {
    if (const std::optional<QString> problem = handoverProblem(path)) {
        if (reason) *reason = *problem;
        return false;
    }
    const auto fail = [reason](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) return fail(tr("the socket's path is too long"));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return fail(systemError());
    const std::unique_ptr<const int, void (*)(const int*)> closing(
        &socket, [](const int* s) { ::close(*s); });
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return fail(systemError());
    const QDeadlineTimer deadline(timeoutMs);
    const QString late = tr("the running editor did not answer in time");
    const QByteArray message = path.toUtf8() + '\n';
    for (qsizetype sent = 0; sent < message.size();) {
        if (!ready(socket, POLLOUT, deadline)) return fail(late);
        const ssize_t n = ::send(socket, message.constData() + sent,
                                 std::size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR && errno != EAGAIN) return fail(systemError());
        if (n > 0) sent += n;
    }
    QByteArray answer;
    while (!answer.endsWith('\n')) {
        if (!ready(socket, POLLIN, deadline)) return fail(late);
        char buffer[16];
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n == 0) break;
        if (n < 0 && errno != EINTR) return fail(systemError());
        if (n > 0) answer.append(buffer, n);
    }
    if (answer != Answer) return fail(tr("the running editor gave no answer"));
    return true;
}
