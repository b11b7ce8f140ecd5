#include "ui/windows.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    // A window larger than the free area (a small screen, a large scale or font) is made to fit
    // where its layout allows; one that cannot shrink keeps its top left corner on the screen, so
    // its title bar, menus and first fields stay in reach.
    const QSize border = window->frameGeometry().size() - window->size();
    const QSize fitting =
        window->size().boundedTo(free.size() - border).expandedTo(window->minimumSizeHint());
    if (fitting != window->size()) window->resize(fitting.boundedTo(window->maximumSize()));
    QRect frame = window->frameGeometry();
    frame.moveCenter(free.center());
    frame.moveLeft(std::max(frame.left(), free.left()));
    frame.moveTop(std::max(frame.top(), free.top()));
    window->move(frame.topLeft());
}

namespace {

// The C library keeps the memory freed by closed windows for the next allocation; after a window
// closes it is given back, so a long session does not keep the most it ever used. Closing several
// windows at once trims once.
void trimHeapSoon() {
#ifdef __GLIBC__
    static QTimer* timer = [] {
        auto* t = new QTimer(qApp);
        t->setSingleShot(true);
        t->setInterval(250);
        QObject::connect(t, &QTimer::timeout, [] { malloc_trim(0); });
        return t;
    }();
    timer->start();
#endif
}

// Sees every window of the program close.
class WindowCloseWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            trimHeapSoon();
        return false;
    }
};

}  // namespace

void releaseWhileHidden(QWidget* window, const std::function<void()>& release) {
    QTimer::singleShot(0, window, [window, release] {
        if (window->isHidden()) release();
    });
}

void trimHeapWhenWindowsClose() {
    static WindowCloseWatch* watch = nullptr;
    if (watch) return;
    watch = new WindowCloseWatch(qApp);
    qApp->installEventFilter(watch);
}

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

QLabel* columnHeading(const QString& text, const QString& objectName, QWidget* parent,
                      Qt::Alignment alignment) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(objectName);
    heading->setAlignment(alignment | Qt::AlignVCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QPoint placeBeside(const QRect& main, const QSize& size, const QRect& available, int keepClear) {
    // Level with the main window's top, as far as the screen allows.
    const auto within = [&available, &size](int x, int y) {
        return QPoint(
            std::clamp(x, available.left(),
                       std::max(available.left(), available.right() + 1 - size.width())),
            std::clamp(y, available.top(),
                       std::max(available.top(), available.bottom() + 1 - size.height())));
    };
    if (main.right() + 1 + size.width() <= available.right() + 1)
        return within(main.right() + 1, main.top());
    if (main.left() - size.width() >= available.left())
        return within(main.left() - size.width(), main.top());
    if (main.bottom() + 1 + size.height() <= available.bottom() + 1)
        return within(main.left(), main.bottom() + 1);
    if (main.top() - size.height() >= available.top())
        return within(main.left(), main.top() - size.height());
    const QPoint corner =
        within(available.right() + 1 - size.width(), available.bottom() + 1 - size.height());
    return {corner.x(), std::max(corner.y(), main.top() + keepClear)};
}
