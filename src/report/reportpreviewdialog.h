// The print preview: every composed page drawn as it will be printed, each in its own
// orientation (a job of landscape voice-message pages between portrait listings shows as such).
#pragma once

#include <QDialog>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "report/reportdocument.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

// The pages one below the other, each with a caption naming its page number and job. The gaps
// and captions keep their size in pixels at every zoom; only the pages scale.
class ReportPagesView : public QWidget {
    Q_OBJECT
public:
    static constexpr double Gap = 16;      // around and between the pages
    static constexpr double Caption = 18;  // height of the caption above a page
    static constexpr double MinZoom = 0.1;
    static constexpr double MaxZoom = 4.0;

    ReportPagesView(const ReportDocument& document, const QPageSize& pageSize,
                    QWidget* parent = nullptr);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Where page `index` (from 0) is drawn, in the view's coordinates.
    QRectF pageRect(int index) const { return m_pages.at(index).rect; }
    // The caption above page `index`.
    QString pageCaption(int index) const;
    // The height at which page `index` begins: half a gap above its caption (the first page
    // begins at 0). Scrolled to this height, the page's caption is at the top of the viewport.
    int pageTop(int index) const;
    // The page at height `y`: the last one beginning at or above it.
    int pageAt(double y) const;

    double zoom() const { return m_zoom; }
    // Clamped to MinZoom..MaxZoom.
    void setZoom(double zoom);
    // The view's size at `zoom`.
    QSize sizeAt(double zoom) const;
    // The zoom at which the widest page and the gaps beside it fill `width` pixels.
    double fitWidthZoom(int width) const;
    // The zoom at which page `index` with its caption and the gaps around it fits in `size`.
    double fitPageZoom(int index, QSize size) const;

    // A place on a page's paper (in unzoomed pixels from its top left), found again at any zoom.
    struct Anchor {
        int page;
        QPointF onPaper;
    };
    Anchor anchorAt(QPointF point) const;
    QPointF pointOf(const Anchor& anchor) const;

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Page {
        const ReportPage* page;
        int job;
        QSizeF paper;  // unzoomed pixels
        QRectF rect;
    };
    double widestPaper() const;
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
    // Zoom In and Zoom Out multiply or divide the zoom by this, as does one notch of the wheel.
    static constexpr double ZoomStep = 1.25;

    // A scroll area with the pages (pagesView); "Zoom In" (cmdZoomIn, also Ctrl++ and Ctrl+=),
    // "Zoom Out" (cmdZoomOut, also Ctrl+-) and Ctrl with the mouse wheel; the zoom in percent
    // (lblZoom); "Fit Width" (cmdFitWidth) and "Fit Page" (cmdFitPage), which stay in effect
    // while the window changes size until the zoom is changed by hand; first, previous, next and
    // last page (cmdFirstPage, cmdPreviousPage, cmdNextPage, cmdLastPage) and the page number box
    // (spnPage, with lblPageCount); "Print..." (cmdPrint, shown once offered) and "Close"
    // (cmdClose). About 85 % of the height of its screen tall, as wide as a portrait page needs.
    ReportPreviewDialog(const ReportDocument& document, const QPageSize& pageSize,
                        QWidget* parent = nullptr);

    ReportPagesView* pagesView() const { return m_view; }
    QScrollArea* scrollArea() const { return m_scroll; }
    // Shows "Print...", which closes the preview with PrintRequested.
    void offerPrinting(bool offered);

    // The page the page number box shows (from 0).
    int currentPage() const { return m_current; }
    // Scrolls page `index` to the top of the viewport, in the middle across or, when wider than
    // the viewport, from its left edge (Fit Page fits it first).
    void goToPage(int index);
    // Sets the zoom keeping the point `at` of the viewport where it is; leaves Fit Width and Fit
    // Page.
    void zoomAround(double zoom, QPoint at);
    void fitWidth();
    void fitPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Fit { None, Width, Page };
    // About 85 % of the screen's free height; as wide as the pages at the starting zoom need, or
    // the tool row; never larger than the screen's free area.
    void fitScreen();
    void setFit(Fit fit);
    // Applies Fit Width or Fit Page to the viewport as it is now.
    void refit();
    // The zoom `fit` gives for the viewport, with room for the scroll bars the zoom brings.
    template <typename FitZoom>
    double zoomToFit(FitZoom fit) const;
    void setZoom(double zoom);
    // The page at the top of the viewport; at the end of the scroll range the last page whose
    // caption is in view, as the last pages may never reach the top.
    int pageInView() const;
    void showCurrentPage(int index);
    // The arrows of the page buttons, in the colours of the scheme.
    void paintPageIcons();

    ReportPagesView* m_view;
    QScrollArea* m_scroll;
    QPushButton* m_zoomIn;
    QPushButton* m_zoomOut;
    QLabel* m_zoomLabel;
    QPushButton* m_fitWidth;
    QPushButton* m_fitPage;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
    QSpinBox* m_pageBox;
    QPushButton* m_print;
    Fit m_fit = Fit::None;
    int m_current = 0;
    bool m_navigating = false;  // the scroll bars move for goToPage, not the user
    bool m_refitting = false;   // the viewport changes size while a fit is applied
    bool m_shown = false;
};
