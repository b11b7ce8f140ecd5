// The print preview: fitting the pages to the window, zooming about the mouse pointer or the
// middle of the window, going to a page and the page number box following the scrolling, the
// keys, and its "Print..." as the system's print ports run it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "dialogcheck.h"
#include "report/printports.h"
#include "report/reportpreviewdialog.h"
#include "reportlines.h"

namespace {

// Does `act` to the preview once it is up (it runs modally, so from a timer).
void whenPreviewShows(QTimer& poll, std::function<void(ReportPreviewDialog&)> act) {
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, act = std::move(act)] {
        auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible()) return;
        poll.stop();
        act(*preview);
    });
    poll.start();
}

// Base Control Codes, Base Voice Messages (landscape) and two pages of Scheduler listings.
ReportDocument mixedDocument() {
    return composeReport(
        zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::BaseVoice, ReportBox::Scheduler}));
}

class ReportPreviewTest : public ::testing::Test {
protected:
    ReportPreviewTest() : preview(mixedDocument(), QPageSize(QPageSize::A4)) {
        preview.resize(720, 640);
        showSettled(preview);
    }

    ReportPagesView* view() { return preview.pagesView(); }
    QWidget* viewport() { return preview.scrollArea()->viewport(); }
    QScrollBar* vertical() { return preview.scrollArea()->verticalScrollBar(); }
    QScrollBar* across() { return preview.scrollArea()->horizontalScrollBar(); }
    QSpinBox* pageBox() { return child<QSpinBox>(preview, QStringLiteral("spnPage")); }
    QAbstractButton* button(const char* name) {
        return child<QAbstractButton>(preview, QLatin1String(name));
    }
    // Where page `index` shows in the viewport.
    QRectF shownRect(int index) {
        return view()->pageRect(index).translated(view()->mapTo(viewport(), QPoint()));
    }
    // The place on page `index`'s paper under `at` of the viewport, in unzoomed pixels.
    QPointF paperUnder(int index, QPoint at) {
        return (at - shownRect(index).topLeft()) / view()->zoom();
    }
    // Ctrl (or nothing) with `notches` turns of the wheel at `at`, as the viewport receives it
    // (the pages leave the wheel to it).
    void wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &event);
    }

    ReportPreviewDialog preview;
};

}  // namespace

TEST(ReportPagesView, FitZoomsFillTheRoomGiven) {
    const ReportDocument document = mixedDocument();
    ReportPagesView view(document, QPageSize(QPageSize::A4));
    constexpr double Gap = ReportPagesView::Gap;
    for (int width : {300, 700, 1500}) {
        view.setZoom(view.fitWidthZoom(width));
        EXPECT_LE(view.sizeHint().width(), width);
        EXPECT_GE(view.sizeHint().width(), width - 1);
        // The widest page is the landscape one; it and its gaps make the width.
        EXPECT_NEAR(view.pageRect(1).width() + 2 * Gap, width, 1.0);
    }
    for (const QSize room : {QSize(600, 900), QSize(1000, 500), QSize(500, 500)}) {
        for (int page : {0, 1}) {
            view.setZoom(view.fitPageZoom(page, room));
            const QRectF rect = view.pageRect(page);
            const double spareAcross = room.width() - rect.width() - 2 * Gap;
            const double spareDown =
                room.height() - rect.height() - ReportPagesView::Caption - 2 * Gap;
            EXPECT_GE(spareAcross, -0.5) << page;
            EXPECT_GE(spareDown, -0.5) << page;
            EXPECT_LT(std::min(spareAcross, spareDown), 1.0) << "the page could be larger";
        }
    }
}

TEST_F(ReportPreviewTest, FitWidthAndFitPageFollowTheWindowUntilZoomedByHand) {
    button("cmdFitWidth")->click();
    for (const QSize size : {QSize(720, 640), QSize(1000, 700), QSize(560, 900)}) {
        preview.resize(size);
        QApplication::processEvents();
        EXPECT_TRUE(button("cmdFitWidth")->isChecked());
        EXPECT_NEAR(view()->width(), viewport()->width(), 1) << size.width();
        EXPECT_FALSE(across()->isVisible()) << size.width();
    }
    button("cmdFitPage")->click();
    EXPECT_FALSE(button("cmdFitWidth")->isChecked());
    for (int page : {1, 2, 0, 3}) {
        pageBox()->setValue(page + 1);
        QApplication::processEvents();  // the scroll bars come and go
        // The whole page and its caption show.
        const QRectF shown = shownRect(page).adjusted(0, -ReportPagesView::Caption, 0, 0);
        EXPECT_TRUE(QRectF(viewport()->rect()).contains(shown)) << page;
        // And it could not be larger.
        EXPECT_TRUE(shown.width() + 2 * ReportPagesView::Gap + 1 > viewport()->width() ||
                    shown.height() + 2 * ReportPagesView::Gap + 1 > viewport()->height())
            << page;
    }
    button("cmdZoomIn")->click();
    EXPECT_FALSE(button("cmdFitPage")->isChecked());
    const double zoom = view()->zoom();
    preview.resize(800, 800);
    QApplication::processEvents();
    EXPECT_EQ(view()->zoom(), zoom);
}

TEST_F(ReportPreviewTest, ZoomKeepsThePaperUnderThePointerOrTheMiddle) {
    view()->setZoom(1.0);
    QApplication::processEvents();
    vertical()->setValue(300);
    across()->setValue(200);
    const QPoint middle = viewport()->rect().center();
    struct Case {
        const char* what;
        QPoint at;
        std::function<void()> act;
        double factor;
    };
    const double step = ReportPreviewDialog::ZoomStep;
    const QPoint corner(40, 50);
    const Case cases[] = {
        {"Ctrl+wheel up", corner, [&] { wheel(corner, 1, Qt::ControlModifier); }, step},
        {"Ctrl+wheel down 2", corner, [&] { wheel(corner, -2, Qt::ControlModifier); },
         1 / (step * step)},
        {"Zoom In", middle, [&] { button("cmdZoomIn")->click(); }, step},
        {"Zoom Out", middle, [&] { button("cmdZoomOut")->click(); }, 1 / step},
        {"Ctrl++", middle, [&] { QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier); },
         step},
        {"Ctrl+=", middle, [&] { QTest::keyClick(&preview, Qt::Key_Equal, Qt::ControlModifier); },
         step},
        {"Ctrl+-", middle, [&] { QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier); },
         1 / step},
    };
    for (const Case& c : cases) {
        const int page = view()->pageAt(view()->mapFrom(viewport(), c.at).y());
        const QPointF before = paperUnder(page, c.at);
        const double zoom = view()->zoom();
        c.act();
        EXPECT_NEAR(view()->zoom(), zoom * c.factor, 1e-9) << c.what;
        const QPointF moved = (paperUnder(page, c.at) - before) * view()->zoom();
        EXPECT_LE(std::abs(moved.x()), 1.0) << c.what;
        EXPECT_LE(std::abs(moved.y()), 1.0) << c.what;
    }
    // The wheel alone scrolls.
    const double zoom = view()->zoom();
    const int top = vertical()->value();
    wheel(middle, -1, Qt::NoModifier);
    EXPECT_EQ(view()->zoom(), zoom);
    EXPECT_GT(vertical()->value(), top);

    for (int i = 0; i < 30; ++i) wheel(middle, 1, Qt::ControlModifier);
    EXPECT_EQ(view()->zoom(), ReportPagesView::MaxZoom);
    EXPECT_FALSE(button("cmdZoomIn")->isEnabled());
    for (int i = 0; i < 30; ++i) button("cmdZoomOut")->click();
    EXPECT_EQ(view()->zoom(), ReportPagesView::MinZoom);
    EXPECT_FALSE(button("cmdZoomOut")->isEnabled());
}

TEST_F(ReportPreviewTest, GoingToAPageShowsItsCaptionAtTheTop) {
    view()->setZoom(0.75);
    QApplication::processEvents();
    // The portrait pages fit across, the landscape one does not.
    ASSERT_LE(view()->pageRect(0).width() + 2 * ReportPagesView::Gap, viewport()->width());
    ASSERT_GT(view()->pageRect(1).width(), viewport()->width());
    EXPECT_EQ(child<QLabel>(preview, QStringLiteral("lblPageCount"))->text(), "of 4");
    EXPECT_EQ(pageBox()->maximum(), 4);
    const auto expectAt = [&](int page, const char* how) {
        EXPECT_EQ(preview.currentPage(), page) << how;
        EXPECT_EQ(pageBox()->value(), page + 1) << how;
        EXPECT_EQ(vertical()->value(), std::min(view()->pageTop(page), vertical()->maximum()))
            << how;
        const double caption = shownRect(page).top() - ReportPagesView::Caption;
        if (view()->pageTop(page) <= vertical()->maximum()) {
            EXPECT_GE(caption, 0) << how;
            EXPECT_LE(caption, ReportPagesView::Gap) << how;
        }
        // A page that fits across stands in the middle, a wider one shows its left edge.
        const QRectF shown = shownRect(page);
        if (shown.width() + 2 * ReportPagesView::Gap <= viewport()->width()) {
            EXPECT_NEAR(shown.center().x(), viewport()->width() / 2.0, 1) << how;
        } else {
            EXPECT_NEAR(shown.left(), ReportPagesView::Gap, 1) << how;
        }
        EXPECT_EQ(button("cmdPreviousPage")->isEnabled(), page > 0) << how;
        EXPECT_EQ(button("cmdFirstPage")->isEnabled(), page > 0) << how;
        EXPECT_EQ(button("cmdNextPage")->isEnabled(), page < 3) << how;
        EXPECT_EQ(button("cmdLastPage")->isEnabled(), page < 3) << how;
    };
    button("cmdNextPage")->click();
    expectAt(1, "next");
    button("cmdNextPage")->click();
    expectAt(2, "next again");
    button("cmdPreviousPage")->click();
    expectAt(1, "previous");
    button("cmdLastPage")->click();
    expectAt(3, "last");
    button("cmdFirstPage")->click();
    expectAt(0, "first");
    pageBox()->setValue(3);
    expectAt(2, "page box");
    // Small pages: neither of the last two reaches the top; the one asked for stays the page.
    view()->setZoom(0.2);
    QApplication::processEvents();
    ASSERT_GT(view()->pageTop(2), vertical()->maximum());
    button("cmdFirstPage")->click();
    pageBox()->setValue(3);
    expectAt(2, "page box, small pages");
}

TEST_F(ReportPreviewTest, PageBoxFollowsScrollingByHand) {
    view()->setZoom(0.4);
    QApplication::processEvents();
    struct Case {
        const char* what;
        int scrollTo;
        int page;
    };
    const Case cases[] = {
        {"in page 3", qRound(view()->pageRect(2).center().y()), 2},
        {"page 2's caption", view()->pageTop(1), 1},
        {"just above it", view()->pageTop(1) - 1, 0},
        {"the top", 0, 0},
        // The last page is shorter than the window and never reaches the top.
        {"the end", vertical()->maximum(), 3},
    };
    ASSERT_LT(vertical()->maximum(), view()->pageTop(3));
    for (const Case& c : cases) {
        vertical()->setValue(c.scrollTo);
        EXPECT_EQ(pageBox()->value(), c.page + 1) << c.what;
        EXPECT_EQ(vertical()->value(), c.scrollTo) << "the page box moved the pages: " << c.what;
    }
    // Scrolling keeps the buttons in step.
    EXPECT_FALSE(button("cmdNextPage")->isEnabled());
    vertical()->setValue(0);
    EXPECT_TRUE(button("cmdNextPage")->isEnabled());
    EXPECT_FALSE(button("cmdPreviousPage")->isEnabled());
}

TEST_F(ReportPreviewTest, KeysScrollTheAreaAndEscapeCloses) {
    QScrollArea* area = preview.scrollArea();
    EXPECT_TRUE(area->hasFocus());
    QTest::keyClick(area, Qt::Key_End);
    EXPECT_EQ(vertical()->value(), vertical()->maximum());
    EXPECT_EQ(pageBox()->value(), 4);
    QTest::keyClick(area, Qt::Key_Home);
    EXPECT_EQ(vertical()->value(), 0);
    EXPECT_EQ(pageBox()->value(), 1);
    QTest::keyClick(area, Qt::Key_PageDown);
    EXPECT_EQ(vertical()->value(), vertical()->pageStep());
    QTest::keyClick(area, Qt::Key_PageUp);
    EXPECT_EQ(vertical()->value(), 0);
    // A click on a button of the tool row leaves the keys with the pages.
    for (const char* name : {"cmdZoomIn", "cmdFitWidth", "cmdNextPage"}) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        EXPECT_TRUE(area->hasFocus()) << name;
    }
    QTest::keyClick(area, Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(preview.result(), QDialog::Rejected);
}

TEST(ReportPreviewSize, TallAsMostOfTheScreenAndWideEnoughForTheWidestPage) {
    const ReportDocument portraitOnly =
        composeReport(zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::Scheduler}));
    int checkedWhole = 0;
    for (const ReportDocument& document : {portraitOnly, mixedDocument()}) {
        ReportPreviewDialog preview(document, QPageSize(QPageSize::A4));
        showSettled(preview);
        const QRect free = preview.screen()->availableGeometry();
        EXPECT_NEAR(preview.height(), free.height() * 0.85, 1);
        EXPECT_LE(preview.width(), free.width());
        // Where the screen has the room, the widest page shows whole across, with little room to
        // spare unless the tool row asks for it: no sideways scrolling at the opening zoom.
        if (preview.width() >= free.width()) continue;
        ReportPagesView* view = preview.pagesView();
        QWidget* viewport = preview.scrollArea()->viewport();
        int widest = 0;
        for (int i = 1; i < view->pageCount(); ++i)
            if (view->pageRect(i).width() > view->pageRect(widest).width()) widest = i;
        const QRectF page = view->pageRect(widest).translated(view->mapTo(viewport, QPoint()));
        EXPECT_GE(page.left(), 0);
        EXPECT_LE(page.right(), viewport->width());
        if (preview.width() > preview.minimumSizeHint().width()) {
            EXPECT_LT(viewport->width() - page.width(), 2 * ReportPagesView::Gap + 2);
        }
        ++checkedWhole;
    }
    EXPECT_GE(checkedWhole, 1);
}

TEST(ReportPreviewLook, ArrowsAndCaptionsFollowTheColourScheme) {
    ReportPreviewDialog preview(mixedDocument(), QPageSize(QPageSize::A4));
    ReportPagesView* view = preview.pagesView();
    const QRect caption = view->pageRect(0)
                              .adjusted(0, -ReportPagesView::Caption, 0, 0)
                              .toAlignedRect()
                              .intersected(QRect(0, 0, view->width(), view->pageRect(0).top()));
    struct Scheme {
        const char* name;
        QColor background, text, buttonText;
    };
    const Scheme schemes[] = {{"light", QColor(160, 160, 160), Qt::black, QColor(20, 20, 20)},
                              {"dark", QColor(25, 25, 25), QColor(220, 220, 220), Qt::white}};
    for (const Scheme& scheme : schemes) {
        QPalette palette;
        palette.setColor(QPalette::Dark, scheme.background);
        palette.setColor(QPalette::WindowText, scheme.text);
        palette.setColor(QPalette::BrightText, Qt::white);
        palette.setColor(QPalette::ButtonText, scheme.buttonText);
        preview.setPalette(palette);
        // The arrows are drawn in the button text colour.
        const QImage arrow =
            child<QToolButton>(preview, QStringLiteral("cmdNextPage"))->icon().pixmap(16).toImage();
        int solid = 0;
        for (int y = 0; y < arrow.height(); ++y) {
            for (int x = 0; x < arrow.width(); ++x) {
                const QColor pixel = arrow.pixelColor(x, y);
                if (pixel.alpha() < 255) continue;
                ++solid;
                EXPECT_EQ(pixel.rgb(), scheme.buttonText.rgb()) << scheme.name;
            }
        }
        EXPECT_GT(solid, 10) << scheme.name;
        // The caption stands out from the background around the pages.
        const QImage shot = view->grab(caption).toImage();
        int strongest = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                strongest = std::max(strongest, std::abs(shot.pixelColor(x, y).lightness() -
                                                         scheme.background.lightness()));
        EXPECT_GT(strongest, 120) << scheme.name;
    }
}

TEST(ReportPreviewPrint, PrintClosesThePreviewThenRunsThePrint) {
    const ReportDocument document =
        composeReport(zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::BaseVoice}));
    QtPrintPorts ports;
    struct Case {
        const char* button;
        bool offered;
        int prints;
    };
    const Case cases[] = {{"cmdPrint", true, 1}, {"cmdClose", true, 0}, {"cmdPrint", false, 0}};
    for (const Case& c : cases) {
        bool shown = false;
        QTimer poll;
        whenPreviewShows(poll, [&](ReportPreviewDialog& preview) {
            auto* button = child<QPushButton>(preview, QString::fromLatin1(c.button));
            shown = button && button->isVisible();
            if (shown)
                button->click();
            else
                preview.reject();
        });
        int prints = 0;
        bool previewGone = false;
        const std::function<void()> print = [&] {
            ++prints;
            previewGone = QApplication::activeModalWidget() == nullptr;
        };
        ports.preview(document, c.offered ? print : std::function<void()>());
        EXPECT_EQ(shown, c.offered) << c.button;
        EXPECT_EQ(prints, c.prints) << c.button;
        if (prints) {
            EXPECT_TRUE(previewGone) << "the preview is still up while printing";
        }
    }
}
