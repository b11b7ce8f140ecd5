// What the print dialog asks of the printing system: the printer chooser, the printer itself and
// the print preview. The program passes QtPrintPorts; tests pass a script that answers the
// chooser and records, or refuses, the jobs.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>

#include "report/reportdocument.h"

class QPrinter;
class QWidget;

class PrintPorts {
public:
    virtual ~PrintPorts() = default;

    // The printer chooser, without page numbers, selection or printing to a file; false when
    // the user cancels.
    virtual bool choosePrinter() = 0;
    // Sends one job of the document to the chosen printer as a print job of its own. Returns
    // nothing when the printer took it, else why not (the print service's reason where it gives
    // one).
    virtual QString printJob(const ReportDocument& document, int job) = 0;
    // Shows the composed pages as they will come out of the printer, each in its orientation.
    // With `print` set the preview offers "Print..."; choosing it closes the preview and then runs
    // `print` (the print dialog's own print run).
    virtual void preview(const ReportDocument& document, const std::function<void()>& print) = 0;
};

class QtPrintPorts : public PrintPorts {
public:
    explicit QtPrintPorts(QWidget* parent = nullptr);
    ~QtPrintPorts() override;

    bool choosePrinter() override;
    QString printJob(const ReportDocument& document, int job) override;
    void preview(const ReportDocument& document, const std::function<void()>& print) override;

private:
    QWidget* m_parent;
    std::unique_ptr<QPrinter> m_printer;  // the printer last chosen, kept for the whole run
};
