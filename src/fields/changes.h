// Changes written as text: "key = value" lines as `orvtool dump` prints them, stored into an image
// field by field through the field tables' own store rules, all or nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/image.h"

namespace Changes {

// One change: the line (or argument) it was given on, the key and the value as dump writes it.
struct Line {
    int number = 0;
    QString key;
    QString value;
};

// Why a line was refused.
struct Refusal {
    int line = 0;
    QString key;
    QString reason;
};

struct Request {
    std::vector<Line> lines;
    std::vector<Refusal> refusals;  // lines that are no "key = value"
};

// The lines of a changes text: blank lines and lines starting with "#" are skipped; the value
// follows the one space after " =", its further leading spaces kept (as dump writes them).
Request readText(const QString& text);
// The KEY=VALUE arguments of `orvtool set`, numbered from 1; the value is all after the first "=".
Request readArguments(const QStringList& arguments);

struct Outcome {
    Image image;                    // the changed image; the original one when anything was refused
    std::vector<Refusal> refusals;  // in line order
};

// Applies the lines in order to `image` under the memory layout in effect. A line whose value is
// what its field shows at that point writes nothing; any other is stored by its field's rule, as
// the editor would store what the user entered, and must show its value afterwards. Fields shown
// only are checked after every store. An unknown key, a key given twice or a refused value refuses
// the whole change.
Outcome apply(const Image& image, const std::vector<Line>& lines, bool fourMemorySaves);

// "CHANGES:LINE: KEY: reason" lines (or "argument N" for `set`), one per refusal up to
// MostRefusalsNamed, then how many more there are.
inline constexpr int MostRefusalsNamed = 200;
QString refusalText(const std::vector<Refusal>& refusals, const QString& source);

}  // namespace Changes
