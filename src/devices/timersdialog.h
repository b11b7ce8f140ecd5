// The timers dialog: the sixteen timers of one block (Base or a memory save) in two columns; a
// click on a value edits it on the keypad and stores it into the image at once.
#pragma once

#include "core/image.h"
#include "devices/timers.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"

class Prompts;
class ValueFieldGrid;

class TimersDialog : public EditorDialog {
    Q_OBJECT
public:
    // The values show in lblTime0..lblTime15 between their captions lblName0..lblName15 and
    // units lblUnit0..lblUnit15; cmdDone closes.
    explicit TimersDialog(const EditorContext& context, QWidget* parent = nullptr);

    Block block() const { return m_block; }

    // Sets the title from the block and shows all sixteen values.
    void showTimers();

    // Edits one timer on the keypad (the value field's click).
    void editTimer(int timer);

protected:
    void display() override { showTimers(); }

private:
    Fields::FieldList m_fields;  // the block's sixteen timers
    ValueFieldGrid* m_timers;
};
