#include "report/reportpreviewdialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "report/reportpainter.h"

namespace {

// A page button's arrow in the button text colour of `palette` (the disabled one greyed as the
// scheme greys texts), so it shows in light and dark schemes alike: a triangle pointing back or
// forward, with a bar at its tip for the first and the last page.
QIcon arrowIcon(bool back, bool bar, const QPalette& palette, double pixelRatio) {
    constexpr int Size = 16;
    QIcon icon;
    const std::pair<QIcon::Mode, QPalette::ColorGroup> looks[] = {
        {QIcon::Normal, QPalette::Active}, {QIcon::Disabled, QPalette::Disabled}};
    for (const auto& [mode, group] : looks) {
        QPixmap pixmap(QSize(Size, Size) * pixelRatio);
        pixmap.setDevicePixelRatio(pixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (back) {
            // Drawn pointing forward, then mirrored.
            painter.translate(Size, 0);
            painter.scale(-1, 1);
        }
        const QColor colour = palette.color(group, QPalette::ButtonText);
        const double tip = bar ? 11.5 : 12.5;
        const QPointF triangle[] = {{tip - 7, 3}, {tip, 8}, {tip - 7, 13}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(triangle, 3);
        if (bar) painter.fillRect(QRectF(tip + 0.5, 3, 2, 10), colour);
        painter.end();
        icon.addPixmap(pixmap, mode);
    }
    return icon;
}

}  // namespace

ReportPagesView::ReportPagesView(const ReportDocument& document, const QPageSize& pageSize,
                                 QWidget* parent)
    : QWidget(parent), m_document(document), m_pageSize(pageSize) {
    setObjectName(QStringLiteral("pagesView"));
    const int dpi = logicalDpiX();
    for (int j = 0; j < static_cast<int>(m_document.jobs.size()); ++j) {
        for (const ReportPage& page : m_document.jobs[j].pages) {
            const QSizeF paper =
                ReportPaper::pageLayout(m_pageSize, page.orientation).fullRectPixels(dpi).size();
            m_pages.push_back({&page, j, paper, {}});
        }
    }
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

int ReportPagesView::pageTop(int index) const {
    if (index <= 0) return 0;
    return static_cast<int>(std::floor(m_pages.at(index).rect.top() - Caption - Gap / 2));
}

int ReportPagesView::pageAt(double y) const {
    for (int i = pageCount() - 1; i > 0; --i)
        if (pageTop(i) <= y) return i;
    return 0;
}

double ReportPagesView::widestPaper() const {
    double width = 0;
    for (const Page& page : m_pages) width = std::max(width, page.paper.width());
    return width;
}

QSize ReportPagesView::sizeAt(double zoom) const {
    double height = Gap;
    for (const Page& page : m_pages) height += Caption + page.paper.height() * zoom + Gap;
    return QSize(static_cast<int>(widestPaper() * zoom + 2 * Gap), static_cast<int>(height));
}

double ReportPagesView::fitWidthZoom(int width) const {
    const double paper = widestPaper();
    return paper > 0 ? (width - 2 * Gap) / paper : m_zoom;
}

double ReportPagesView::fitPageZoom(int index, QSize size) const {
    const QSizeF paper = m_pages.at(index).paper;
    return std::min((size.width() - 2 * Gap) / paper.width(),
                    (size.height() - Caption - 2 * Gap) / paper.height());
}

ReportPagesView::Anchor ReportPagesView::anchorAt(QPointF point) const {
    const int page = pageAt(point.y());
    if (m_pages.empty()) return {0, point};
    return {page, (point - m_pages[page].rect.topLeft()) / m_zoom};
}

QPointF ReportPagesView::pointOf(const Anchor& anchor) const {
    if (m_pages.empty()) return anchor.onPaper;
    return m_pages.at(anchor.page).rect.topLeft() + anchor.onPaper * m_zoom;
}

void ReportPagesView::arrangePages() {
    const double width = widestPaper() * m_zoom;
    // One page below the other, each centred on the widest.
    double y = Gap;
    for (Page& page : m_pages) {
        y += Caption;
        const QSizeF size = page.paper * m_zoom;
        page.rect = QRectF(QPointF(Gap + (width - size.width()) / 2, y), size);
        y += size.height() + Gap;
    }
    m_size = sizeAt(m_zoom);
    resize(m_size);
    updateGeometry();
}

void ReportPagesView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Dark);
    painter.fillRect(event->rect(), background);
    // The captions take the scheme's text colour that stands out more on the background: dark
    // text on the light grey of a light scheme, bright text in a dark one.
    const QColor text = palette().color(QPalette::WindowText);
    const QColor bright = palette().color(QPalette::BrightText);
    const auto contrast = [&background](const QColor& colour) {
        return std::abs(colour.lightness() - background.lightness());
    };
    const QColor captionColour = contrast(text) >= contrast(bright) ? text : bright;
    const int dpi = logicalDpiX();
    for (int i = 0; i < pageCount(); ++i) {
        const Page& page = m_pages[i];
        const QRectF withCaption = page.rect.adjusted(0, -Caption, 0, 0);
        if (!withCaption.intersects(event->rect())) continue;
        painter.setPen(captionColour);
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
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("scrollPages"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    // Home, End and Ctrl with the wheel are the preview's own; the rest is the scroll area's.
    m_scroll->installEventFilter(this);
    m_scroll->viewport()->installEventFilter(this);

    // Clicking a button of the tool row leaves the keyboard with the pages.
    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    auto pageButton = [this](const QString& text, const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(text);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };

    m_zoomIn = button(tr("Zoom In"), "cmdZoomIn");
    m_zoomOut = button(tr("Zoom Out"), "cmdZoomOut");
    m_zoomIn->setToolTip(
        tr("Zoom in (%1, or Ctrl with the mouse wheel)")
            .arg(QKeySequence(QKeySequence::ZoomIn).toString(QKeySequence::NativeText)));
    m_zoomOut->setToolTip(
        tr("Zoom out (%1, or Ctrl with the mouse wheel)")
            .arg(QKeySequence(QKeySequence::ZoomOut).toString(QKeySequence::NativeText)));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_zoomLabel->setMinimumWidth(m_zoomLabel->fontMetrics().horizontalAdvance(tr("%1%").arg(888)));
    m_fitWidth = button(tr("Fit Width"), "cmdFitWidth");
    m_fitPage = button(tr("Fit Page"), "cmdFitPage");
    m_fitWidth->setToolTip(tr("The widest page fills the window's width"));
    m_fitPage->setToolTip(tr("The whole page shows in the window"));
    for (QPushButton* fit : {m_fitWidth, m_fitPage}) fit->setCheckable(true);

    m_first = pageButton(tr("First Page"), "cmdFirstPage");
    m_previous = pageButton(tr("Previous Page"), "cmdPreviousPage");
    m_next = pageButton(tr("Next Page"), "cmdNextPage");
    m_last = pageButton(tr("Last Page"), "cmdLastPage");
    paintPageIcons();
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("spnPage"));
    m_pageBox->setRange(1, std::max(1, m_view->pageCount()));
    // A page number typed in is gone to on Enter, not digit by digit.
    m_pageBox->setKeyboardTracking(false);
    m_pageBox->setAlignment(Qt::AlignRight);
    m_pageBox->setAccessibleName(tr("Page"));
    auto* pageLabel = new QLabel(tr("Page"), this);
    pageLabel->setBuddy(m_pageBox);
    auto* pageCount = new QLabel(tr("of %1").arg(m_view->pageCount()), this);
    pageCount->setObjectName(QStringLiteral("lblPageCount"));

    m_print = button(tr("Print..."), "cmdPrint");
    m_print->setFocusPolicy(Qt::StrongFocus);
    m_print->hide();
    QPushButton* close = button(tr("Close"), "cmdClose");
    close->setFocusPolicy(Qt::StrongFocus);

    connect(m_zoomIn, &QPushButton::clicked, this, [this] {
        zoomAround(m_view->zoom() * ZoomStep, m_scroll->viewport()->rect().center());
    });
    connect(m_zoomOut, &QPushButton::clicked, this, [this] {
        zoomAround(m_view->zoom() / ZoomStep, m_scroll->viewport()->rect().center());
    });
    connect(m_fitWidth, &QPushButton::clicked, this,
            [this](bool on) { on ? fitWidth() : setFit(Fit::None); });
    connect(m_fitPage, &QPushButton::clicked, this,
            [this](bool on) { on ? fitPage() : setFit(Fit::None); });
    connect(m_first, &QToolButton::clicked, this, [this] { goToPage(0); });
    connect(m_previous, &QToolButton::clicked, this, [this] { goToPage(m_current - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { goToPage(m_current + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { goToPage(m_view->pageCount() - 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) { goToPage(page - 1); });
    connect(m_print, &QPushButton::clicked, this, [this] { done(PrintRequested); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // Scrolling by hand moves the page number box along.
    QScrollBar* vertical = m_scroll->verticalScrollBar();
    const auto followScrolling = [this] {
        if (!m_navigating) showCurrentPage(pageInView());
    };
    connect(vertical, &QScrollBar::valueChanged, this, followScrolling);
    connect(vertical, &QScrollBar::rangeChanged, this, followScrolling);

    // Ctrl++ (Ctrl+Shift+= on many keyboards, so Ctrl+= as well) and Ctrl+-.
    const auto zoomKeys = [this](const QList<QKeySequence>& keys, double factor) {
        for (const QKeySequence& key : keys) {
            connect(new QShortcut(key, this), &QShortcut::activated, this, [this, factor] {
                zoomAround(m_view->zoom() * factor, m_scroll->viewport()->rect().center());
            });
        }
    };
    zoomKeys({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             ZoomStep);
    zoomKeys({QKeySequence(QKeySequence::ZoomOut)}, 1 / ZoomStep);

    auto* tools = new QHBoxLayout;
    tools->addWidget(m_zoomIn);
    tools->addWidget(m_zoomOut);
    tools->addWidget(m_zoomLabel);
    tools->addSpacing(12);
    tools->addWidget(m_fitWidth);
    tools->addWidget(m_fitPage);
    tools->addStretch();
    tools->addWidget(m_first);
    tools->addWidget(m_previous);
    tools->addSpacing(4);
    tools->addWidget(pageLabel);
    tools->addWidget(m_pageBox);
    tools->addWidget(pageCount);
    tools->addSpacing(4);
    tools->addWidget(m_next);
    tools->addWidget(m_last);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    setZoom(m_view->zoom());
    fitScreen();
    showCurrentPage(0);
    m_scroll->setFocus();
}

void ReportPreviewDialog::offerPrinting(bool offered) { m_print->setVisible(offered); }

void ReportPreviewDialog::fitScreen() {
    // The screen the preview opens on: its parent's, as it opens over the parent.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    // The pages as the view lays them out (the widest with the gaps beside it), the scroll bar
    // and the frames around them: no sideways scrolling at the opening zoom where the screen
    // has the room.
    const QMargins margins = layout()->contentsMargins();
    const int width = m_view->sizeHint().width() +
                      m_scroll->verticalScrollBar()->sizeHint().width() +
                      2 * m_scroll->frameWidth() + margins.left() + margins.right();
    const QSize size(std::max(width, minimumSizeHint().width()), qRound(free.height() * 0.85));
    resize(size.boundedTo(free.size()));
}

void ReportPreviewDialog::goToPage(int index) {
    if (m_view->pageCount() == 0) return;
    index = std::clamp(index, 0, m_view->pageCount() - 1);
    showCurrentPage(index);
    const QScopedValueRollback navigating(m_navigating, true);
    if (m_fit == Fit::Page)
        setZoom(zoomToFit([this](QSize room) { return m_view->fitPageZoom(m_current, room); }));
    m_scroll->verticalScrollBar()->setValue(m_view->pageTop(index));
    // Across, a page that fits stands in the middle; a wider one shows its left edge, where its
    // lines begin.
    const QRectF page = m_view->pageRect(index);
    const int width = m_scroll->viewport()->width();
    const double left = page.width() + 2 * ReportPagesView::Gap <= width
                            ? page.center().x() - width / 2.0
                            : page.left() - ReportPagesView::Gap;
    m_scroll->horizontalScrollBar()->setValue(qRound(left));
}

void ReportPreviewDialog::zoomAround(double zoom, QPoint at) {
    setFit(Fit::None);
    const ReportPagesView::Anchor anchor =
        m_view->anchorAt(m_view->mapFrom(m_scroll->viewport(), QPointF(at)));
    setZoom(zoom);
    // The scroll area has placed the resized view; the anchor goes back under `at`.
    const QPointF point = m_view->pointOf(anchor);
    m_scroll->horizontalScrollBar()->setValue(qRound(point.x() - at.x()));
    m_scroll->verticalScrollBar()->setValue(qRound(point.y() - at.y()));
}

void ReportPreviewDialog::fitWidth() {
    setFit(Fit::Width);
    refit();
}

void ReportPreviewDialog::fitPage() {
    setFit(Fit::Page);
    refit();
}

void ReportPreviewDialog::setFit(Fit fit) {
    m_fit = fit;
    m_fitWidth->setChecked(fit == Fit::Width);
    m_fitPage->setChecked(fit == Fit::Page);
}

void ReportPreviewDialog::refit() {
    if (m_view->pageCount() == 0) return;
    if (m_fit == Fit::Page) {
        goToPage(m_current);
    } else if (m_fit == Fit::Width) {
        // Across, everything fits; down, the middle of the viewport stays where it is.
        const QPoint middle = m_scroll->viewport()->rect().center();
        const ReportPagesView::Anchor anchor =
            m_view->anchorAt(m_view->mapFrom(m_scroll->viewport(), QPointF(middle)));
        setZoom(zoomToFit([this](QSize room) { return m_view->fitWidthZoom(room.width()); }));
        m_scroll->verticalScrollBar()->setValue(qRound(m_view->pointOf(anchor).y() - middle.y()));
    }
}

template <typename FitZoom>
double ReportPreviewDialog::zoomToFit(FitZoom fit) const {
    const QSize whole = m_scroll->maximumViewportSize();
    const int barWidth = m_scroll->verticalScrollBar()->sizeHint().width();
    const int barHeight = m_scroll->horizontalScrollBar()->sizeHint().height();
    // A scroll bar the zoom brings takes its room from the viewport, and may bring the other.
    QSize room = whole;
    bool vertical = false;
    bool horizontal = false;
    double zoom = fit(room);
    for (int pass = 0; pass < 2; ++pass) {
        const QSize view =
            m_view->sizeAt(std::clamp(zoom, ReportPagesView::MinZoom, ReportPagesView::MaxZoom));
        vertical = vertical || view.height() > room.height();
        horizontal = horizontal || view.width() > room.width();
        room = whole - QSize(vertical ? barWidth : 0, horizontal ? barHeight : 0);
        zoom = fit(room);
    }
    return zoom;
}

void ReportPreviewDialog::setZoom(double zoom) {
    m_view->setZoom(zoom);
    m_zoomLabel->setText(tr("%1%").arg(qRound(m_view->zoom() * 100)));
    m_zoomIn->setEnabled(m_view->zoom() < ReportPagesView::MaxZoom);
    m_zoomOut->setEnabled(m_view->zoom() > ReportPagesView::MinZoom);
}

int ReportPreviewDialog::pageInView() const {
    const QScrollBar* bar = m_scroll->verticalScrollBar();
    const int top = bar->value();
    if (bar->maximum() > 0 && top >= bar->maximum()) {
        const int bottom = top + m_scroll->viewport()->height();
        for (int i = m_view->pageCount() - 1; i > 0; --i)
            if (m_view->pageRect(i).top() <= bottom) return i;
    }
    return m_view->pageAt(top);
}

void ReportPreviewDialog::showCurrentPage(int index) {
    m_current = index;
    {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(index + 1);
    }
    const int last = m_view->pageCount() - 1;
    m_first->setEnabled(index > 0);
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index < last);
    m_last->setEnabled(index < last);
}

void ReportPreviewDialog::paintPageIcons() {
    const double ratio = devicePixelRatioF();
    m_first->setIcon(arrowIcon(true, true, palette(), ratio));
    m_previous->setIcon(arrowIcon(true, false, palette(), ratio));
    m_next->setIcon(arrowIcon(false, false, palette(), ratio));
    m_last->setIcon(arrowIcon(false, true, palette(), ratio));
}

void ReportPreviewDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        paintPageIcons();
}

void ReportPreviewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(m_shown, true)) return;
    // The first page opens centred across, though wider landscape pages follow; once the scroll
    // bars have settled, as they take their room from the viewport.
    QMetaObject::invokeMethod(
        this, [this] { goToPage(m_current); }, Qt::QueuedConnection);
}

bool ReportPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier)) == 0;
        if (plain && (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
            m_scroll->verticalScrollBar()->triggerAction(key->key() == Qt::Key_Home
                                                             ? QAbstractSlider::SliderToMinimum
                                                             : QAbstractSlider::SliderToMaximum);
            return true;
        }
    } else if (watched == m_scroll->viewport()) {
        if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                const QPoint delta = wheel->angleDelta();
                const double notches = (delta.y() != 0 ? delta.y() : delta.x()) / 120.0;
                zoomAround(m_view->zoom() * std::pow(ZoomStep, notches),
                           wheel->position().toPoint());
                return true;
            }
        } else if (event->type() == QEvent::Resize && m_fit != Fit::None && !m_refitting) {
            // The fit already allows for the scroll bars it brings or takes away.
            const QScopedValueRollback refitting(m_refitting, true);
            refit();
        }
    }
    return QDialog::eventFilter(watched, event);
}
