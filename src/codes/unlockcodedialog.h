// The repeater unlock code dialog (modeless): the seven keys that unlock the repeater, edited on
// the keypad and written as soon as the keypad closes. The user is warned before leaving it
// without a code.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class Prompts;
class ValueField;

class UnlockCodeDialog : public EditorDialog {
    Q_OBJECT
public:
    // The caption lblCaption above the value field lblNum; cmdOK closes.
    UnlockCodeDialog(Image& image, Prompts& prompts, QWidget* parent = nullptr);

    // Closes the dialog without the question about an empty code.
    void closeForEnd() override;

public slots:
    // Every way the user closes the dialog ends here: "OK", the window's close button and Escape.
    // With an empty field the user is asked first; "OK" on that question keeps the dialog open
    // for an entry, "Cancel" lets it close.
    void done(int result) override;

protected:
    void display() override;

private:
    void editCode();

    Image& m_image;
    Prompts& m_prompts;
    ValueField* m_code;
    bool m_asking = true;
};
