// The hardware inputs dialog: the command each of the two user inputs runs, as a four-digit
// number edited on the keypad with its review text beside it.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class ValueFieldGrid;

class UserInputsDialog : public EditorDialog {
    Q_OBJECT
public:
    // Row r (0, 1) is "Input #<r + 1>" (lblInput<r>) with the number Label1_<r> and the command
    // text Label3_<r>; cmdOK hides the dialog.
    explicit UserInputsDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    void display() override;
    void showField(const Fields::Field& field) override;

private:
    // The command number field of input 0 or 1 in the area's table.
    const Fields::Field& command(int input) const;

    ValueFieldGrid* m_grid;
};
