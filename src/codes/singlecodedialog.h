// The modeless dialogs of one telephone code each: the repeater unlock code and the pre-dial
// number. The code is edited on the keypad and written as soon as the keypad closes.
#pragma once

#include "formats/fieldtable.h"
#include "ui/editordialog.h"

class ValueField;

// What tells the two apart: the dialog's identity, its field, the caption above the field and the
// question asked before the dialog is left with an empty field.
struct SingleCode {
    DialogIdentity identity;
    Fields::Field field;
    QString caption;     // empty: the window title is the field's only caption
    QString emptyTitle;  // empty: leaving with an empty field asks nothing
    QString emptyText;
};

// "Repeater Unlock Code" (frmUnlock): the caption lblCaption above the field; leaving it with an
// empty code asks first.
SingleCode unlockCode();
// "Telephone Pre-Dial Number" (frmPreDial).
SingleCode preDialNumber();

class SingleCodeDialog : public EditorDialog {
    Q_OBJECT
public:
    // The value field lblNum; cmdOK closes.
    SingleCodeDialog(const EditorContext& context, const SingleCode& code,
                     QWidget* parent = nullptr);

    // Closes the dialog without the question about an empty code.
    void closeForEnd() override;

public slots:
    // Every way the user closes the dialog ends here: "OK", the window's close button and Escape.
    // With an empty field and a question to ask the user is asked first; "OK" on that question
    // keeps the dialog open for an entry, "Cancel" lets it close.
    void done(int result) override;

protected:
    void display() override;

private:
    SingleCode m_code;
    ValueField* m_value;
    bool m_asking = true;
};
