#include "report/reportpreviewdialog.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "report/reportpainter.h"

namespace {
constexpr double Gap = 16;      // between pages, and room for a caption
constexpr double Caption = 18;  // height of the caption above a page
constexpr double MinZoom = 0.25;
constexpr double MaxZoom = 3.0;
constexpr double ZoomStep = 1.25;
}  // namespace

ReportPagesView::ReportPagesView(const ReportDocument& document, const QPageSize& pageSize,
                                 QWidget* parent)
    : QWidget(parent), m_document(document), m_pageSize(pageSize) {
    setObjectName(QStringLiteral("pagesView"));
    for (int j = 0; j < static_cast<int>(m_document.jobs.size()); ++j)
        for (const ReportPage& page : m_document.jobs[j].pages) m_pages.push_back({&page, j, {}});
    arrangePages();
}

void ReportPagesView::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, MinZoom, MaxZoom);
    arrangePages();
    update();
}

QString ReportPagesView::pageCaption(int index) const {
    const Page& page = m_pages.at(index);
    return tr("Page %1 of %2: %3")
        .arg(index + 1)
        .arg(pageCount())
        .arg(m_document.jobs[page.job].name);
}

void ReportPagesView::arrangePages() {
    const int dpi = logicalDpiX();
    double width = 0;
    for (Page& page : m_pages) {
        const QSizeF full =
            ReportPaper::pageLayout(m_pageSize, page.page->orientation).fullRectPixels(dpi).size();
        page.rect = QRectF(QPointF(), full * m_zoom);
        width = std::max(width, page.rect.width());
    }
    // One page below the other, each centred on the widest.
    double y = Gap;
    for (Page& page : m_pages) {
        y += Caption;
        page.rect.moveTopLeft(QPointF(Gap + (width - page.rect.width()) / 2, y));
        y += page.rect.height() + Gap;
    }
    m_size = QSize(static_cast<int>(width + 2 * Gap), static_cast<int>(y));
    resize(m_size);
    updateGeometry();
}

void ReportPagesView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    const int dpi = logicalDpiX();
    for (int i = 0; i < pageCount(); ++i) {
        const Page& page = m_pages[i];
        const QRectF withCaption = page.rect.adjusted(0, -Caption, 0, 0);
        if (!withCaption.intersects(event->rect())) continue;
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(
            QRectF(page.rect.left(), page.rect.top() - Caption, page.rect.width(), Caption),
            Qt::AlignLeft | Qt::AlignVCenter, pageCaption(i));
        painter.fillRect(page.rect, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(page.rect);

        painter.save();
        painter.setClipRect(page.rect);
        painter.translate(page.rect.topLeft());
        painter.scale(m_zoom, m_zoom);
        const QRect paint =
            ReportPaper::pageLayout(m_pageSize, page.page->orientation).paintRectPixels(dpi);
        drawPage(painter, *page.page, m_document, QRectF(paint));
        painter.restore();
    }
}

ReportPreviewDialog::ReportPreviewDialog(const ReportDocument& document, const QPageSize& pageSize,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Print Preview"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_view = new ReportPagesView(document, pageSize);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollPages"));
    scroll->setWidget(m_view);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* zoomIn = button(tr("Zoom In"), QStringLiteral("cmdZoomIn"));
    QPushButton* zoomOut = button(tr("Zoom Out"), QStringLiteral("cmdZoomOut"));
    m_print = button(tr("Print..."), QStringLiteral("cmdPrint"));
    m_print->hide();
    QPushButton* close = button(tr("Close"), QStringLiteral("cmdClose"));
    connect(zoomIn, &QPushButton::clicked, this,
            [this] { m_view->setZoom(m_view->zoom() * ZoomStep); });
    connect(zoomOut, &QPushButton::clicked, this,
            [this] { m_view->setZoom(m_view->zoom() / ZoomStep); });
    connect(m_print, &QPushButton::clicked, this, [this] { done(PrintRequested); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zoomIn);
    buttons->addWidget(zoomOut);
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    resize(m_view->sizeHint().width() + 60, 760);
}

void ReportPreviewDialog::offerPrinting(bool offered) { m_print->setVisible(offered); }
