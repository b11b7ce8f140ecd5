// The timers dialog: the sixteen timers of one block (Base or a memory save) in two columns; a
// click on a value edits it on the keypad and stores it into the image at once.
#pragma once

#include "core/image.h"
#include "devices/timers.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"

class ValueFieldGrid;

class TimersDialog : public EditorDialog {
    Q_OBJECT
public:
    // The values show in lblTime0..lblTime15 between their captions lblName0..lblName15 and
    // units lblUnit0..lblUnit15; cmdDone closes.
    explicit TimersDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    // The sixteen values from the block's timer table.
    void display() override;

private:
    ValueFieldGrid* m_timers;
};
