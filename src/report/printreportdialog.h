// The print dialog ("Print Driver"): thirteen check boxes choose the sections of the listing; the
// print run sends each of their jobs to the printer in box order; the preview and the PDF export
// show or save the same pages.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "core/image.h"
#include "report/report.h"
#include "ui/editordialog.h"

class PrintPorts;
class Prompts;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
struct Settings;

class PrintReportDialog : public EditorDialog {
    Q_OBJECT
public:
    // The names and the date the headings show, asked for at every run: the report file name,
    // the path the Open / Save As chooser last confirmed, and today's date.
    using HeadingsSource = std::function<ReportHeadings()>;

    // Check boxes chkPrint0..12 (the number is the printing order) in the frames fraBase,
    // fraMemory, fraMisc and fraTelephone; the frame fraAction with the print button cmdPrint,
    // cmdPreview, cmdPdf, the status line lblStatus and under it lblPrinterReason; cmdOK hides the
    // dialog, the boxes keep their state. The memory layout and the print font are read from the
    // settings at each run. Messages and the PDF file chooser go through `prompts`; the printer
    // chooser, the printer and the preview through `ports` (nullptr: the system's own,
    // QtPrintPorts).
    PrintReportDialog(const EditorContext& context, HeadingsSource headings,
                      PrintPorts* ports = nullptr, QWidget* parent = nullptr);
    ~PrintReportDialog() override;

    // The configuration files Export PDF never writes over (the open file, then the file Save
    // writes, whose name it proposes with ".pdf"), asked for at every export.
    void setDocumentFiles(std::function<QStringList()> files) {
        m_documentFiles = std::move(files);
    }

    // The print button's caption changes every 500 ms (tmrBlink); tests stop it and call blink().
    QTimer* blinkTimer() const { return m_blinkTimer; }
    ReportBoxes checkedBoxes() const;
    // The document of the checked boxes as a run would compose it now.
    ReportDocument composeChecked() const;

public slots:
    // While a box is checked the caption alternates between "Start Print Job(s)" and empty,
    // otherwise it reads "No Print Job(s) Selected".
    void blink();
    // The print run: one print job per job, in box order; a completed run clears the boxes.
    void printReport();
    // The checked sections in the preview; the boxes stay checked. Its "Print..." closes it and
    // starts the print run.
    void previewReport();
    // The checked sections saved as one PDF file, each job on new pages; the boxes stay checked.
    void exportPdf();

protected:
    // Each opening starts on the first check box.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The "Print Jobs" message when nothing is checked; true when something is.
    bool anyChecked();
    // The status line, and under it why the printer failed (shown only when there is a reason;
    // also the status line's accessible description).
    void setStatus(const QString& text, const QString& reason = QString());

    HeadingsSource m_headings;
    std::function<QStringList()> m_documentFiles;
    std::unique_ptr<PrintPorts> m_ownPorts;
    PrintPorts* m_ports;
    std::array<QCheckBox*, ReportTexts::BoxCount> m_boxes = {};
    QPushButton* m_print;
    QLabel* m_status;
    QLabel* m_reason;
    QTimer* m_blinkTimer;
};
