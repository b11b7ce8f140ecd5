// `orvtool dump` and `orvtool diff`: every field of the catalogue with its shown text, and what
// differs between two images field by field.
#pragma once

#include <QString>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

namespace Dump {

struct Field {
    QString key;               // "timers.base.repeater-time-out"
    QString value;             // exactly the text the dialog shows, leading spaces included
    Fields::ByteRanges bytes;  // the bytes the value is read from
};

// Every field in dump order. The memory layout decides which editors exist: the four memory
// saves, or three and the area-code and prefix tables in the region of the fourth.
std::vector<Field> fields(const Image& image, bool fourMemorySaves);

// "key = value" lines, one per field.
QString dumpText(const std::vector<Field>& fields);

// Every key of the memory layout with the values set and apply take for it, one line each.
QString keysText(bool fourMemorySaves);

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
