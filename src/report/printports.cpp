#include "report/printports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "report/cupsjob.h"
#include "report/reportpainter.h"
#include "report/reportpreviewdialog.h"

namespace {

// The options the user set in the chooser, as the print service names them (name, value, name,
// value, ...): pages per sheet and their layout from Properties > Page, the queue's own options
// from Properties > Advanced, and the job options (hold, priority, banner pages, billing). Qt's
// CUPS printer keeps them under a key of its own that no public header names (PPK_CupsOptions in
// Qt's private qcups_p.h, 0xfe00 since Qt 5); should a Qt release move it, this list reads empty
// and the real-print test of the chooser's options fails.
constexpr auto ServiceOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Choices of pages the list may hold although the chooser hides them (Qt reads its page widgets
// shown or not, and the printer is kept from run to run): every job prints whole.
const char* const PageNumberOptions[] = {"page-set", "page-ranges"};

// The chooser's choices of pages, the page set ("Odd Pages", "Even Pages") among them, all in its
// "Pages" frame: every job prints whole, so only "Print all" stays.
const char* const PageChoices[] = {
    "printRange",       "from",          "label_3",          "to",
    "pagesRadioButton", "pagesLineEdit", "printCurrentPage", "printSelection",
    "pageSetLabel",     "pageSetCombo"};

void hidePageChoices(QPrintDialog& dialog) {
    auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
    if (!range) return;
    for (const char* name : PageChoices)
        if (auto* choice = range->findChild<QWidget*>(QLatin1String(name))) choice->hide();
}

// What the print service is told besides the document: the paper, copies, sides, orientation,
// page order and colour as the chooser left them on the printer, then the options it keeps for the
// service (they win, as they do for Qt's own jobs), except a choice of pages.
PrintJobOptions jobOptions(QPrinter& printer, bool landscape) {
    PrintJobOptions options;
    options.emplaceBack("media", printer.pageLayout().pageSize().key().toUtf8());
    const int copies = printer.copyCount();
    if (copies > 1) {
        options.emplaceBack("copies", QByteArray::number(copies));
        options.emplaceBack("Collate", printer.collateCopies() ? "True" : "False");
    }
    switch (printer.duplex()) {
        case QPrinter::DuplexNone:
            options.emplaceBack("sides", "one-sided");
            break;
        case QPrinter::DuplexAuto:
            options.emplaceBack("sides",
                                landscape ? "two-sided-short-edge" : "two-sided-long-edge");
            break;
        case QPrinter::DuplexLongSide:
            options.emplaceBack("sides", "two-sided-long-edge");
            break;
        case QPrinter::DuplexShortSide:
            options.emplaceBack("sides", "two-sided-short-edge");
            break;
    }
    if (landscape) options.emplaceBack("landscape", "");
    // "Reverse" in the chooser, and grey (the printer's colour model "Gray" under Advanced, or a
    // printer without colour); otherwise the queue's own order and colour stand.
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        options.emplaceBack("outputorder", "reverse");
    if (printer.colorMode() == QPrinter::GrayScale)
        options.emplaceBack("print-color-mode", "monochrome");
    const QStringList own = printer.printEngine()->property(ServiceOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < own.size(); i += 2) {
        const QByteArray name = own[i].toUtf8();
        if (std::find(std::begin(PageNumberOptions), std::end(PageNumberOptions), name) ==
            std::end(PageNumberOptions))
            options.emplaceBack(name, own[i + 1].toUtf8());
    }
    return options;
}

}  // namespace

QtPrintPorts::QtPrintPorts(QWidget* parent) : m_parent(parent) {}

QtPrintPorts::~QtPrintPorts() = default;

bool QtPrintPorts::choosePrinter() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(m_printer.get(), m_parent);
    // Every job prints whole, on paper.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    // The chooser shows its page choices whatever the options say; they go once it is shown.
    hidePageChoices(dialog);
    QTimer::singleShot(0, &dialog, [&dialog] { hidePageChoices(dialog); });
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrintPorts::printJob(const ReportDocument& document, int job) {
    const QString stopped =
        QCoreApplication::translate("PrintJob", "The printer did not take the job.");
    if (!m_printer) return stopped;
    const ReportJob& section = document.jobs.at(job);
    m_printer->setDocName(section.name);
    if (m_printer->outputFormat() != QPrinter::NativeFormat || m_printer->printerName().isEmpty()) {
        // No queue of the print service: Qt writes the pages itself and gives no reason.
        const bool painted = paintJob(*m_printer, document, job);
        return painted && m_printer->printerState() != QPrinter::Error &&
                       m_printer->printerState() != QPrinter::Aborted
                   ? QString()
                   : stopped;
    }
    // The job is drawn on the chosen paper first and then sent, so the service's answer is known.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(section.name);
        writer.setResolution(m_printer->resolution());
        writer.setPageSize(m_printer->pageLayout().pageSize());
        if (!paintJob(writer, document, job))
            return QCoreApplication::translate("PrintJob",
                                               "The pages could not be drawn for the printer.");
    }
    const bool landscape =
        !section.pages.empty() && section.pages.back().orientation == PageOrientation::Landscape;
    const QString refused =
        sendPdfJob(m_printer->printerName(), section.name, pdf, jobOptions(*m_printer, landscape));
    if (!refused.isEmpty())
        qWarning("Print job \"%s\" refused: %s", qUtf8Printable(section.name),
                 qUtf8Printable(refused));
    return refused;
}

void QtPrintPorts::preview(const ReportDocument& document, const std::function<void()>& print) {
    const QPageSize size =
        m_printer ? m_printer->pageLayout().pageSize() : ReportPaper::defaultPageSize();
    int outcome = QDialog::Rejected;
    {
        ReportPreviewDialog dialog(document, size, m_parent);
        dialog.offerPrinting(bool(print));
        // Modal to the Print Driver only: the help window stays usable beside it.
        if (m_parent) dialog.setWindowModality(Qt::WindowModal);
        outcome = dialog.exec();
    }
    // The preview is gone before the printer chooser comes up.
    if (outcome == ReportPreviewDialog::PrintRequested && print) print();
}
