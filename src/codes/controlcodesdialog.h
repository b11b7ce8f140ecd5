// The control codes dialog: the fourteen DTMF access codes of one block (Base or a memory save),
// each edited on the keypad and written back at once.
#pragma once

#include <QList>

#include "core/image.h"
#include "ui/editordialog.h"

class Prompts;
class ValueField;

class ControlCodesDialog : public EditorDialog {
    Q_OBJECT
public:
    // block: 0 = Base, 1..4 = memory save #1..#4.
    ControlCodesDialog(Image& image, Prompts& prompts, int block, QWidget* parent = nullptr);

protected:
    void display() override { showCodes(); }

private:
    // Title for the block, and every field from the block's code table.
    void showCodes();
    // Writes all fourteen fields into the block's code table.
    void storeCodes();
    void editCode(int k);

    Image& m_image;
    Prompts& m_prompts;
    int m_block;
    QList<ValueField*> m_fields;
};
