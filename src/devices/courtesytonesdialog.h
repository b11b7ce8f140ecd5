// The courtesy tones dialog: the eight courtesy tones as a grid of frequencies, durations and
// pauses, each field edited on the keypad and stored at once; "E" erases one courtesy tone.
#pragma once

#include <array>

#include "core/image.h"
#include "devices/courtesytones.h"
#include "ui/editordialog.h"

class PlayButton;
class QPushButton;
class ValueField;

class CourtesyTonesDialog : public EditorDialog {
    Q_OBJECT
public:
    // Row r (0..7) is courtesy tone r + 1: the row label lblRow<r>, the fields lblT1_<r>,
    // lblTD1_<r>, lblD1_<r>, lblT2_<r>, lblTD2_<r>, lblD2_<r>, lblT3_<r>, lblTD3_<r> (record
    // bytes 0..7), the erase button cmdErase<r> and the editor's own cmdPlay<r>, which plays the
    // courtesy tone as stored; cmdOK closes.
    explicit CourtesyTonesDialog(const EditorContext& context, QWidget* parent = nullptr);

    // "E": zeroes the row's record.
    void eraseRow(int row);

protected:
    void display() override;
    void showField(const Fields::Field& field) override;

private:
    // Field 0..7 of row 0..7 in the area's table.
    const Fields::Field& toneField(int row, int field) const;

    std::array<std::array<ValueField*, CourtesyTones::FieldCount>, CourtesyTones::RowCount>
        m_fields{};
    std::array<PlayButton*, CourtesyTones::RowCount> m_play{};
};
