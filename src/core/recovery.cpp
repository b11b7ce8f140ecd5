#include "core/recovery.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <cstdio>
#include <utility>

namespace Recovery {

namespace {

// The heading names the kind of file and its layout; a later layout takes another heading. The
// second adds the memory layout after the images; copies of the first are still read.
constexpr char Heading[] = "ORVANE unsaved document 2\n";
constexpr char FirstHeading[] = "ORVANE unsaved document 1\n";
constexpr int HeadingSize = int(sizeof Heading) - 1;
static_assert(sizeof FirstHeading == sizeof Heading);
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr QCryptographicHash::Algorithm Digest = QCryptographicHash::Sha256;
// Far more than a copy can take (two images and two paths); a larger file is no copy.
constexpr qint64 LargestCopy = 1 << 20;

bool takeImage(const QByteArray& bytes, Image& image) {
    if (bytes.size() != ImageSize) return false;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

}  // namespace

QByteArray encode(const DocumentState& state) {
    QByteArray out(Heading, HeadingSize);
    {
        QDataStream stream(&out, QIODevice::WriteOnly | QIODevice::Append);
        stream.setVersion(StreamVersion);
        const FileIdentity identity = state.identity.value_or(FileIdentity{});
        stream << state.fileName << state.reportFileName << state.nameKnown
               << state.identity.has_value() << identity.exists << quint64(identity.device)
               << quint64(identity.inode) << qint64(identity.size)
               << qint64(identity.modifiedSeconds) << qint64(identity.modifiedNanoseconds)
               << bytesOf(state.image) << bytesOf(state.saved)
               << qint8(state.fourMemorySaves ? 1 + *state.fourMemorySaves : 0);
    }
    return out + QCryptographicHash::hash(out, Digest);
}

std::optional<DocumentState> decode(const QByteArray& bytes) {
    const int digestSize = QCryptographicHash::hashLength(Digest);
    if (bytes.size() < HeadingSize + digestSize || bytes.size() > LargestCopy) return {};
    const bool first = bytes.startsWith(QByteArrayView(FirstHeading, HeadingSize));
    if (!first && !bytes.startsWith(QByteArrayView(Heading, HeadingSize))) return {};
    const QByteArray body = bytes.first(bytes.size() - digestSize);
    if (QCryptographicHash::hash(body, Digest) != bytes.last(digestSize)) return {};

    QDataStream stream(body.sliced(HeadingSize));
    stream.setVersion(StreamVersion);
    DocumentState state;
    bool identityKnown = false;
    FileIdentity identity;
    quint64 device = 0, inode = 0;
    qint64 size = 0, seconds = 0, nanoseconds = 0;
    QByteArray image, saved;
    stream >> state.fileName >> state.reportFileName >> state.nameKnown >> identityKnown >>
        identity.exists >> device >> inode >> size >> seconds >> nanoseconds >> image >> saved;
    qint8 layout = 0;
    if (!first) stream >> layout;
    if (stream.status() != QDataStream::Ok || !stream.atEnd() || layout < 0 || layout > 2)
        return {};
    if (layout > 0) state.fourMemorySaves = layout == 2;
    if (!takeImage(image, state.image) || !takeImage(saved, state.saved)) return {};
    identity.device = device;
    identity.inode = inode;
    identity.size = size;
    identity.modifiedSeconds = seconds;
    identity.modifiedNanoseconds = nanoseconds;
    if (identityKnown) state.identity = identity;
    return state;
}

Found read(const QString& path) {
    const OwnFile file = readOwnFile(path, LargestCopy);
    switch (file.kind) {
        case OwnFile::Kind::Missing:
            return {};
        case OwnFile::Kind::Refused:
            return {Found::Kind::Damaged, {}, file.reason};
        case OwnFile::Kind::Read:
            break;
    }
    std::optional<DocumentState> state = decode(file.bytes);
    if (!state)
        return {Found::Kind::Damaged,
                {},
                QCoreApplication::translate("Recovery", "it is incomplete or changed")};
    return {Found::Kind::Intact, std::move(*state), {}, file.modified};
}

WriteStatus write(const QString& path, const DocumentState& state) {
    return writeOwnFile(path, encode(state));
}

QString olderPath(const QString& path) { return path + QStringLiteral(".older"); }

void Keeper::update(const Document& document) {
    if (!document.isModified()) {
        discard();
        return;
    }
    if (m_sinceWrite.isValid() && m_sinceWrite.elapsed() < WriteGapMs) return;
    keepNow(document);
}

void Keeper::keepNow(const Document& document) {
    if (!document.isModified()) {
        discard();
        return;
    }
    DocumentState state = document.state();
    state.fourMemorySaves = m_fourMemorySaves;
    if (state == m_kept || state == m_failed) return;
    keep(state);
}

void Keeper::keep(const DocumentState& state) {
    m_sinceWrite.start();
    const WriteStatus status = write(m_path, state);
    if (status.ok) {
        m_kept = state;
        m_failed.reset();
        m_failure.clear();
        // The older state is behind the one just kept.
        if (std::exchange(m_olderMade, false)) QFile::remove(olderPath(m_path));
        return;
    }
    // The copy on disk no longer holds the last state: it takes the older name, so a run after a
    // crash offers it for what it is. A rename needs no free space.
    if (m_kept) {
        const QByteArray from = QFile::encodeName(m_path);
        if (::rename(from.constData(), QFile::encodeName(olderPath(m_path)).constData()) == 0)
            m_olderMade = true;
        m_kept.reset();
    }
    // Editing goes on; the next change tries again. Said once until a write succeeds.
    if (m_failure.isEmpty())
        qWarning("The recovery copy %s could not be written: %s", qUtf8Printable(m_path),
                 qUtf8Printable(status.reason));
    m_failure = status.reason;
    m_failed = state;
}

void Keeper::discard() {
    m_failed.reset();
    m_failure.clear();
    if (std::exchange(m_olderMade, false)) QFile::remove(olderPath(m_path));
    if (!m_kept) return;
    QFile::remove(m_path);
    m_kept.reset();
}

}  // namespace Recovery
