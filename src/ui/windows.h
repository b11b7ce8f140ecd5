// Window helpers the main window, the help viewer and every dialog share: centring a window on its
// screen, the busy pointer and the look of column headings.
#pragma once

#include <Qt>

class QLabel;
class QString;
class QWidget;

// A heading over a column of a dialog's grid (bold, like every other column heading).
QLabel* columnHeading(const QString& text, const QString& objectName, QWidget* parent,
                      Qt::Alignment alignment = Qt::AlignCenter);

// Places a window in the middle of the screen it is on, made to fit its free area where the
// window's layout allows, and never with its top left corner off the screen.
void centreOnScreen(QWidget* window);

// Shows the busy mouse pointer for its lifetime (file operations, opening the slower dialogs).
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
