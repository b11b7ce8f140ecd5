#include "report/printreportdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/filewriter.h"
#include "core/settings.h"
#include "report/printports.h"
#include "report/reportpainter.h"
#include "ui/prompts.h"
#include "ui/windows.h"

using namespace ReportTexts;

namespace {

constexpr char HelpPage[] = "report.html";
constexpr int BlinkMilliseconds = 500;

// The frames and the boxes they hold, top to bottom.
struct FrameInfo {
    const char* caption;
    const char* objectName;
    int row;
    int column;
};
constexpr FrameInfo Frames[] = {
    {BaseFrame, "fraBase", 0, 0},
    {MemoryFrame, "fraMemory", 0, 1},
    {TelephoneFrame, "fraTelephone", 1, 0},
    {MiscFrame, "fraMisc", 1, 1},
};

}  // namespace

PrintReportDialog::PrintReportDialog(const EditorContext& context, HeadingsSource headings,
                                     PrintPorts* ports, QWidget* parent)
    : EditorDialog(
          context,
          {QStringLiteral("frmPrint"), QLatin1String(DialogTitle), QLatin1String(HelpPage)},
          parent),
      m_headings(std::move(headings)) {
    if (!ports) m_ownPorts = std::make_unique<QtPrintPorts>(this);
    m_ports = ports ? ports : m_ownPorts.get();

    auto* frames = new QGridLayout;
    for (const FrameInfo& info : Frames) {
        auto* frame = new QGroupBox(QLatin1String(info.caption), this);
        frame->setObjectName(QLatin1String(info.objectName));
        auto* column = new QVBoxLayout(frame);
        for (int box = 0; box < BoxCount; ++box) {
            if (qstrcmp(Boxes[box].frame, info.caption) != 0) continue;
            auto* check = new QCheckBox(QLatin1String(Boxes[box].caption), frame);
            check->setObjectName(QStringLiteral("chkPrint%1").arg(box));
            column->addWidget(check);
            m_boxes[box] = check;
        }
        column->addStretch();
        frames->addWidget(frame, info.row, info.column);
    }

    auto* action = new QGroupBox(QLatin1String(ActionFrame), this);
    action->setObjectName(QStringLiteral("fraAction"));
    m_print = new QPushButton(QLatin1String(NoJobsSelected), action);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    // Wide enough for every caption, so the button keeps its size while it blinks.
    m_print->setMinimumWidth(
        m_print->fontMetrics().horizontalAdvance(QLatin1String(NoJobsSelected)) + 40);
    auto* preview = new QPushButton(tr("Preview..."), action);
    preview->setObjectName(QStringLiteral("cmdPreview"));
    auto* pdf = new QPushButton(tr("Export PDF..."), action);
    pdf->setObjectName(QStringLiteral("cmdPdf"));
    // The same room around the caption as the print button has.
    for (QPushButton* button : {preview, pdf})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 40);
    m_status = new QLabel(action);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setMinimumWidth(
        m_status->fontMetrics().horizontalAdvance(QLatin1String(JobsDispatched)));
    // Under the status line, the printer's reason when it fails: the status text stays as it is.
    m_reason = new QLabel(action);
    m_reason->setObjectName(QStringLiteral("lblPrinterReason"));
    m_reason->setWordWrap(true);
    m_reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_reason->hide();
    auto* statusLines = new QVBoxLayout;
    statusLines->addWidget(m_status);
    statusLines->addWidget(m_reason);
    auto* actionRow = new QHBoxLayout(action);
    actionRow->addWidget(m_print);
    actionRow->addWidget(preview);
    actionRow->addWidget(pdf);
    actionRow->addSpacing(12);
    actionRow->addLayout(statusLines, 1);

    connect(m_print, &QPushButton::clicked, this, &PrintReportDialog::printReport);
    connect(preview, &QPushButton::clicked, this, &PrintReportDialog::previewReport);
    connect(pdf, &QPushButton::clicked, this, &PrintReportDialog::exportPdf);

    body()->addLayout(frames);
    body()->addWidget(action);

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("tmrBlink"));
    m_blinkTimer->setInterval(BlinkMilliseconds);
    connect(m_blinkTimer, &QTimer::timeout, this, &PrintReportDialog::blink);
    m_print->setAccessibleName(QLatin1String(NoJobsSelected));
}

PrintReportDialog::~PrintReportDialog() = default;

void PrintReportDialog::showEvent(QShowEvent* event) {
    EditorDialog::showEvent(event);
    if (!event->spontaneous()) m_boxes[0]->setFocus();
    // The print button blinks while the dialog is shown; the dialog is kept between openings, and
    // hidden it has nothing to blink for.
    m_blinkTimer->start();
}

void PrintReportDialog::hideEvent(QHideEvent* event) {
    m_blinkTimer->stop();
    EditorDialog::hideEvent(event);
}

ReportBoxes PrintReportDialog::checkedBoxes() const {
    ReportBoxes boxes{};
    for (int box = 0; box < BoxCount; ++box) boxes[box] = m_boxes[box]->isChecked();
    return boxes;
}

void PrintReportDialog::blink() {
    const ReportBoxes boxes = checkedBoxes();
    const bool selected = std::find(boxes.begin(), boxes.end(), true) != boxes.end();
    if (!selected)
        m_print->setText(QLatin1String(NoJobsSelected));
    else if (m_print->text() == QLatin1String(StartPrintJobs))
        m_print->setText(QString());
    else
        m_print->setText(QLatin1String(StartPrintJobs));
    // A screen reader hears what the button does, not the blank phase of the blinking.
    m_print->setAccessibleName(QLatin1String(selected ? StartPrintJobs : NoJobsSelected));
}

ReportDocument PrintReportDialog::composeChecked() const {
    ReportHeadings headings = m_headings ? m_headings() : ReportHeadings{};
    if (!m_headings) headings.printDate = todaysPrintDate();
    return composeReport(m_image, reportInputs(m_settings, headings, checkedBoxes()));
}

bool PrintReportDialog::anyChecked() {
    const ReportBoxes boxes = checkedBoxes();
    if (std::find(boxes.begin(), boxes.end(), true) != boxes.end()) return true;
    m_prompts.message(Icon::Warning, QLatin1String(PrintJobsTitle), QLatin1String(NoJobsError));
    return false;
}

void PrintReportDialog::setStatus(const QString& text, const QString& reason) {
    m_status->setText(text);
    m_status->setAccessibleDescription(reason);
    m_reason->setText(reason);
    m_reason->setAccessibleName(reason);
    m_reason->setVisible(!reason.isEmpty());
}

void PrintReportDialog::printReport() {
    if (!anyChecked()) return;
    if (!m_ports->choosePrinter()) {
        setStatus(QLatin1String(PrintCancelled));
        return;
    }
    {
        const BusyPointer busy;
        const ReportDocument document = composeChecked();
        for (int job = 0; job < static_cast<int>(document.jobs.size()); ++job) {
            const QString failure = m_ports->printJob(document, job);
            if (!failure.isEmpty()) {
                // The jobs already sent stay sent; the rest is skipped and the boxes stay
                // checked for another try.
                setStatus(QLatin1String(PrinterError), failure);
                return;
            }
        }
    }
    setStatus(QLatin1String(JobsDispatched));
    for (QCheckBox* box : m_boxes) box->setChecked(false);
}

void PrintReportDialog::previewReport() {
    if (!anyChecked()) return;
    const ReportDocument document = whileBusy([this] { return composeChecked(); });
    // "Print..." in the preview is the print button's run: the same chooser, jobs and status.
    m_ports->preview(document, [this] { printReport(); });
}

void PrintReportDialog::exportPdf() {
    if (!anyChecked()) return;
    // The configuration's own name, with ".pdf", beside it.
    const QStringList documents = m_documentFiles ? m_documentFiles() : QStringList();
    QString proposed;
    if (!documents.isEmpty() && !documents.last().isEmpty()) {
        const QFileInfo configuration(documents.last());
        proposed = configuration.absoluteDir().filePath(configuration.completeBaseName() +
                                                        QStringLiteral(".pdf"));
    }
    QString path = m_prompts.chooseSaveFile(tr("PDF Files (*.pdf)"), proposed);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    const auto refuse = [this, &path](const QString& reason) {
        m_prompts.message(Icon::Error, tr("Export PDF"),
                          tr("The report could not be saved as %1.\n\n%2")
                              .arg(visibleFileName(QDir::toNativeSeparators(path)), reason));
    };
    // Compared as files, not names: the configuration reached by another name is refused too.
    for (const QString& document : documents) {
        if (path == document || isSameFile(path, document)) {
            refuse(tr("This is the open configuration file; the report is not written over it."));
            return;
        }
    }
    const QString failure = whileBusy([&] { return writeReportPdf(composeChecked(), path); });
    if (!failure.isEmpty()) {
        refuse(failure);
        return;
    }
    setStatus(tr("PDF Saved: %1").arg(visibleFileName(QFileInfo(path).fileName())));
}
