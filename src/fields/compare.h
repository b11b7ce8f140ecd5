// Comparing the open document with another configuration file, field by field, and copying the
// other file's values into the document through the fields' own store rules.
#pragma once

#include <QString>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

namespace Compare {

// A field whose shown value differs between the document and the other file.
struct Row {
    std::size_t field = 0;  // index in the catalogue of the memory layout
    QString mine;           // what the document's dialog shows
    QString theirs;         // what the other file's would show
    // Why "Copy to Document" cannot take the other file's value for a field only shown (a
    // review, an overview column); empty for a field the user sets.
    QString shownOnly;
};

struct Comparison {
    bool identical = true;  // byte for byte
    std::vector<Row> rows;  // in catalogue order
    int otherBytes = 0;     // differing bytes no differing field is read from
};

Comparison compare(const Image& document, const Image& other, bool fourMemorySaves);

// Why the other file's values of `fields` (catalogue indexes) cannot be copied into `document`
// (a field only shown, a value its store refuses); empty when they can.
QString copyRefusal(const Image& document, const Image& other,
                    const std::vector<std::size_t>& fields, bool fourMemorySaves);
// Stores the other file's values of `fields` into `document`, each as if entered in its dialog,
// all or nothing; the reason when refused, else empty.
QString copyToDocument(Image& document, const Image& other, const std::vector<std::size_t>& fields,
                       bool fourMemorySaves);

}  // namespace Compare
