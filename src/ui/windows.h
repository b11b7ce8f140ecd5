// Window helpers the main window, the help viewer and every dialog share: centring a window on its
// screen and the busy pointer.
#pragma once

class QWidget;

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// Shows the busy mouse pointer for its lifetime (file operations, opening the slower dialogs).
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
