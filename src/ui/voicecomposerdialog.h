// The voice composer: the user builds a spoken text word by word from the vocabulary's pick lists.
// The program keeps one composer for the whole run (hidden between uses) so the list last chosen
// stays chosen.
#pragma once

#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "ui/armingdelay.h"
#include "ui/plaindialog.h"
#include "ui/prompts.h"

class PlayButton;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class VoiceComposerDialog : public PlainDialog {
    Q_OBJECT
public:
    // `armDelayMs`: how long after opening the buttons stay dead, so the click that opened the
    // composer cannot land on one of them.
    explicit VoiceComposerDialog(Prompts& prompts, QWidget* parent = nullptr,
                                 int armDelayMs = ArmingDelay::DefaultMs);

    // What the editor's own cmdPlay speaks the composed words with: their numbers in, 16-bit mono
    // samples at `sampleRate` out. Without one the button stays disabled.
    using Speaker = std::function<QByteArray(const std::vector<int>& numbers)>;
    static void setSpeaker(Speaker speaker, int sampleRate);

    // Shows the composer modally for one field and returns what the caller shows and stores.
    ComposeResult compose(const ComposeRequest& request);

    // True once the arming delay has passed since the last opening.
    bool isArmed() const { return m_arming->isArmed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    // Closing the window frame or pressing Escape counts as "Cancel".
    void reject() override;

private:
    void showList(int list);
    void chooseEntry(QListWidget* list, QListWidgetItem* item);
    void takeBackWord();
    void clearWords();
    void acceptWords();
    void cancelComposing();
    void setComposing(bool composing);
    void showText();
    void showCount();

    Prompts& m_prompts;
    ArmingDelay* m_arming;

    QLabel* m_heading;
    QLabel* m_count;
    QPlainTextEdit* m_text;
    std::array<QRadioButton*, 3> m_options{};
    std::array<QListWidget*, 3> m_lists{};
    QPushButton* m_backSpace;
    QPushButton* m_clear;
    QPushButton* m_ok;
    QPushButton* m_cancel;

    // Composer state; "ready" is the arming delay's.
    int m_wordLimit = 23;
    int m_messageNumber = 0;
    QString m_initialText;
    QString m_resultText;
    bool m_newWords = false;
    // The labels chosen so far and their word numbers ("005", "210"), in spoken order; the text box
    // always shows exactly these labels, so the text matches the words that will be stored.
    QStringList m_labels;
    QStringList m_slots;
    PlayButton* m_play = nullptr;
};
