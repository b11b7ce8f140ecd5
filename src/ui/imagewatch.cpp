#include "ui/imagewatch.h"

ImageWatch::ImageWatch(Image& image, QObject* parent)
    : QObject(parent), m_image(image), m_seen(image) {}

void ImageWatch::look(const QString& step, const QString& fallback) {
    if (m_image == m_seen) return;
    const Fields::ByteRanges ranges = Fields::differingRanges(m_seen, m_image);
    Step done{step, {}};
    if (done.name.isEmpty() && m_namer) done.name = m_namer(m_seen, m_image, ranges);
    if (done.name.isEmpty()) done.name = fallback.isEmpty() ? tr("Change") : fallback;
    for (const Fields::ByteRange& range : ranges)
        done.pieces.push_back({range.first, bytesOf(m_seen, range.first, range.length),
                               bytesOf(m_image, range.first, range.length)});
    m_seen = m_image;
    m_done.push_back(std::move(done));
    if (int(m_done.size()) > StepLimit) m_done.pop_front();
    m_undone.clear();
    emit changed(ranges);
    emit historyChanged();
}

void ImageWatch::write(const Step& step, bool forward) {
    Fields::ByteRanges ranges;
    for (const Piece& piece : step.pieces) {
        const QByteArray& bytes = forward ? piece.after : piece.before;
        for (int i = 0; i < bytes.size(); ++i)
            m_image[piece.first + i] = static_cast<std::uint8_t>(bytes[i]);
        ranges.push_back({piece.first, int(bytes.size())});
    }
    m_seen = m_image;
    emit changed(ranges);
    emit restored(ranges);
    emit historyChanged();
}

void ImageWatch::move(std::deque<Step>& from, std::deque<Step>& to, bool forward) {
    // A store not yet looked at is a step of its own first (and ends the redo history).
    look();
    if (from.empty()) return;
    to.push_back(std::move(from.back()));
    from.pop_back();
    write(to.back(), forward);
}

void ImageWatch::undo() { move(m_done, m_undone, false); }

void ImageWatch::redo() { move(m_undone, m_done, true); }

QList<QKeySequence> ImageWatch::undoKeys() { return {QKeySequence(Qt::CTRL | Qt::Key_Z)}; }

QList<QKeySequence> ImageWatch::redoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

void ImageWatch::clearHistory() {
    m_seen = m_image;
    m_done.clear();
    m_undone.clear();
    emit historyChanged();
}
