// The CW identification message: its place in the image (Base only), the character codes the
// controller keys in Morse, and the message text the dialog and the report show.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/image.h"
#include "core/regions.h"

namespace Cw {

inline constexpr int MessageOffset = Region::BaseBlock + Region::Rel::CwMessage;  // count byte
inline constexpr int MaxCharacters = Region::Rel::CwMessageSize - 1;
static_assert(MessageOffset == 794 && MessageOffset + 1 + MaxCharacters == 826);

// The pick list in code order: the code of a character is its position.
// clang-format off
inline constexpr std::array<const char*, 47> Characters = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "/", "(AR)", " ", ".", ";", ",", ":", "?", "-", "(", "(SK)",
};
// clang-format on

inline constexpr char EmptyMessage[] = "(Empty)";

}  // namespace Cw

// The text of a character code; empty for a code above 46.
QString cwCharText(std::uint8_t code);
// The stored message as text: as many codes as the count byte says, read as stored (a count above
// 31 runs on into the following bytes, but never past the image); "(Empty)" for a count of 0.
QString cwMessageText(const Image& image);
// The stored codes as the controller keys them: as many as the count byte says (the same run as
// cwMessageText reads), unknown codes included.
std::vector<std::uint8_t> cwStoredCodes(const Image& image);
// The character codes of a message text as cwMessageText shows it: "(AR)" and "(SK)" are one
// character each, "(Empty)" and the empty text are no characters. Nothing when the text holds
// anything else or more than 31 characters.
std::optional<std::vector<std::uint8_t>> cwCodes(const QString& text);
// Writes a message: the count, then the codes; bytes behind the last character keep their values.
void storeCwMessage(Image& image, const std::vector<std::uint8_t>& codes);
