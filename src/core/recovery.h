// The recovery copy: the unsaved document kept in the editor's data folder while it differs from
// its file, so a run that ends without the user's leave (a crash, a power cut, a signal) loses
// nothing; the next run offers it back.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <optional>

#include "core/document.h"

namespace Recovery {

// The copy's bytes: a fixed heading, the document's state and a SHA-256 digest of all that, so a
// copy cut short or changed in any byte is known as damaged.
QByteArray encode(const DocumentState& state);
// The state a copy holds, or nothing when its bytes are not a whole, intact copy.
std::optional<DocumentState> decode(const QByteArray& bytes);

struct Found {
    enum class Kind { None, Intact, Damaged };
    Kind kind = Kind::None;
    DocumentState state;    // for Intact
    QString reason;         // for Damaged: what is wrong with it
    long long written = 0;  // for Intact: when it was written, in seconds since 1970
};

// Reads the copy at `path`: None when there is none. Only a regular file of the running user is
// read, never through a link and never waiting on a pipe; anything else there is Damaged.
Found read(const QString& path);
// Writes the copy, readable by its owner only (it holds the unlock and control codes): a whole
// new file takes the path by a rename, so an earlier copy is replaced only by a whole new one and
// a link at the path is replaced, never written through.
WriteStatus write(const QString& path, const DocumentState& state);

// Where the copy kept last goes when a later state cannot be written: the next run offers it as
// an older state, never as the last one.
QString olderPath(const QString& path);
// Where a copy that cannot be used is put aside, so nothing of it is lost.
inline constexpr char UnreadableSuffix[] = ".unreadable";

// Keeps the copy at one path in step with the open document: written once the document differs
// from its file and again after each change (at most twice a second), removed once it no
// longer differs or the user let its changes go.
class Keeper {
public:
    explicit Keeper(QString path) : m_path(std::move(path)) {}

    // Looks at the document; called often (the modified check's tick).
    void update(const Document& document);
    // Writes the copy now, whatever the time since the last one (the program is about to end).
    void keepNow(const Document& document);
    // The changes are saved or let go: the copy this run wrote goes.
    void discard();
    // The older copy an earlier run left is this run's from now on (its state was taken up): it
    // goes once a later state is kept, or the changes are saved or let go.
    void adoptOlder() { m_olderMade = true; }
    // The memory layout the document is edited in, kept with its state.
    void setMemoryLayout(bool fourMemorySaves) { m_fourMemorySaves = fourMemorySaves; }

    const QString& path() const { return m_path; }
    // The state the copy on disk holds, when this run wrote one.
    const std::optional<DocumentState>& kept() const { return m_kept; }
    // Why the last write failed, from that write until one succeeds or the changes are saved or
    // let go; empty while the unsaved changes are kept.
    const QString& failure() const { return m_failure; }

    // The shortest time between two writes while editing goes on.
    static constexpr int WriteGapMs = 500;

private:
    void keep(const DocumentState& state);

    QString m_path;
    std::optional<DocumentState> m_kept;
    std::optional<bool> m_fourMemorySaves;
    std::optional<DocumentState> m_failed;  // a state that could not be written: not retried
    QString m_failure;
    bool m_olderMade = false;  // this run renamed its copy to the older one
    QElapsedTimer m_sinceWrite;
};

}  // namespace Recovery
