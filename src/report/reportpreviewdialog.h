// The print preview: every composed page drawn as it will be printed, each in its own
// orientation (a job of landscape voice-message pages between portrait listings shows as such).
#pragma once

#include <QDialog>
#include <QPageSize>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "report/reportdocument.h"

class QPushButton;

// The pages one below the other, each with a caption naming its page number and job.
class ReportPagesView : public QWidget {
    Q_OBJECT
public:
    ReportPagesView(const ReportDocument& document, const QPageSize& pageSize,
                    QWidget* parent = nullptr);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Where page `index` (from 0) is drawn, in the view's coordinates.
    QRectF pageRect(int index) const { return m_pages.at(index).rect; }
    // The caption above page `index`.
    QString pageCaption(int index) const;

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Page {
        const ReportPage* page;
        int job;
        QRectF rect;
    };
    void arrangePages();

    ReportDocument m_document;
    QPageSize m_pageSize;
    std::vector<Page> m_pages;
    double m_zoom = 0.75;
    QSize m_size;
};

class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // What exec() returns when the user chose "Print...".
    static constexpr int PrintRequested = QDialog::Accepted + 1;

    // A scroll area with the pages (pagesView), "Zoom In" (cmdZoomIn), "Zoom Out" (cmdZoomOut),
    // "Print..." (cmdPrint, shown once offered) and "Close" (cmdClose).
    ReportPreviewDialog(const ReportDocument& document, const QPageSize& pageSize,
                        QWidget* parent = nullptr);

    ReportPagesView* pagesView() const { return m_view; }
    // Shows "Print...", which closes the preview with PrintRequested.
    void offerPrinting(bool offered);

private:
    ReportPagesView* m_view;
    QPushButton* m_print;
};
