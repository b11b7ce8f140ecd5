// The control codes dialog: the fourteen DTMF access codes of one block (Base or a memory save),
// each edited on the keypad and written back at once.
#pragma once

#include <QList>

#include "core/image.h"
#include "ui/orvdialog.h"

class Prompts;
class ValueField;

class frmCodes_1 : public OrvDialog {
    Q_OBJECT
public:
    // block: 0 = Base, 1..4 = memory save #1..#4.
    frmCodes_1(Image& image, Prompts& prompts, int block, QWidget* parent = nullptr);

protected:
    void display() override { DisplayCodes(); }

private:
    // Title for the block, and every field from the block's code table.
    void DisplayCodes();
    // Writes all fourteen fields into the block's code table.
    void SaveCodes();
    void lblCode_Click(int k);

    Image& m_image;
    Prompts& m_prompts;
    int m_block;
    QList<ValueField*> lblCode;
};
