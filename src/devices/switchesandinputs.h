// The expansion board's sixteen switch groups and the two hardware inputs with their commands.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/keypadrequest.h"

namespace ExpandedSwitches {

inline constexpr char Title[] = "Expanded Switches";
inline constexpr char GroupFrame[] = "Switch Group";
inline constexpr std::array<const char*, 2> BankOptions = {"1-8", "9-16"};
inline constexpr char BitsCaption[] = "BITS";
inline constexpr int RowsPerBank = Region::ExpandedSwitchBank;
inline constexpr int SwitchesPerRow = 8;

// Row r (0..7) of bank b (0, 1).
constexpr int groupOffset(int bank, int row) {
    return Region::ExpandedSwitches + Region::ExpandedSwitchBank * bank + row;
}
static_assert(groupOffset(1, 0) == 1082 && groupOffset(1, 7) == 1089);
// "1".."8" for the first bank, "11".."18" for the second.
QString rowLabel(int bank, int row);
bool isOn(const Image& image, int bank, int row, int bit);
// Flips one switch; the other bits of the group keep their state.
void toggle(Image& image, int bank, int row, int bit);
// Puts one switch on or off, as a flip does when it shows the other state; the other bits of the
// group keep their state.
void setSwitch(Image& image, int bank, int row, int bit, bool on);

}  // namespace ExpandedSwitches

namespace UserInputs {

inline constexpr char Title[] = "Hardware Inputs";
inline constexpr std::array<const char*, Region::UserInputCount> RowCaptions = {"Input #1",
                                                                                "Input #2"};
inline constexpr int Count = Region::UserInputCount;

constexpr int inputOffset(int input) {
    return Region::UserInputs + Region::UserInputRecord * input;
}
static_assert(inputOffset(1) == 1072);
// The command number as shown (four digits for packed digit pairs) and its review text.
QString numberText(const Image& image, int input);
QString reviewText(const Image& image, int input);
// Stores the keypad answer for one input: its two bytes only, so the other input keeps whatever
// it holds (erased memory FFFF included). An answer equal to the shown number (a Cancel, or OK on
// an unchanged FFFF) writes nothing. True when written.
bool store(Image& image, int input, const QString& shown, const QString& answer);
KeypadRequest request(const QString& shown);

}  // namespace UserInputs
