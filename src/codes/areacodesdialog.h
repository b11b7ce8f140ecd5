// The area codes dialog: the ten three-digit area codes of the autopatch, each edited on the
// keypad; the whole table is written as soon as the keypad closes.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class Prompts;
class ValueFieldGrid;

class AreaCodesDialog : public EditorDialog {
    Q_OBJECT
public:
    // Ten rows: the numbers lblPos0..lblPos9 ("1".."10") and the value fields lblAC0..lblAC9;
    // cmdOK closes.
    explicit AreaCodesDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    // A field whose stored entry is empty keeps the text it shows.
    void display() override;

private:
    void editAreaCode(int i);

    ValueFieldGrid* m_codes;
};
