// Where the image changes hands: every place that stores into the document's image (an editor
// after a store, an "OK" that rewrites a table, a copy, a flush, opening a file) asks the watch to
// look, and the watch says which bytes changed since it last looked. Views of the whole
// configuration refresh from it; a look that finds no changed byte says nothing.
//
// Each look that finds a change is also one step of the undo history: the bytes before and after
// of the runs that changed, under a name ("Repeater Time-Out", "Flush Macro Memory"). Undo and
// redo write those bytes back and say so like any other change.
#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <deque>
#include <functional>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

class ImageWatch : public QObject {
    Q_OBJECT
public:
    // The history keeps the last this many steps.
    static constexpr int StepLimit = 1000;

    explicit ImageWatch(Image& image, QObject* parent = nullptr);

    // Compares the image with the bytes seen last; a change becomes one step named `step` (or,
    // without a name, as the namer calls it, else `fallback`) and is signalled.
    void look(const QString& step = {}, const QString& fallback = {});
    // Names a step for a look that gave none.
    void setNamer(
        std::function<QString(const Image& before, const Image& after, const Fields::ByteRanges&)>
            namer) {
        m_namer = std::move(namer);
    }

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    QString undoName() const { return canUndo() ? m_done.back().name : QString(); }
    QString redoName() const { return canRedo() ? m_undone.back().name : QString(); }
    // Writes back the bytes before the last step (after the last undone one).
    void undo();
    void redo();
    // The keys of Undo and Redo, in the main window and in every editor.
    static QList<QKeySequence> undoKeys();
    static QList<QKeySequence> redoKeys();
    // Forgets every step (another file, another memory layout); what the image holds now is seen.
    void clearHistory();

signals:
    void changed(const Fields::ByteRanges& ranges);
    // An undo or a redo changed these bytes: the dialogs read their fields again.
    void restored(const Fields::ByteRanges& ranges);
    void historyChanged();

private:
    struct Piece {
        int first = 0;
        QByteArray before;
        QByteArray after;
    };
    struct Step {
        QString name;
        std::vector<Piece> pieces;
    };
    void write(const Step& step, bool forward);
    // Moves the last step of `from` to `to` and writes it, forward (redo) or back (undo).
    void move(std::deque<Step>& from, std::deque<Step>& to, bool forward);

    Image& m_image;
    Image m_seen;
    std::deque<Step> m_done;
    std::deque<Step> m_undone;
    std::function<QString(const Image&, const Image&, const Fields::ByteRanges&)> m_namer;
};
