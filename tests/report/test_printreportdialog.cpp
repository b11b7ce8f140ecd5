// The print dialog: the blinking print button, the print run's outcomes and what they do to the
// boxes, the box order, the nothing-checked message, the preview and the PDF export.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "core/settings.h"
#include "dialogcheck.h"
#include "report/printports.h"
#include "report/printreportdialog.h"
#include "report/reportpreviewdialog.h"
#include "reportlines.h"
#include "scriptedprompts.h"

namespace {

// The printer side as a script: the chooser's answer, the jobs received, a printer that fails
// at a given job, the documents previewed and what their "Print..." runs.
class ScriptedPorts : public PrintPorts {
public:
    bool chosen = true;
    int chooserCalls = 0;
    int failingJob = -1;
    QStringList printed;
    std::vector<ReportDocument> previews;
    std::function<void()> printFromPreview;

    bool choosePrinter() override {
        ++chooserCalls;
        return chosen;
    }
    QString printJob(const ReportDocument& document, int job) override {
        if (job == failingJob) return QStringLiteral("No such file or directory");
        printed << document.jobs.at(job).name;
        return {};
    }
    void preview(const ReportDocument& document, const std::function<void()>& print) override {
        previews.push_back(document);
        printFromPreview = print;
    }
};

class PrintReportDialogTest : public ::testing::Test {
protected:
    PrintReportDialogTest()
        : dialog(
              {image, prompts, settings}, [this] { return headings; }, &ports) {
        dialog.blinkTimer()->stop();
    }

    QCheckBox* box(int n) { return child<QCheckBox>(dialog, QStringLiteral("chkPrint%1").arg(n)); }
    QPushButton* button(const char* name) {
        return child<QPushButton>(dialog, QString::fromLatin1(name));
    }
    QString caption() { return button("cmdPrint")->text(); }
    QString status() { return child<QLabel>(dialog, QStringLiteral("lblStatus"))->text(); }
    std::vector<int> checked() {
        std::vector<int> list;
        for (int n = 0; n < ReportTexts::BoxCount; ++n)
            if (box(n)->isChecked()) list.push_back(n);
        return list;
    }

    Image image = zeroImage();
    ScriptedPrompts prompts;
    Settings settings;
    ScriptedPorts ports;
    ReportHeadings headings{QStringLiteral("/home/ham/club.orv"),
                            QStringLiteral("/home/ham/copy.orv"), QStringLiteral("02/01/24")};
    PrintReportDialog dialog;
};

}  // namespace

TEST_F(PrintReportDialogTest, PrintButtonBlinksWhileABoxIsChecked) {
    EXPECT_EQ(dialog.windowTitle(), "Print Driver");
    EXPECT_EQ(qobject_cast<QGroupBox*>(box(7)->parentWidget())->title(), "Miscellaneous");
    // An opening starts on the first check box.
    showSettled(dialog);
    EXPECT_EQ(dialog.focusWidget(), box(0));
    // It blinks while shown only: the dialog is kept hidden between openings.
    EXPECT_TRUE(dialog.blinkTimer()->isActive());
    dialog.hide();
    EXPECT_FALSE(dialog.blinkTimer()->isActive());
    EXPECT_EQ(dialog.blinkTimer()->interval(), 500);
    EXPECT_EQ(caption(), "No Print Job(s) Selected");
    dialog.blink();
    EXPECT_EQ(caption(), "No Print Job(s) Selected");
    box(7)->click();
    const char* phases[] = {"Start Print Job(s)", "", "Start Print Job(s)", ""};
    for (const char* phase : phases) {
        dialog.blink();
        EXPECT_EQ(caption(), phase);
        EXPECT_EQ(button("cmdPrint")->accessibleName(), "Start Print Job(s)");
    }
    box(7)->click();
    dialog.blink();
    EXPECT_EQ(caption(), "No Print Job(s) Selected");
}

TEST_F(PrintReportDialogTest, NothingCheckedShowsThePrintJobsMessage) {
    for (const char* name : {"cmdPrint", "cmdPreview", "cmdPdf"}) {
        prompts.messages.clear();
        button(name)->click();
        ASSERT_EQ(prompts.messages.size(), 1u) << name;
        EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
        EXPECT_EQ(prompts.messages[0].title, "Print Jobs");
        EXPECT_EQ(prompts.messages[0].text, "Error, No Print Jobs Selected");
    }
    EXPECT_EQ(ports.chooserCalls, 0);
    EXPECT_TRUE(ports.previews.empty());
    EXPECT_EQ(prompts.saveChooserCalls, 0);
}

TEST_F(PrintReportDialogTest, PrintRunOutcomes) {
    struct Case {
        const char* what;
        bool chosen;
        int failingJob;
        QStringList printed;
        const char* status;
        const char* reason;
        std::vector<int> checkedAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"cancelled", false, -1, {}, "Print Cancelled", "", {0, 12}},
        {"printer error", true, 1, {"Base Control Codes"}, "Printer Error",
         "No such file or directory", {0, 12}},
        {"dispatched", true, -1, {"Base Control Codes", "Courtesy Tones"},
         "Print Job(s) Dispatched", "", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        ports.printed.clear();
        ports.chosen = c.chosen;
        ports.failingJob = c.failingJob;
        for (int n : {12, 0})
            if (!box(n)->isChecked()) box(n)->click();
        button("cmdPrint")->click();
        EXPECT_EQ(ports.printed, c.printed) << c.what;
        EXPECT_EQ(status(), c.status) << c.what;
        // The printer's reason under the status line, and told with it to a screen reader.
        auto* reason = child<QLabel>(dialog, QStringLiteral("lblPrinterReason"));
        EXPECT_EQ(reason->text(), c.reason) << c.what;
        EXPECT_EQ(reason->isVisibleTo(&dialog), *c.reason != '\0') << c.what;
        EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblStatus"))->accessibleDescription(),
                  c.reason)
            << c.what;
        EXPECT_EQ(checked(), c.checkedAfter) << c.what;
    }
    dialog.blink();
    EXPECT_EQ(caption(), "No Print Job(s) Selected");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintReportDialogTest, PrintInThePreviewIsThePrintButtonsRun) {
    struct Outcome {
        QStringList printed;
        QString status;
        std::vector<int> checked;
        int chooserCalls;
    };
    const auto run = [this](bool fromPreview) {
        for (int n : {12, 0})
            if (!box(n)->isChecked()) box(n)->click();
        ports.printed.clear();
        ports.chooserCalls = 0;
        if (fromPreview) {
            ports.printFromPreview = nullptr;
            button("cmdPreview")->click();
            EXPECT_TRUE(ports.printed.isEmpty());  // nothing printed before "Print..." is chosen
            EXPECT_TRUE(ports.printFromPreview);
            if (ports.printFromPreview) ports.printFromPreview();
        } else {
            button("cmdPrint")->click();
        }
        return Outcome{ports.printed, status(), checked(), ports.chooserCalls};
    };
    const std::pair<bool, int> scripts[] = {{false, -1}, {true, 1}, {true, -1}};
    for (const auto& [chosen, failingJob] : scripts) {
        ports.chosen = chosen;
        ports.failingJob = failingJob;
        const Outcome button = run(false);
        const Outcome preview = run(true);
        EXPECT_EQ(preview.printed, button.printed) << failingJob;
        EXPECT_EQ(preview.status, button.status) << failingJob;
        EXPECT_EQ(preview.checked, button.checked) << failingJob;
        EXPECT_EQ(preview.chooserCalls, 1);
    }
    EXPECT_EQ(ports.printed, QStringList({"Base Control Codes", "Courtesy Tones"}));
    EXPECT_TRUE(checked().empty());
}

TEST_F(PrintReportDialogTest, BoxesAndStatusSurviveOk) {
    box(3)->click();
    box(9)->click();
    ports.chosen = false;
    button("cmdPrint")->click();
    showSettled(dialog);
    QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    showSettled(dialog);
    EXPECT_EQ(checked(), std::vector<int>({3, 9}));
    EXPECT_EQ(status(), "Print Cancelled");
}

TEST_F(PrintReportDialogTest, PreviewShowsTheCheckedJobsAndKeepsTheBoxes) {
    box(4)->click();
    headings.chooserFileName.clear();  // asked for at each run
    button("cmdPreview")->click();
    ASSERT_EQ(ports.previews.size(), 1u);
    const ReportDocument& document = ports.previews[0];
    ASSERT_EQ(document.jobs.size(), 1u);
    EXPECT_EQ(document.jobs[0].name, "Base Voice Messages");
    EXPECT_EQ(pageLines(document, 0, 0).at(6), "       File: No File Name Assigned");
    EXPECT_EQ(checked(), std::vector<int>({4}));
    EXPECT_EQ(ports.chooserCalls, 0);
}

TEST_F(PrintReportDialogTest, ExportPdfWritesTheCheckedJobsOrSaysWhyNot) {
    QTemporaryDir dir;
    box(0)->click();
    box(4)->click();

    prompts.files = {QString()};  // cancelled
    button("cmdPdf")->click();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    prompts.files = {dir.filePath("club")};
    button("cmdPdf")->click();
    QFile pdf(dir.filePath("club.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(status(), "PDF Saved: club.pdf");
    EXPECT_EQ(checked(), std::vector<int>({0, 4}));
    EXPECT_TRUE(prompts.messages.empty());

    const QString unwritable = dir.filePath("no such folder/club.pdf");
    prompts.files = {unwritable};
    button("cmdPdf")->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Error);
    EXPECT_TRUE(prompts.messages[0].text.contains(unwritable))
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(ports.chooserCalls, 0);
}

TEST_F(PrintReportDialogTest, ExportPdfNeverReplacesTheConfigurationOrANonFile) {
    QTemporaryDir dir;
    const QByteArray config(ImageSize, 'c');
    const QString open = dir.filePath("club.orv");
    QFile file(open);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(config) == ImageSize);
    file.close();
    const QString linked = dir.filePath("club-report.pdf");
    ASSERT_EQ(::link(QFile::encodeName(open).constData(), QFile::encodeName(linked).constData()),
              0);
    const QString fifo = dir.filePath("fifo.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    dialog.setDocumentFiles([&] { return QStringList{open}; });
    box(0)->click();
    // clang-format off
    const std::pair<QString, const char*> cases[] = {
        {open, "This is the open configuration file; the report is not written over it."},
        {linked, "This is the open configuration file; the report is not written over it."},
        {fifo, "this is a FIFO, not a regular file; nothing is written over it"},
    };
    // clang-format on
    for (const auto& [target, reason] : cases) {
        prompts.messages.clear();
        prompts.files = {target};
        button("cmdPdf")->click();
        // The chooser proposes the configuration's name with ".pdf", beside it.
        EXPECT_EQ(prompts.lastChooserStart, dir.filePath("club.pdf"));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, "The report could not be saved as " + target + ".\n\n" +
                                                QString::fromLatin1(reason));
        EXPECT_FALSE(status().startsWith("PDF Saved"));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), config);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ReportPreview, ShowsEveryPageInItsOwnOrientation) {
    const ReportDocument document = composeReport(
        zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::BaseVoice, ReportBox::Scheduler}));
    ReportPreviewDialog preview(document, QPageSize(QPageSize::A4));
    ReportPagesView* view = preview.pagesView();
    ASSERT_EQ(view->pageCount(), 4);
    const bool landscape[] = {false, true, false, false};
    for (int p = 0; p < 4; ++p) {
        const QRectF rect = view->pageRect(p);
        EXPECT_EQ(rect.width() > rect.height(), landscape[p]) << "page " << p + 1;
        EXPECT_GE(rect.top(), p == 0 ? 0 : view->pageRect(p - 1).bottom()) << "page " << p + 1;
    }
    EXPECT_EQ(view->pageCaption(1), "Page 2 of 4: Base Voice Messages");
}
