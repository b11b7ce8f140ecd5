// The voice messages dialog: the twelve spoken messages of one block, each recomposed through the
// voice composer and stored as soon as the composer closes.
#pragma once

#include <array>

#include "core/image.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"
#include "ui/prompts.h"
#include "voice/voicemessages.h"

class QLabel;
class ValueField;

class VoiceMessagesDialog : public EditorDialog {
    Q_OBJECT
public:
    VoiceMessagesDialog(Image& image, Prompts& prompts, Block block, QWidget* parent = nullptr);

protected:
    void display() override { showMessages(); }

private:
    void showMessages();
    void editMessage(int message);

    Image& m_image;
    Prompts& m_prompts;
    Block m_block;
    // Index 0 holds message 1.
    std::array<QLabel*, VoiceMessages::Count> m_rows{};
    std::array<ValueField*, VoiceMessages::Count> m_fields{};
};
