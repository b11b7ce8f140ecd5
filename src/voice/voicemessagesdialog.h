// The voice messages dialog: the twelve spoken messages of one block, each recomposed through the
// voice composer and stored as soon as the composer closes.
#pragma once

#include "core/image.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"
#include "ui/prompts.h"

class ValueFieldGrid;

class VoiceMessagesDialog : public EditorDialog {
    Q_OBJECT
public:
    // The messages show in lblMsg1..lblMsg12 beside their row numbers Label1_1..Label1_12; cmdOK
    // closes.
    explicit VoiceMessagesDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    void display() override { showMessages(); }
    void showField(const Fields::Field& field) override;

private:
    void showMessages();

    ValueFieldGrid* m_messages;  // row 0 holds message 1
};
