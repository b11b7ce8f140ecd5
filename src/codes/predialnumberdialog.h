// The pre-dial number dialog (modeless): the keys the autopatch dials before every number, edited
// on the keypad and written as soon as the keypad closes.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class Prompts;
class ValueField;

class PreDialNumberDialog : public EditorDialog {
    Q_OBJECT
public:
    // The value field lblNum; cmdOK closes.
    PreDialNumberDialog(Image& image, Prompts& prompts, QWidget* parent = nullptr);

protected:
    void display() override;

private:
    void editNumber();

    Image& m_image;
    Prompts& m_prompts;
    ValueField* m_number;
};
