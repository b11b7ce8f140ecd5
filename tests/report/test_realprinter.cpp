// The print run through the system's real print service: a print service of the test's own
// (cupsd in the foreground, from a temporary folder) with a PDF queue that holds its jobs, the
// printer chooser answered as a user would. Each section arrives as a job of its own with its
// pages; a queue that refuses jobs gives "Printer Error" and keeps the boxes.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <iostream>
#include <random>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "dialogcheck.h"
#include "report/printports.h"
#include "report/printreportdialog.h"
#include "report/reporttexts.h"
#include "scriptedprompts.h"

namespace {

constexpr char Queue[] = "ORVTEST";
const QString QueueDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// One job as the print service keeps it.
struct HeldJob {
    int id = 0;
    QString title;
    int pages = 0;
};

class PrintService {
public:
    // Starts the service and makes the queue; `problem` says why when it could not.
    PrintService() {
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        if (cupsd.isEmpty() || !QFile::exists(QueueDriver)) {
            problem = QStringLiteral("cupsd or the cups-pdf driver is not installed");
            return;
        }
        for (const char* folder : {"spool/tmp", "cache", "state", "log"})
            QDir().mkpath(m_dir.filePath(QString::fromLatin1(folder)));
        m_socket = m_dir.filePath(QStringLiteral("cups.sock"));
        write(QStringLiteral("cupsd.conf"),
              "Listen " + m_socket.toUtf8() +
                  "\nPreserveJobFiles Yes\nBrowsing No\nWebInterface No\n"
                  "DefaultAuthType None\n<Policy default>\n<Limit All>\nOrder allow,deny\n"
                  "Allow all\n</Limit>\n</Policy>\n");
        const QByteArray root = m_dir.path().toUtf8();
        write(QStringLiteral("cups-files.conf"),
              "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nTempDir " + root +
                  "/spool/tmp\nCacheDir " + root + "/cache\nStateDir " + root +
                  "/state\nErrorLog " + root + "/log/error_log\nAccessLog " + root +
                  "/log/access_log\nPageLog " + root + "/log/page_log\nSystemGroup root\n");
        m_cupsd.start(cupsd, {"-f", "-c", m_dir.filePath("cupsd.conf"), "-s",
                              m_dir.filePath("cups-files.conf")});
        if (!m_cupsd.waitForStarted(10000)) {
            problem = QStringLiteral("cupsd did not start");
            return;
        }
        qputenv("CUPS_SERVER", m_socket.toUtf8());
        cupsSetServer(m_socket.toUtf8().constData());
        // The service answers once its socket is there; a queue that holds its jobs is made
        // (accepting, not printing), so every document stays in the spool to be counted.
        for (int tries = 0; tries < 100 && !QFile::exists(m_socket); ++tries) QTest::qWait(100);
        if (!admin("lpadmin", {"-p", Queue, "-E", "-v", "cups-pdf:/", "-P", QueueDriver}) ||
            !admin("lpadmin", {"-d", Queue}) || !admin("cupsdisable", {Queue})) {
            problem = QStringLiteral("the print service refused the queue: ") + m_lastOutput;
        }
    }
    ~PrintService() {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(10000);
    }

    bool admin(const char* command, const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QString::fromLatin1(command), arguments);
        const bool done = process.waitForFinished(30000) && process.exitCode() == 0;
        m_lastOutput = QString::fromLocal8Bit(process.readAll());
        return done;
    }

    // Every job the queue holds, oldest first, with the pages of its document.
    std::vector<HeldJob> jobs() const {
        cups_job_t* list = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, Queue, 0, CUPS_WHICHJOBS_ALL);
        std::vector<HeldJob> held;
        for (int i = 0; i < count; ++i) {
            QFile document(documentPath(list[i].id));
            const QByteArray pdf = document.open(QIODevice::ReadOnly) ? document.readAll() : "";
            static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page[^s])"));
            held.push_back({list[i].id, QString::fromUtf8(list[i].title),
                            int(QString::fromLatin1(pdf).count(page))});
        }
        cupsFreeJobs(count, list);
        std::sort(held.begin(), held.end(),
                  [](const HeldJob& a, const HeldJob& b) { return a.id < b.id; });
        return held;
    }

    // One attribute of a held job as the service gives it (Get-Job-Attributes), or "(none)"; the
    // options the job was sent with are among them.
    QByteArray jobAttribute(int id, const char* name) const {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     "ipp://localhost/printers/ORVTEST");
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        char value[256] = "(none)";
        if (ipp_attribute_t* found = ippFindAttribute(response, name, IPP_TAG_ZERO))
            ippAttributeString(found, value, sizeof value);
        ippDelete(response);
        return value;
    }

    // The document the service keeps for a job: the PDF the editor sent.
    QString documentPath(int id) const {
        return m_dir.filePath(QStringLiteral("spool/d%1-001").arg(id, 5, 10, QLatin1Char('0')));
    }

    QString problem;

private:
    void write(const QString& name, const QByteArray& text) {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            problem = QStringLiteral("cannot write ") + name;
    }

    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_cupsd;
    QString m_lastOutput;
};

// Answers the printer chooser with "Print" as soon as it shows.
void acceptChooserWhenShown() {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto* chooser = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            chooser->accept();
            timer->deleteLater();
        }
    });
    timer->start(50);
}

// The output of a program, or why there is none.
QString run(const QString& program, const QStringList& arguments, QString* problem) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *problem = program + QStringLiteral(" failed: ") +
                   QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A page's lines of words: the text as a proportional font sets it, where only the words and their
// order on each line are the same. Empty lines go.
QStringList wordLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        const QString words = line.simplified();
        if (!words.isEmpty()) lines << words;
    }
    return lines;
}

// Pages (split at form feeds) of lines of words. Empty pages go.
using WordPages = std::vector<QStringList>;
WordPages wordPages(const QString& text) {
    WordPages pages;
    for (const QString& page : text.split(QLatin1Char('\f'))) {
        const QStringList lines = wordLines(page);
        if (!lines.isEmpty()) pages.push_back(lines);
    }
    return pages;
}

// The pages of a PDF file as pdftotext reads them (it ends every page with a form feed), each as
// lines of words; a page with no words stays, as an empty page. Its layout mode puts words on a
// grid of character cells, by default as wide as an average character: a single space narrower
// than that, as between two digits, is lost ("3 0" reads "30"). Cells of one point keep it.
WordPages pdfPages(const QString& pdf, QString* problem) {
    QStringList pages = run(QStringLiteral("pdftotext"),
                            {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                             QStringLiteral("1"), pdf, QStringLiteral("-")},
                            problem)
                            .split(QLatin1Char('\f'));
    pages.removeLast();  // what follows the last form feed
    WordPages result;
    for (const QString& page : pages) result.push_back(wordLines(page));
    return result;
}

// The configuration the whole report is printed from: the sample the build makes, or, in a build
// without it, an image of the test's own written into `folder`, the same at every run.
QString printSample(const QTemporaryDir& folder) {
#ifdef ORV_PRINT_SAMPLE
    Q_UNUSED(folder);
    return QStringLiteral(ORV_PRINT_SAMPLE);
#else
    // Cleared memory with one byte in eight set to 1..8: codes, timers, words and flags are set
    // here and there, and no count runs past its record. (Random bytes would give speed dial
    // identifications of a hundred words, squeezed to the page's width so narrow that pdftotext
    // joins their words.)
    std::mt19937 random(20261207);
    QByteArray bytes(ImageSize, '\0');
    for (char& byte : bytes)
        if (random() % 8 == 0) byte = char(1 + random() % 8);
    const QString path = folder.filePath(QStringLiteral("print-sample.orv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
#endif
}

// Where two pages of lines of words first differ, or -1 when they do not.
qsizetype firstDifference(const QStringList& printed, const QStringList& reported) {
    for (qsizetype line = 0; line < std::max(printed.size(), reported.size()); ++line)
        if (printed.value(line) != reported.value(line)) return line;
    return -1;
}

}  // namespace

TEST(RealPrinter, TheWholeReportPrintedIsTheReportOrvtoolGives) {
    PrintService service;
    if (!service.problem.isEmpty()) GTEST_SKIP() << service.problem.toStdString();
    const QTemporaryDir folder;
    const QString sample = printSample(folder);
    const QString date = QStringLiteral("07/12/26");
    QFile file(sample);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), ImageSize);
    Image image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());

    // Every box of the Print Driver, sent through the printer chooser to the print service.
    ScriptedPrompts prompts;
    Settings settings;
    PrintReportDialog dialog({image, prompts, settings}, [&] {
        return ReportHeadings{sample, sample, date};
    });
    dialog.blinkTimer()->stop();
    for (int n = 0; n <= 12; ++n)
        child<QCheckBox>(dialog, QStringLiteral("chkPrint%1").arg(n))->setChecked(true);
    const ReportDocument document = dialog.composeChecked();
    acceptChooserWhenShown();
    child<QPushButton>(dialog, QStringLiteral("cmdPrint"))->click();
    ASSERT_EQ(child<QLabel>(dialog, QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Print Job(s) Dispatched"));

    // Each job's PDF as text, its pages in job order.
    const std::vector<HeldJob> sent = service.jobs();
    ASSERT_EQ(sent.size(), document.jobs.size());
    WordPages printed;
    for (std::size_t j = 0; j < sent.size(); ++j) {
        QString problem;
        const QString text =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("1"),
                 service.documentPath(sent[j].id), QStringLiteral("-")},
                &problem);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        const WordPages pages = wordPages(text);
        EXPECT_EQ(int(pages.size()), sent[j].pages) << "job " << j;
        EXPECT_EQ(pages.size(), document.jobs[j].pages.size()) << "job " << j;
        printed.insert(printed.end(), pages.begin(), pages.end());
    }

    QString problem;
    const WordPages reported =
        wordPages(run(QStringLiteral(ORV_ORVTOOL),
                      {QStringLiteral("report"), sample, QStringLiteral("--date"), date,
                       QStringLiteral("--memory-saves"), QStringLiteral("4")},
                      &problem));
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    ASSERT_EQ(printed.size(), reported.size());
    int differing = 0;
    for (std::size_t p = 0; p < printed.size(); ++p) {
        if (printed[p] == reported[p]) continue;
        ++differing;
        qsizetype line = 0;
        while (line < printed[p].size() && line < reported[p].size() &&
               printed[p][line] == reported[p][line])
            ++line;
        ADD_FAILURE() << "page " << p + 1 << ", line " << line + 1 << ": printed \""
                      << printed[p].value(line).toStdString() << "\", orvtool \""
                      << reported[p].value(line).toStdString() << "\"";
    }
    EXPECT_EQ(differing, 0);
    std::cerr << "Printed " << sent.size() << " jobs of " << printed.size()
              << " pages, each page's words as orvtool reports them\n";
}

// The whole report printed as a user prints it, each held job read back from the PDF the print
// service keeps, against orvtool's report of the same file, section by section: every job lies in
// one section, starts with its title and has the pages orvtool gives there, word for word.
TEST(RealPrinter, TheWholeReportPrintsAsOrvtoolReportsIt) {
    PrintService service;
    if (!service.problem.isEmpty()) GTEST_SKIP() << service.problem.toStdString();
    const QTemporaryDir folder;
    // orvtool heads its pages with the file's absolute path; the dialog is given the same.
    const QString sample = QFileInfo(printSample(folder)).absoluteFilePath();
    const QString date = QStringLiteral("12/24/26");
    QFile file(sample);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sample.toStdString();
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), ImageSize);
    Image image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());

    // orvtool's report, box by box in printing order, and as a whole.
    std::vector<WordPages> sections;
    WordPages joined;
    const QStringList common = {QStringLiteral("report"),         sample,
                                QStringLiteral("--date"),         date,
                                QStringLiteral("--memory-saves"), QStringLiteral("4")};
    for (int box = 0; box < ReportTexts::BoxCount; ++box) {
        QString problem;
        sections.push_back(wordPages(run(
            QStringLiteral(ORV_ORVTOOL),
            common + QStringList{QStringLiteral("--sections"), QString::number(box)}, &problem)));
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        ASSERT_FALSE(sections.back().empty()) << "box " << box;
        joined.insert(joined.end(), sections.back().begin(), sections.back().end());
    }
    QString problem;
    const WordPages whole = wordPages(run(QStringLiteral(ORV_ORVTOOL), common, &problem));
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    ASSERT_EQ(whole, joined) << "orvtool's sections one by one are not its whole report";

    // All thirteen boxes, four memory saves, printed through the printer chooser.
    ScriptedPrompts prompts;
    Settings settings;
    settings.fourMemorySaves = true;
    PrintReportDialog dialog({image, prompts, settings}, [&] {
        return ReportHeadings{sample, sample, date};
    });
    dialog.blinkTimer()->stop();
    for (int n = 0; n < ReportTexts::BoxCount; ++n)
        child<QCheckBox>(dialog, QStringLiteral("chkPrint%1").arg(n))->setChecked(true);
    acceptChooserWhenShown();
    child<QPushButton>(dialog, QStringLiteral("cmdPrint"))->click();
    ASSERT_EQ(child<QLabel>(dialog, QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Print Job(s) Dispatched"));
    const std::vector<HeldJob> sent = service.jobs();
    ASSERT_FALSE(sent.empty());

    // The jobs in job order take the sections' pages in turn.
    std::size_t section = 0;
    std::size_t sectionPage = 0;  // the section's first page not yet printed
    int reportPage = 0;           // pages of orvtool's report before that page
    int printedPages = 0;
    int differing = 0;
    for (std::size_t j = 0; j < sent.size(); ++j) {
        const std::string job =
            "job " + std::to_string(j + 1) + " \"" + sent[j].title.toStdString() + "\"";
        const WordPages pages = pdfPages(service.documentPath(sent[j].id), &problem);
        ASSERT_TRUE(problem.isEmpty()) << job << ": " << problem.toStdString();
        printedPages += int(pages.size());
        EXPECT_EQ(int(pages.size()), sent[j].pages)
            << job << ": pages read by pdftotext, pages in the PDF file";
        while (section < sections.size() && sectionPage == sections[section].size()) {
            ++section;
            sectionPage = 0;
        }
        if (section == sections.size()) {
            ADD_FAILURE() << job << " has " << pages.size()
                          << " pages after the end of orvtool's report";
            continue;
        }
        const WordPages& expected = sections[section];
        const std::string where =
            job + " (box " + std::to_string(section) + " " + ReportTexts::Boxes[section].caption;
        EXPECT_LE(sectionPage + pages.size(), expected.size())
            << where << ") has " << pages.size() << " pages where orvtool has "
            << expected.size() - sectionPage << " left of the section's " << expected.size();
        ASSERT_FALSE(pages.empty()) << job;
        EXPECT_TRUE(pages.front().contains(sent[j].title.simplified()))
            << job << ": its first page does not show the job's title";
        for (std::size_t p = 0; p < pages.size() && sectionPage < expected.size();
             ++p, ++sectionPage, ++reportPage) {
            const qsizetype line = firstDifference(pages[p], expected[sectionPage]);
            if (line < 0) continue;
            ++differing;
            ADD_FAILURE() << where << ", page " << p + 1 << " of the job, page " << reportPage + 1
                          << " of orvtool's report), line " << line + 1 << ":\n  printed: \""
                          << pages[p].value(line).toStdString() << "\"\n  orvtool: \""
                          << expected[sectionPage].value(line).toStdString() << "\"";
        }
    }
    EXPECT_EQ(printedPages, int(whole.size())) << "pages printed, pages orvtool reports";
    EXPECT_EQ(differing, 0) << "pages that differ";
    std::cerr << "Printed " << sent.size() << " jobs of " << printedPages
              << " pages; orvtool reports " << whole.size() << " pages in " << sections.size()
              << " sections\n";
}

TEST(RealPrinter, EachSectionIsAJobOfItsPagesAndARefusingQueueIsAPrinterError) {
    PrintService service;
    if (!service.problem.isEmpty()) GTEST_SKIP() << service.problem.toStdString();

    Image image{};
    ScriptedPrompts prompts;
    Settings settings;
    PrintReportDialog dialog({image, prompts, settings}, [] {
        return ReportHeadings{QStringLiteral("/home/ham/club.orv"), QString(),
                              QStringLiteral("07/12/26")};
    });
    dialog.blinkTimer()->stop();
    const auto box = [&](int n) {
        return child<QCheckBox>(dialog, QStringLiteral("chkPrint%1").arg(n));
    };
    const auto status = [&] { return child<QLabel>(dialog, QStringLiteral("lblStatus"))->text(); };
    auto* print = child<QPushButton>(dialog, QStringLiteral("cmdPrint"));

    // Base codes (portrait) and Base voice messages (landscape).
    box(0)->click();
    box(2)->click();
    const ReportDocument document = dialog.composeChecked();
    ASSERT_EQ(document.jobs.size(), 2u);
    acceptChooserWhenShown();
    print->click();
    EXPECT_EQ(status(), QStringLiteral("Print Job(s) Dispatched"));
    EXPECT_FALSE(box(0)->isChecked());
    const std::vector<HeldJob> sent = service.jobs();
    ASSERT_EQ(sent.size(), 2u);
    for (std::size_t j = 0; j < 2; ++j) {
        EXPECT_EQ(sent[j].title, document.jobs[j].name);
        EXPECT_EQ(sent[j].pages, int(document.jobs[j].pages.size())) << j;
    }

    // The queue refuses jobs: nothing more is sent, the boxes stay for another try.
    ASSERT_TRUE(service.admin("cupsreject", {Queue}));
    box(0)->click();
    box(2)->click();
    acceptChooserWhenShown();
    print->click();
    EXPECT_EQ(status(), QStringLiteral("Printer Error"));
    // The service's reason under it.
    EXPECT_TRUE(child<QLabel>(dialog, QStringLiteral("lblPrinterReason"))
                    ->text()
                    .contains(QStringLiteral("not accepting jobs")));
    EXPECT_TRUE(box(0)->isChecked());
    EXPECT_TRUE(box(2)->isChecked());
    EXPECT_EQ(service.jobs().size(), 2u);
}

// Calls `act` with each modal window the print run shows (the chooser, its properties) once it has
// taken its first events, as a user would see it, until the chooser closes.
void whenShown(QTimer& timer, const std::function<void(QDialog&)>& act) {
    QObject::connect(&timer, &QTimer::timeout, [&timer, act, seen = (QWidget*)nullptr]() mutable {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (shown && shown == std::exchange(seen, shown)) act(*shown);
    });
    timer.start(50);
}

// The chooser, its options open: of its "Pages" frame only "Print all" is left; no page range,
// current page, selection or page set ("Odd Pages", "Even Pages").
TEST(RealPrinter, TheChooserOffersNoPageChoices) {
    PrintService service;
    if (!service.problem.isEmpty()) GTEST_SKIP() << service.problem.toStdString();
    QStringList shown;  // what the "Pages" frame shows
    bool found = false;
    QTimer timer;
    whenShown(timer, [&](QDialog& chooser) {
        for (auto* button : chooser.findChildren<QPushButton*>())
            if (button->text() == QPrintDialog::tr("&Options >>")) button->click();
        auto* pages = chooser.findChild<QGroupBox*>(QStringLiteral("gbPrintRange"));
        found = pages && pages->findChild<QWidget*>(QStringLiteral("pageSetCombo"));
        for (QWidget* widget : found ? pages->findChildren<QWidget*>() : QList<QWidget*>())
            if (widget->isVisibleTo(&chooser) && widget->metaObject() != &QWidget::staticMetaObject)
                shown << widget->objectName();
        chooser.reject();
    });
    EXPECT_FALSE(QtPrintPorts().choosePrinter());
    ASSERT_TRUE(found) << "the chooser's \"Pages\" frame or its page set was not found";
    EXPECT_EQ(shown, QStringList{QStringLiteral("printAll")});
}

// Choices made in the chooser travel with the job, read back from the attributes the service holds
// for it: "Pages per sheet" 2 (Properties > Page) and "Reverse"; the page set ("Even Pages"), which
// the chooser hides but Qt still reads, does not.
TEST(RealPrinter, ChoicesInTheChooserReachTheJob) {
    PrintService service;
    if (!service.problem.isEmpty()) GTEST_SKIP() << service.problem.toStdString();
    Image image{};
    ScriptedPrompts prompts;
    Settings settings;
    PrintReportDialog dialog({image, prompts, settings}, [] { return ReportHeadings{}; });
    dialog.blinkTimer()->stop();
    child<QCheckBox>(dialog, QStringLiteral("chkPrint0"))->setChecked(true);
    QTimer timer;
    whenShown(timer, [properties = false](QDialog& shown) mutable {
        if (!qobject_cast<QPrintDialog*>(&shown)) {  // the chooser's properties
            auto* perSheet = shown.findChild<QComboBox*>(QStringLiteral("pagesPerSheetCombo"));
            perSheet->setCurrentIndex(
                perSheet->findText(QStringLiteral("2 ("), Qt::MatchStartsWith));
            properties = true;
            shown.accept();
        } else if (properties) {
            shown.accept();
        } else {
            shown.findChild<QCheckBox*>(QStringLiteral("reverse"))->setChecked(true);
            auto* pageSet = shown.findChild<QComboBox*>(QStringLiteral("pageSetCombo"));
            pageSet->setCurrentIndex(pageSet->findText(QStringLiteral("Even Pages")));
            QTimer::singleShot(0, shown.findChild<QPushButton*>(QStringLiteral("properties")),
                               &QPushButton::click);
        }
    });
    child<QPushButton>(dialog, QStringLiteral("cmdPrint"))->click();
    ASSERT_EQ(child<QLabel>(dialog, QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Print Job(s) Dispatched"));
    const std::vector<HeldJob> sent = service.jobs();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(service.jobAttribute(sent[0].id, "number-up"), "2");
    EXPECT_EQ(service.jobAttribute(sent[0].id, "outputorder"), "reverse");
    EXPECT_EQ(service.jobAttribute(sent[0].id, "page-set"), "(none)");
}
