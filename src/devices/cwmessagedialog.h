// The CW dialog: shows the stored identification message and composes a new one from the 47
// characters of the pick list; only a message started with "Clear" and confirmed with "OK" is
// stored. It stays open beside the main window.
#pragma once

#include "core/image.h"
#include "devices/cwmessage.h"
#include "ui/editordialog.h"

class PlayButton;
class Prompts;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class CwMessageDialog : public EditorDialog {
    Q_OBJECT
public:
    // The frame fraMessage ("CW Message ") holds the message text Label1; List1 is the pick list
    // (each item's Qt::UserRole data is its code); cmdClear, cmdOK, cmdCancel; lblCount says how
    // many characters a new message holds. The editor's own cmdPlay plays the message in Morse
    // at the speed spnWpm and the pitch spnPitch, both kept in the settings.
    explicit CwMessageDialog(const EditorContext& context, QWidget* parent = nullptr);

    bool composing() const { return m_composition.composing(); }

protected:
    // Viewing: the stored message, the pick list disabled, any composition dropped.
    void display() override;
    void showField(const Fields::Field& field) override;
    // "OK": a new message is stored, then the dialog closes.
    void confirm() override;
    // Enter or Space on the pick list picks its current character.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void startMessage();
    void pickCharacter(int code);
    void showComposition();
    // The message Play keys: the one being composed, else the stored one.
    std::vector<std::uint8_t> shownCodes() const;

    CwComposition m_composition;
    QLabel* m_text;
    QLabel* m_count;
    QListWidget* m_list;
    PlayButton* m_play = nullptr;
    QSpinBox* m_wpm = nullptr;
    QSpinBox* m_pitch = nullptr;
};
