// The check of a configuration as a whole, before it goes into the controller: commands the
// catalogue does not name, references to macros, messages and memory saves that are not there,
// macros that execute each other without end, codes that collide, scheduled events the calendar
// cannot reach and entries left half made. Each finding names the fields it concerns by their keys,
// so every view can say where it lives and open it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/image.h"

namespace Check {

enum class Severity {
    Error,    // the entry asks for something the catalogue or the tables cannot give
    Warning,  // very likely not what the owner meant
    Note,     // worth knowing
};

struct Finding {
    Severity severity;
    QStringList keys;  // the fields concerned, the first the one to open
    QString message;   // one sentence that begins with the place

    bool operator==(const Finding&) const = default;
};

// "error", "warning", "note".
QString severityWord(Severity severity);

// Every finding in the image under a memory layout, in the order of the first field each concerns
// (the order of orvtool's listings).
std::vector<Finding> check(const Image& image, bool fourMemorySaves);

// What keys keyed on the radio do in a block (0 Base, 1..4 the memory saves): every control code
// of the block (the unlock number in Base) and every macro trigger equal to them or beginning with
// them, and every code they begin with ("*705": the prefix, then "05"); a trigger with its macro's
// commands as their reviews read. One line each, the exact matches first.
QStringList whatKeysDo(const Image& image, const QString& keys, int block);

}  // namespace Check
