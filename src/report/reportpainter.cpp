#include "report/reportpainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core/filewriter.h"

namespace {

constexpr int BodySize = 10;

QString translated(const char* text) { return QCoreApplication::translate("ReportPdf", text); }

double lineSpacing(const QString& family, int size, bool bold, QPaintDevice* device) {
    return QFontMetricsF(reportFont(family, size, bold), device).lineSpacing();
}

}  // namespace

namespace ReportPaper {

QPageSize defaultPageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

QPageLayout::Orientation qtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

QPageLayout pageLayout(const QPageSize& size, PageOrientation orientation) {
    const double m = MarginMillimetres;
    return QPageLayout(size, qtOrientation(orientation), QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

}  // namespace ReportPaper

QFont reportFont(const QString& family, int size, bool bold) {
    QFont font(family);
    font.setPointSize(std::max(1, size));
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

std::vector<PlacedText> placeLine(const ReportLine& line, const QString& family,
                                  QPaintDevice* device, double areaWidth) {
    std::vector<PlacedText> placed;
    double end = 0;
    for (const ReportItem& item : line.items) {
        const QFont font = reportFont(family, item.size, item.bold);
        const QFontMetricsF metrics(font, device);
        const double width = metrics.horizontalAdvance(item.text);
        double x = item.centred ? (areaWidth - width) / 2
                                : (item.column - 1) * metrics.horizontalAdvance(QLatin1Char('0'));
        // A text wider than its columns pushes the next one along rather than overprinting it.
        if (!item.centred) x = std::max(x, end);
        placed.push_back({&item, font, x, width});
        end = x + width;
    }
    return placed;
}

LineFit fitLine(const std::vector<PlacedText>& placed, double areaWidth) {
    double left = 0;
    double right = areaWidth;
    for (const PlacedText& text : placed) {
        if (text.item->text.isEmpty()) continue;
        left = std::min(left, text.x);
        right = std::max(right, text.x + text.width);
    }
    if (areaWidth <= 0 || (left >= 0 && right <= areaWidth)) return {};
    return {areaWidth / (right - left), left};
}

void drawPage(QPainter& painter, const ReportPage& page, const ReportDocument& document,
              const QRectF& area) {
    QPaintDevice* device = painter.device();
    const QString& family = document.fontFamily;
    const double body = lineSpacing(family, BodySize, false, device);
    const double unit = area.height() / std::max(1, document.budget.lines(page.orientation));

    // A line takes one unit, or more when its font is larger than the body's.
    std::vector<double> advances;
    std::vector<double> ascents;
    double total = 0;
    for (const ReportLine& line : page.lines) {
        double natural = lineSpacing(family, line.size, false, device);
        double ascent = QFontMetricsF(reportFont(family, line.size, false), device).ascent();
        for (const ReportItem& item : line.items) {
            const QFontMetricsF metrics(reportFont(family, item.size, item.bold), device);
            natural = std::max(natural, metrics.lineSpacing());
            ascent = std::max(ascent, metrics.ascent());
        }
        advances.push_back(unit * std::max(1.0, natural / body));
        ascents.push_back(ascent);
        total += advances.back();
    }
    // Headings in a large print font could overfill the page: then every line gives way a little.
    const double scale = total > area.height() ? area.height() / total : 1.0;

    painter.save();
    painter.setPen(Qt::black);
    double y = area.top();
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const double baseline = y + std::min(ascents[i], advances[i] * scale);
        const std::vector<PlacedText> placed =
            placeLine(page.lines[i], family, device, area.width());
        const LineFit fit = fitLine(placed, area.width());
        painter.save();
        painter.translate(area.left(), 0);
        painter.scale(fit.scale, 1);
        for (const PlacedText& text : placed) {
            if (text.item->text.isEmpty()) continue;
            painter.setFont(text.font);
            painter.drawText(QPointF(text.x - fit.left, baseline), text.item->text);
        }
        painter.restore();
        y += advances[i] * scale;
    }
    painter.restore();
}

namespace {
// The report's margins where the device accepts them; a printer that cannot print that close to
// the edge keeps its own and only turns the page.
bool setPageFor(QPagedPaintDevice& device, const QPageSize& size, PageOrientation orientation) {
    return device.setPageLayout(ReportPaper::pageLayout(size, orientation)) ||
           device.setPageOrientation(ReportPaper::qtOrientation(orientation));
}
}  // namespace

bool paintPages(QPagedPaintDevice& device, const ReportDocument& document,
                const std::vector<const ReportPage*>& pages) {
    if (pages.empty()) return true;
    const QPageSize size = device.pageLayout().pageSize();
    if (!setPageFor(device, size, pages.front()->orientation)) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            // A new layout takes effect with the page started next.
            if (!setPageFor(device, size, pages[i]->orientation) || !device.newPage()) return false;
        }
        const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
        drawPage(painter, *pages[i], document, QRectF(0, 0, paintRect.width(), paintRect.height()));
    }
    return painter.end();
}

bool paintJob(QPagedPaintDevice& device, const ReportDocument& document, int job) {
    std::vector<const ReportPage*> pages;
    for (const ReportPage& page : document.jobs.at(job).pages) pages.push_back(&page);
    return paintPages(device, document, pages);
}

bool paintDocument(QPagedPaintDevice& device, const ReportDocument& document) {
    std::vector<const ReportPage*> pages;
    for (const ReportJob& job : document.jobs)
        for (const ReportPage& page : job.pages) pages.push_back(&page);
    return paintPages(device, document, pages);
}

QString writeReportPdf(const ReportDocument& document, const QString& path,
                       const QPageSize& pageSize) {
    // Drawn into memory first: the PDF writer does not report a failed write, so the file is
    // written afterwards by the checked writer, which sees every short write and keeps an older
    // file of the same name until the new one is complete.
    QByteArray pdf;
    bool painted = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(translated("ORVANE configuration report"));
        writer.setPageSize(pageSize);
        painted = paintDocument(writer, document);
    }
    if (!painted) return translated("The report could not be drawn.");
    const WriteStatus status = writeFileChecked(path, pdf);
    return status.ok ? QString() : status.reason;
}
