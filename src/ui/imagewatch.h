// Where the image changes hands: every place that stores into the document's image (an editor
// after a store, an "OK" that rewrites a table, a copy, a flush, opening a file) asks the watch to
// look, and the watch says which bytes changed since it last looked. Views of the whole
// configuration refresh from it; a look that finds no changed byte says nothing.
#pragma once

#include <QObject>

#include "core/image.h"
#include "formats/fieldtable.h"

class ImageWatch : public QObject {
    Q_OBJECT
public:
    explicit ImageWatch(const Image& image, QObject* parent = nullptr);

    // Compares the image with the bytes seen last and signals the runs that differ, if any.
    void look();

signals:
    void changed(const Fields::ByteRanges& ranges);

private:
    const Image& m_image;
    Image m_seen;
};
