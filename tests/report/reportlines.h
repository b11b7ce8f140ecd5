// Expected report lines for the report tests, written the way the listing is laid out: texts at
// character columns, titles centred in 80 columns, the heading lines of every page.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "core/image.h"
#include "imagecheck.h"
#include "report/report.h"

// A line with each text starting at its column (the first column is 1).
inline QString cols(std::initializer_list<std::pair<int, QString>> texts) {
    QString line;
    for (const auto& [column, text] : texts) {
        line = line.leftJustified(column - 1, QLatin1Char(' '));
        line += text;
    }
    return line;
}

inline QString centred(const QString& title) {
    return QString((80 - title.size()) / 2, QLatin1Char(' ')) + title;
}

// The six lines of a page heading: a line break, the file and date lines, a line break.
inline QStringList pageHeading(const QString& file, const QString& date) {
    return {QString(),
            QString(),
            cols({{8, QStringLiteral("File: ") + file}}),
            cols({{8, QStringLiteral("Print Date: ") + date}}),
            QString(),
            QString()};
}

// The five lines of a plain section title: a line break, the title, a line break.
inline QStringList titleLines(const QString& title) {
    return {QString(), QString(), centred(title), QString(), QString()};
}

inline void putBytes(Image& image, int offset, std::initializer_list<int> bytes) {
    for (int b : bytes) image[offset++] = static_cast<std::uint8_t>(b);
}

// A voice word string: the count, then each word number as its bank and index bytes.
inline void putWords(Image& image, int offset, std::initializer_list<int> numbers) {
    image[offset] = static_cast<std::uint8_t>(numbers.size());
    int at = offset + 1;
    for (int n : numbers) putBytes(image, std::exchange(at, at + 2), {n / 100, n % 100});
}

// Report inputs with fixed headings and the given boxes checked.
inline ReportInputs inputsFor(std::initializer_list<ReportBox> boxes, bool fourMemorySaves = true) {
    ReportInputs inputs;
    inputs.headings = {QStringLiteral("/home/ham/club.orv"), QStringLiteral("/home/ham/copy.orv"),
                       QStringLiteral("02/01/24")};
    inputs.fourMemorySaves = fourMemorySaves;
    for (ReportBox box : boxes) inputs.boxes[int(box)] = true;
    return inputs;
}

// The lines of one page of a composed document, without its line ends.
inline QStringList pageLines(const ReportDocument& document, int job, int page) {
    ReportDocument one;
    one.jobs.push_back({QString(), {document.jobs.at(job).pages.at(page)}});
    QStringList lines = reportText(one).split(QLatin1Char('\n'));
    lines.removeLast();  // the text ends with a line end
    return lines;
}
