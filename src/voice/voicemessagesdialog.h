// The voice messages dialog: the twelve spoken messages of one block, each recomposed through the
// voice composer and stored as soon as the composer closes.
#pragma once

#include "core/image.h"
#include "formats/blocks.h"
#include "ui/editordialog.h"
#include "ui/prompts.h"

class PlayButton;
class QLabel;
class ValueFieldGrid;

class VoiceMessagesDialog : public EditorDialog {
    Q_OBJECT
public:
    // The messages show in lblMsg1..lblMsg12 beside their row numbers Label1_1..Label1_12; cmdOK
    // closes. The editor's own cmdPlay speaks the message whose field had the focus last
    // (lblPlaying names it).
    explicit VoiceMessagesDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    void display() override { showMessages(); }
    void showField(const Fields::Field& field) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMessages();
    // The message Play speaks: row 0..11.
    void choosePlayed(int row);

    ValueFieldGrid* m_messages;  // row 0 holds message 1
    PlayButton* m_play = nullptr;
    QLabel* m_played = nullptr;
    int m_playedRow = 0;
};
