// The voice messages dialog: the twelve spoken messages of one block, each recomposed through the
// voice composer and stored as soon as the composer closes.
#pragma once

#include <array>

#include "core/image.h"
#include "ui/orvdialog.h"
#include "ui/prompts.h"
#include "voice/voicemessages.h"

class QLabel;
class ValueField;

class frmVoc : public OrvDialog {
    Q_OBJECT
public:
    // `block`: 0 = Base, 1..4 = memory save #1..#4.
    frmVoc(Image& image, Prompts& prompts, int block, QWidget* parent = nullptr);

protected:
    void display() override { DisVoice(); }

private:
    void DisVoice();
    void lblMsg_Click(int message);
    void cmdOK_Click();

    Image& m_image;
    Prompts& m_prompts;
    int m_block;
    // Index 0 holds message 1.
    std::array<QLabel*, VoiceMessages::Count> m_rows{};
    std::array<ValueField*, VoiceMessages::Count> m_fields{};
};
