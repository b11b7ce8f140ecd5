// Window helpers the main window, the help viewer and every dialog share: centring a window on its
// screen, the busy pointer and the look of column headings.
#pragma once

#include <Qt>
#include <functional>

class QLabel;
class QPoint;
class QRect;
class QSize;
class QString;
class QWidget;

// A heading over a column of a dialog's grid (bold, like every other column heading).
QLabel* columnHeading(const QString& text, const QString& objectName, QWidget* parent,
                      Qt::Alignment alignment = Qt::AlignCenter);

// Places a window in the middle of the screen it is on, made to fit its free area where the
// window's layout allows, and never with its top left corner off the screen.
void centreOnScreen(QWidget* window);

// Where a window of `size` (its frame) goes beside the main window's frame `main` on the screen's
// free area `available`, so that it covers none of the main window: to its right where it fits,
// else to its left, else below it, else above it. Where none fits it stands at the screen's right
// and bottom edges, never higher than `keepClear` below the main window's top (its title and
// menus stay in sight). Always inside `available` as far as its size allows.
QPoint placeBeside(const QRect& main, const QSize& size, const QRect& available, int keepClear);

// For a window the program keeps while it is hidden (the splash, the help viewer, the scheduler,
// the Print Driver, the composer), called from its hide event: once the event loop comes round with
// the window still hidden, `release` gives back its native window and its drawing buffer, which the
// display server shares and which would otherwise stay as large as the window for the rest of the
// run; showing the window again makes new ones in the same place.
void releaseWhileHidden(QWidget* window, const std::function<void()>& release);

// From now on, once a window of the program closes (an editor, a file chooser, the compare
// window, the preview), the heap it freed is given back to the system: the C library would keep
// it for later allocations, and a long session would hold the most it ever used.
void trimHeapWhenWindowsClose();

// Shows the busy mouse pointer for its lifetime (file operations, opening the slower dialogs).
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Runs `work` under the busy pointer and gives back what it gives.
auto whileBusy(const auto& work) {
    const BusyPointer busy;
    return work();
}
