// Puts composed report pages on paper, a PDF file or the screen: each text at its character
// column (the width of the digit "0" of its own font, so columns line up in proportional fonts),
// each page in its own orientation, the page's lines spread evenly over its height.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <vector>

#include "report/reportdocument.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace ReportPaper {
// Margins on every side; the listing indents its texts itself (column 8).
inline constexpr double MarginMillimetres = 10.0;

// Letter where the system measures in inches, A4 elsewhere: the paper of a PDF and the preview.
QPageSize defaultPageSize();
QPageLayout pageLayout(const QPageSize& size, PageOrientation orientation);
QPageLayout::Orientation qtOrientation(PageOrientation orientation);
}  // namespace ReportPaper

// The font of a text of the listing; the family the settings name, whatever the size.
QFont reportFont(const QString& family, int size, bool bold);

// Where the texts of a line stand, in units of `device`, from the left edge of the printable
// area `areaWidth` wide. A text never starts before the end of the one before it.
struct PlacedText {
    const ReportItem* item;
    QFont font;
    double x;
    double width;
};
std::vector<PlacedText> placeLine(const ReportLine& line, const QString& family,
                                  QPaintDevice* device, double areaWidth);
// How a line is fitted to the printable width: each text is drawn at (x - left) * scale. A line
// whose texts all stand within the width is drawn as placed (scale 1, left 0); one that would run
// past an edge (a voice message of many long words, headings in a large print font) is drawn
// narrower as a whole, from the left edge on, rather than cut off by the paper's edge.
struct LineFit {
    double scale = 1.0;
    double left = 0.0;
};
LineFit fitLine(const std::vector<PlacedText>& placed, double areaWidth);

// Draws a page into `area` (the printable area in the painter's units; fonts are measured on the
// painter's device). The page's line budget fills the area's height; a line in a larger font
// takes more of it.
void drawPage(QPainter& painter, const ReportPage& page, const ReportDocument& document,
              const QRectF& area);

// Paints pages on a printer or PDF writer whose page size is already set, each page with its own
// orientation. False when the device refuses to paint or to start a page.
bool paintPages(QPagedPaintDevice& device, const ReportDocument& document,
                const std::vector<const ReportPage*>& pages);
// One job: what one print job of the printer receives.
bool paintJob(QPagedPaintDevice& device, const ReportDocument& document, int job);
// Every job, each starting on a new page.
bool paintDocument(QPagedPaintDevice& device, const ReportDocument& document);

// Writes the whole report to a PDF file (replacing an existing one only once the new one is
// complete). Returns nothing on success, else why the file could not be written.
QString writeReportPdf(const ReportDocument& document, const QString& path,
                       const QPageSize& pageSize = ReportPaper::defaultPageSize());
