// The timers dialog: the sixteen timers of one block (Base or a memory save) in two columns; a
// click on a value edits it on the keypad and stores it into the image at once.
#pragma once

#include <array>

#include "core/image.h"
#include "devices/timers.h"
#include "ui/orvdialog.h"

class Prompts;
class QLabel;
class QPushButton;
class ValueField;

class frmTimer1 : public OrvDialog {
    Q_OBJECT
public:
    // `block`: 0 = Base, 1..4 = memory save #1..#4.
    frmTimer1(Image& image, Prompts& prompts, int block, QWidget* parent = nullptr);

    int block() const { return m_block; }
    int GetPT(int timer) const;

    // Sets the title from the block and shows all sixteen values.
    void DisplayTimers();
    // Store a keypad answer into the entry at `offset`; see the model functions of the same names.
    TimerStore SaveTimerSec(int offset, const QString& text);
    TimerStore SaveTimerMin(int offset, const QString& text);

    // Edits one timer on the keypad (the value field's click).
    void lblTime_Click(int timer);

protected:
    void display() override { DisplayTimers(); }

private:
    Image& m_image;
    Prompts& m_prompts;
    int m_block;
    std::array<ValueField*, TimerCount> lblTime{};
    QPushButton* cmdDone = nullptr;
};
