// The painter rendering: the PDF's pages, their orientation and texts, one job on its own, and
// the widest lines and the line budgets of a full report on A4 and Letter.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/regions.h"
#include "filelimit.h"
#include "formats/dtmfcodec.h"
#include "formats/vocabulary.h"
#include "report/reportpainter.h"
#include "reportlines.h"
#include "voice/voicemessages.h"

namespace {

// The page sizes of a PDF in points, in page order, read from the media box of each page.
std::vector<QSizeF> pageSizes(const QByteArray& pdf) {
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    std::vector<QSizeF> sizes;
    auto it = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto match = it.next();
        sizes.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return sizes;
}

bool metricCompatibleArial() {
    const QString family = QFontInfo(reportFont(QStringLiteral("Arial"), 10, false)).family();
    return family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans");
}

// A configuration filled the way a club would fill it, with the longest values the fields take.
Image filledImage() {
    Image image = zeroImage();
    for (int block = 0; block < 5; ++block) {
        const int start = Region::blockStart(block);
        for (int k = 0; k < 14; ++k)
            putBytes(image, start + 8 + 8 * k, {7, 10, 11, 12, 13, 14, 15, 9});
        for (int i = 0; i < 16; ++i) putBytes(image, start + 138 + 2 * i, {0xFF, 0x07});
        for (int m = 0; m < 12; ++m)
            putWords(image, start + 178 + 48 * m,
                     {746, 746, 746, 746, 746, 746, 746, 746, 746, 746, 746, 746});
        for (int z = 0; z < 8; ++z) image[start + z] = 0xFF;
    }
    for (int m = 0; m < 10; ++m) {
        putBytes(image, 890 + 18 * m, {7, 10, 11, 12, 13, 14, 15, 9});
        for (int k = 0; k < 10; ++k) image[890 + 18 * m + 8 + k] = 0xFF;
    }
    for (int e = 0; e < 40; ++e)
        putBytes(image, 4298 + 7 * e,
                 e % 2 ? std::initializer_list<int>{0x09, 0x30, 0, 0x23, 0x59, 0xFF, 0xFF}
                       : std::initializer_list<int>{0xFF, 0, 4, 0xFF, 0x59, 0xFF, 0xFF});
    for (int e = 0; e < 105; ++e) {
        const int record = e < 5 ? 1148 + 30 * e : 1298 + 30 * (e - 5);
        Dtmf::storeTelephoneNumber(image, record, QStringLiteral("9,18005551212"));
        putWords(image, record + 12, {904, 386, 280, 904, 386, 280, 904, 386});
    }
    for (int t = 0; t < 8; ++t) putBytes(image, 826 + 8 * t, {8, 9, 9, 8, 9, 9, 8, 9});
    putBytes(image, 794, {10, 13, 14, 38, 32, 1, 33, 34, 35, 36, 27});  // DE W1XYZ/R
    return image;
}

}  // namespace

TEST(ReportRendering, APdfCutShortByAFullDiskIsReportedAndKeepsTheOldFile) {
    const ReportDocument document =
        composeReport(zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::Scheduler}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const QByteArray good = "%PDF-1.4 an older report\n";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(good) == good.size());
    old.close();
    QString problem;
    {
        const FileSizeLimit limit(4096);  // the disk fills in the middle of the report
        ASSERT_TRUE(limit.active());
        problem = writeReportPdf(document, path, QPageSize(QPageSize::A4));
    }
    EXPECT_EQ(problem, QString::fromLocal8Bit(std::strerror(EFBIG)));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), good);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});
}

TEST(ReportRendering, PdfHoldsEveryJobOnPagesOfItsOrientation) {
    ReportInputs inputs =
        inputsFor({ReportBox::BaseCodes, ReportBox::BaseVoice, ReportBox::Scheduler});
    inputs.headings.reportFileName.clear();
    const ReportDocument document = composeReport(zeroImage(), inputs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_EQ(writeReportPdf(document, path, QPageSize(QPageSize::A4)), QString());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<QSizeF> sizes = pageSizes(file.readAll());
    const std::vector<QSizeF> want = {{595, 842}, {842, 595}, {595, 842}, {595, 842}};
    ASSERT_EQ(sizes.size(), want.size());
    for (std::size_t p = 0; p < want.size(); ++p)
        EXPECT_EQ(sizes[p].toSize(), want[p].toSize()) << "page " << p + 1;

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is not installed: the texts of "
                        "the PDF are not checked";
    QProcess extract;
    extract.start(pdftotext, {path, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4) << text.toStdString();
    EXPECT_TRUE(pages[0].contains("File: No File Name Assigned"));
    EXPECT_TRUE(pages[0].contains("Base Control Codes"));
    EXPECT_TRUE(pages[0].contains("Expanded User Function Prefix"));
    EXPECT_TRUE(pages[1].contains("File: /home/ham/copy.orv"));
    EXPECT_TRUE(pages[1].contains("Base Voice Messages"));
    EXPECT_TRUE(pages[3].contains("Schedular Operations"));
    EXPECT_TRUE(pages[3].contains("Day Of Month"));
}

TEST(ReportRendering, OneJobPaintsOnlyItsOwnPages) {
    const ReportDocument document =
        composeReport(zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::UserSpeedDial}));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        ASSERT_TRUE(paintJob(writer, document, 1));
    }
    EXPECT_EQ(pageSizes(buffer.data()).size(), 5u);
}

TEST(ReportRendering, FullReportFitsA4AndLetterAtTheDefaultFont) {
    if (!metricCompatibleArial())
        GTEST_SKIP() << "\"Arial\" resolves to no metric-compatible font (install the Debian "
                        "package fonts-liberation): widths are not checked";
    ReportInputs inputs = inputsFor({});
    inputs.boxes.fill(true);
    const ReportDocument document = composeReport(filledImage(), inputs);
    ASSERT_EQ(document.pageCount(), 35);

    for (const QPageSize& size : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        for (const PageOrientation orientation :
             {PageOrientation::Portrait, PageOrientation::Landscape}) {
            writer.setPageLayout(ReportPaper::pageLayout(size, orientation));
            const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
            // The line budget leaves every line at least the height of the body font.
            const double body =
                QFontMetricsF(reportFont("Arial", 10, false), &writer).lineSpacing();
            EXPECT_GE(area.height() / double(document.budget.lines(orientation)), body)
                << size.name().toStdString();
            for (const ReportJob& job : document.jobs) {
                for (const ReportPage& page : job.pages) {
                    if (page.orientation != orientation) continue;
                    // The right end of the widest line as the texts' own widths place it,
                    // before any line is narrowed.
                    double widest = 0;
                    for (const ReportLine& line : page.lines)
                        for (const PlacedText& text :
                             placeLine(line, document.fontFamily, &writer, area.width()))
                            widest = std::max(widest, text.x + text.width);
                    EXPECT_LE(widest, area.width())
                        << job.name.toStdString() << " on " << size.name().toStdString();
                }
            }
        }
    }
}

TEST(ReportRendering, ALineTooLongForThePaperIsNarrowedNotCutOff) {
    // Message 1 holds the most words a record takes, each the vocabulary's longest; message 2 is
    // short and stays as placed.
    Image image = zeroImage();
    const int first = VoiceMessages::messageOffset(0, 1);
    Vocabulary::storeWordString({image.data() + first, Region::Rel::VoiceRecord},
                                QStringList(VoiceMessages::WordLimit, QStringLiteral("293")));
    putWords(image, VoiceMessages::messageOffset(0, 2), {293});
    const ReportDocument document = composeReport(image, inputsFor({ReportBox::BaseVoice}));
    const ReportPage& page = document.jobs.at(0).pages.at(0);

    const QRect paper =
        ReportPaper::pageLayout(QPageSize(QPageSize::A4), page.orientation).paintRectPixels(96);
    QImage canvas(paper.width() + 100, paper.height(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        drawPage(painter, page, document, QRectF(0, 0, paper.width(), paper.height()));
    }
    // Ink in the last tenth of the area (the long line reaches the edge), none past it.
    const auto inkBetween = [&](int from, int to) {
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = from; x < to; ++x)
                if (canvas.pixel(x, y) != qRgb(255, 255, 255)) return true;
        return false;
    };
    EXPECT_TRUE(inkBetween(paper.width() * 9 / 10, paper.width()));
    EXPECT_FALSE(inkBetween(paper.width() + 1, canvas.width()));

    double widest = 0;
    for (const ReportLine& line : page.lines) {
        const std::vector<PlacedText> placed =
            placeLine(line, document.fontFamily, &canvas, paper.width());
        const LineFit fit = fitLine(placed, paper.width());
        bool longMessage = false;
        for (const PlacedText& text : placed) {
            if (text.item->text.isEmpty()) continue;
            longMessage = longMessage || text.item->text.size() > 200;
            EXPECT_GE((text.x - fit.left) * fit.scale, 0);
            widest = std::max(widest, (text.x - fit.left + text.width) * fit.scale);
        }
        // Only the long message's line is narrowed.
        EXPECT_EQ(fit.scale < 1, longMessage);
    }
    EXPECT_LE(widest, paper.width() + 0.01);
}
