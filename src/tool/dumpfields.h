// Every value the editors show, each under a stable key, read with the editors' own decoders: the
// key table of `orvtool dump` and `orvtool diff`, with the bytes each value is read from.
#pragma once

#include <QString>
#include <vector>

#include "core/image.h"

namespace Dump {

// A run of image bytes a value is read from.
struct ByteRange {
    int first = 0;
    int length = 0;
};

struct Field {
    QString key;    // "timers.base.repeater-time-out"
    QString value;  // exactly the text the dialog shows, leading spaces included
    std::vector<ByteRange> bytes;
};

// The block names of the keys: "base", "mem1" .. "mem4".
QString blockKey(int block);
// A caption as a key word: lower case, every run of other characters than letters and digits
// made one dash, none at the ends ("Repeater Time-Out" -> "repeater-time-out").
QString keyWord(const QString& caption);

// Every field in dump order. The memory layout decides which editors exist: the four memory
// saves, or three and the area-code and prefix tables in the region of the fourth.
std::vector<Field> fields(const Image& image, bool fourMemorySaves);

// "key = value" lines, one per field.
QString dumpText(const std::vector<Field>& fields);

// What differs between two images, field by field.
struct Change {
    QString key;
    QString before;
    QString after;
};
struct Difference {
    bool identical = true;  // byte for byte
    std::vector<Change> changes;
    // Differing bytes that no changed field is read from: regions no editor uses, bits and bytes
    // a value does not depend on.
    int otherBytes = 0;
};
Difference difference(const Image& before, const Image& after, bool fourMemorySaves);

// "key: old -> new" lines, then the number of the other differing bytes; empty when identical.
QString differenceText(const Difference& difference);

}  // namespace Dump
