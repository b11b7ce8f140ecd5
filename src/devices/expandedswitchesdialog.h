// The expanded switches dialog: eight switch groups of one bank at a time, each a row of eight
// two-position switch pictures like a bank of DIP switches; a click or Space flips one switch in
// the image at once.
#pragma once

#include <QAbstractButton>
#include <array>

#include "core/image.h"
#include "devices/switchesandinputs.h"
#include "ui/editordialog.h"

class GroupSelector;
class QLabel;

// One switch of a group, drawn as a slide switch: on shows the dark half at the top, off the dark
// half at the bottom. It takes the focus and is pressed by a click or Space; the state it shows
// is set by its owner from the stored byte, never by the press itself.
class SwitchPicture : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchPicture(QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }

    QSize sizeHint() const override;

    // The picture's outline: it contrasts with the window of `palette`, light or dark.
    static QColor outlineColour(const QPalette& palette);

protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;
};

class ExpandedSwitchesDialog : public EditorDialog {
    Q_OBJECT
public:
    // The frame fraGroup ("Switch Group") holds opt1_0 ("1-8") and opt1_1 ("9-16"); the caption
    // lblBits ("BITS") stands over the column headers lblB0..lblB7 ("1".."8"); row r (0..7) has
    // the label lblA<r> and the switches Img<r + 1>_<bit>, bit 0..7 from left to right (the
    // picture arrays Img1..Img8 are one per row, indexed by bit); cmdOK closes.
    explicit ExpandedSwitchesDialog(const EditorContext& context, QWidget* parent = nullptr);

    // 0 for "1-8", 1 for "9-16".
    int bank() const;
    SwitchPicture* switchAt(int row, int bit) const { return m_switches[row][bit]; }

protected:
    // The rows of the bank selected.
    void display() override;
    void showField(const Fields::Field& field) override;
    // Every opening starts on "1-8".
    void showEvent(QShowEvent* event) override;

private:
    // The switch of the bank shown, in the area's table.
    const Fields::Field& switchField(int row, int bit) const;
    void toggleSwitch(int row, int bit);
    void showRow(int row);

    GroupSelector* m_banks;
    std::array<QLabel*, ExpandedSwitches::RowsPerBank> m_rowLabels{};
    std::array<std::array<SwitchPicture*, ExpandedSwitches::SwitchesPerRow>,
               ExpandedSwitches::RowsPerBank>
        m_switches{};
};
