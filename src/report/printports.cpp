#include "report/printports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include "report/cupsjob.h"
#include "report/reportpainter.h"
#include "report/reportpreviewdialog.h"

namespace {

// The options the user set in the chooser's printer properties (the print service's own names
// and values, in pairs), as Qt's printer keeps them.
constexpr auto ServiceOptionsKey =
    QPrintEngine::PrintEnginePropertyKey(QPrintEngine::PPK_CustomBase);

// The chooser's choices of pages: every job prints whole, so only "Print all" stays.
const char* const PageChoices[] = {
    "printRange",       "from",          "label_3",          "to",
    "pagesRadioButton", "pagesLineEdit", "printCurrentPage", "printSelection"};

void hidePageChoices(QPrintDialog& dialog) {
    auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
    if (!range) return;
    for (const char* name : PageChoices)
        if (auto* choice = range->findChild<QWidget*>(QLatin1String(name))) choice->hide();
}

// What the print service is told besides the document: the paper, copies, sides and orientation
// as the chooser left them, and the printer's own properties except a page selection.
PrintJobOptions jobOptions(QPrinter& printer, bool landscape) {
    PrintJobOptions options;
    options.emplaceBack("media", printer.pageLayout().pageSize().key().toUtf8());
    const int copies = printer.copyCount();
    if (copies > 1) {
        options.emplaceBack("copies", QByteArray::number(copies));
        if (printer.collateCopies()) options.emplaceBack("Collate", "True");
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
    const QStringList own = printer.printEngine()->property(ServiceOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < own.size(); i += 2)
        if (own[i] != QLatin1String("page-ranges"))
            options.emplaceBack(own[i].toUtf8(), own[i + 1].toUtf8());
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

bool QtPrintPorts::printJob(const ReportDocument& document, int job) {
    if (!m_printer) return false;
    const ReportJob& section = document.jobs.at(job);
    m_printer->setDocName(section.name);
    if (m_printer->outputFormat() != QPrinter::NativeFormat || m_printer->printerName().isEmpty()) {
        // No queue of the print service: Qt writes the pages itself.
        const bool painted = paintJob(*m_printer, document, job);
        return painted && m_printer->printerState() != QPrinter::Error &&
               m_printer->printerState() != QPrinter::Aborted;
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
        if (!paintJob(writer, document, job)) return false;
    }
    const bool landscape =
        !section.pages.empty() && section.pages.back().orientation == PageOrientation::Landscape;
    const QString refused =
        sendPdfJob(m_printer->printerName(), section.name, pdf, jobOptions(*m_printer, landscape));
    if (!refused.isEmpty())
        qWarning("Print job \"%s\" refused: %s", qUtf8Printable(section.name),
                 qUtf8Printable(refused));
    return refused.isEmpty();
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
