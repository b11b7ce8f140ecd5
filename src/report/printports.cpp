#include "report/printports.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "report/reportpainter.h"
#include "report/reportpreviewdialog.h"

QtPrintPorts::QtPrintPorts(QWidget* parent) : m_parent(parent) {}

QtPrintPorts::~QtPrintPorts() = default;

bool QtPrintPorts::choosePrinter() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), m_parent);
    // Every job prints whole, on paper.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintPorts::printJob(const ReportDocument& document, int job) {
    if (!m_printer) return false;
    m_printer->setDocName(document.jobs.at(job).name);
    const bool painted = paintJob(*m_printer, document, job);
    return painted && m_printer->printerState() != QPrinter::Error &&
           m_printer->printerState() != QPrinter::Aborted;
}

void QtPrintPorts::preview(const ReportDocument& document) {
    const QPageSize size =
        m_printer ? m_printer->pageLayout().pageSize() : ReportPaper::defaultPageSize();
    ReportPreviewDialog dialog(document, size, m_parent);
    dialog.exec();
}
