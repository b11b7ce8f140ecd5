// The control codes dialog: the fourteen DTMF access codes of one block (Base or a memory save),
// each edited on the keypad and written back at once.
#pragma once

#include "core/image.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"

class ValueFieldGrid;

class ControlCodesDialog : public EditorDialog {
    Q_OBJECT
public:
    // The value fields are lblCode0..lblCode13 beside their captions lblCaption0..lblCaption13;
    // cmdOK closes.
    explicit ControlCodesDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    // Every field from the block's code table.
    void display() override;

private:
    ValueFieldGrid* m_codes;
};
