#include "app/handoff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("EditorArguments", text); }

constexpr char Answer[] = "ok\n";

}  // namespace

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
        "  --version   the editor's version\n");
}

FileReceiver::FileReceiver(QObject* parent) : QObject(parent) {}

FileReceiver::~FileReceiver() = default;

bool FileReceiver::listen(const QString& socketPath) {
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Called only by the copy that holds the lock, so a socket left there is a dead copy's.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        qWarning("Files cannot be handed to this copy of the editor at %s: %s",
                 qUtf8Printable(socketPath), qUtf8Printable(m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { take(socket); });
            take(socket);
        }
    });
    return true;
}

void FileReceiver::take(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > LongestMessage) socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(LongestMessage + 1);
    if (!line.endsWith('\n')) {
        socket->abort();
        return;
    }
    socket->write(Answer);
    socket->flush();
    socket->disconnectFromServer();
    const QString path = QString::fromUtf8(line.chopped(1));
    if (path.isEmpty()) return;
    m_waiting << path;
    deliver();
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

bool handFileOver(const QString& socketPath, const QString& path, QString* reason, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    const auto fail = [&socket, reason] {
        if (reason) *reason = socket.errorString();
        return false;
    };
    if (!socket.waitForConnected(timeoutMs)) return fail();
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return fail();
    QByteArray answer;
    while (!answer.endsWith('\n')) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(timeoutMs)) return fail();
        answer += socket.readAll();
    }
    if (answer != Answer) {
        if (reason) *reason = tr("the running editor gave no answer");
        return false;
    }
    return true;
}
