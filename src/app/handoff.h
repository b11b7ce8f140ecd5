// The editor's command line (one configuration file, as a file manager passes it) and the way a
// later start hands that file to the copy already running.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

struct EditorArguments {
    enum class Kind { Run, Help, Version, Wrong };
    Kind kind = Kind::Run;
    QString file;     // absolute; empty when no file was named
    QString message;  // for Wrong: what is wrong with the command line
};

// Reads the arguments after the program's name; a relative FILE is taken from `workingFolder`.
EditorArguments parseEditorArguments(const QStringList& arguments, const QString& workingFolder);
// The command line's summary, for --help and beside a wrong command line.
QString editorUsage();

// The running copy's end: takes each path a later start sends, answers at once (so the sender
// can end), and passes the paths on in order once a handler is set; until then they wait, so a
// file handed over during the splash is opened once the window is ready.
class FileReceiver : public QObject {
    Q_OBJECT
public:
    explicit FileReceiver(QObject* parent = nullptr);
    ~FileReceiver() override;

    // Listens at `socketPath`, which only this user may reach; false with the reason when it
    // cannot.
    bool listen(const QString& socketPath, QString* reason = nullptr);
    // Stops listening and removes the socket (the program ends).
    void close();
    void setHandler(std::function<void(const QString&)> handler);

    // The longest path taken; a longer message is no path and is dropped.
    static constexpr int LongestMessage = 16384;

private:
    struct Sender;  // one connection from a later start, and what it sent so far
    void accept();
    void take(Sender* sender);
    void drop(Sender* sender);
    void deliver();

    int m_listener = -1;
    QString m_socketPath;
    QSocketNotifier* m_accepting = nullptr;
    std::vector<std::unique_ptr<Sender>> m_senders;
    QStringList m_waiting;
    std::function<void(const QString&)> m_handler;
    bool m_delivering = false;
};

// Why the file named on the command line by these bytes cannot be opened: its name is not UTF-8
// (the system's names are bytes; the editor's are text). The reason gives the command that renames
// it; nothing when the name is UTF-8.
std::optional<QString> nameEncodingProblem(const QByteArray& name);

// Why `path` cannot be handed over as it is given (a line break in it would end the message
// early); nothing when it can.
std::optional<QString> handoverProblem(const QString& path);

// Sends `path` to the copy listening at `socketPath` and waits for its answer; false with the
// reason when no copy took it.
bool handFileOver(const QString& socketPath, const QString& path, QString* reason,
                  int timeoutMs = 5000);
