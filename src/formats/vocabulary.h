// The speech synthesizer's vocabulary: every word's three-digit voice word number, the labels the
// composer offers in its three pick lists, the display texts of stored words, and the byte forms a
// word takes in the configuration image.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

namespace Vocabulary {

// The word table: one entry per word code, read-only for the whole run.
inline constexpr int WordTableSize = 505;
inline constexpr int WordTableCapacity = 520;

struct WordEntry {
    std::uint16_t code;  // bank * 256 + word index
    const char* text;    // display text of a stored word
};

// One entry of a pick list: what the composer shows and the word it stands for.
struct PickEntry {
    const char* label;
    int number;  // voice word number 0..999
};

enum class PickList { AllWords, CallLetters, Special };
inline constexpr int PickListCount = 3;

// The word table, sorted by code.
std::span<const WordEntry> wordTable();
// The entries of a pick list in the order the composer presents them.
std::span<const PickEntry> pickList(PickList list);
// The list's name as the composer's option shows it ("All Words", "Call Letters", "Special").
const char* pickListName(PickList list);

// A word as stored in a voice word string: bank byte, then the word index as a plain number.
struct StoredWord {
    std::uint8_t bank;
    std::uint8_t index;
};

constexpr int wordCode(int number) { return (number / 100) * 256 + number % 100; }
constexpr int wordNumber(int code) { return (code / 256) * 100 + code % 256; }
// The controller ignores the high four bits of the bank byte, so the editor does too.
constexpr int storedWordCode(std::uint8_t bank, std::uint8_t index) {
    return (bank & 0x0F) * 256 + index;
}
// A word number as the composer carries it: three digits with leading zeros ("005", "210").
QString wordNumberText(int number);

// Voice word string: a count byte N followed by N stored words.
inline constexpr int StoredWordSize = 2;
// Most words a field of the given size (count byte included) can hold.
constexpr int wordStringCapacity(int fieldSize) { return (fieldSize - 1) / StoredWordSize; }

// Display text of the word with this code; empty when the vocabulary has no such word.
QString wordText(int code);

// The words of a voice word string, each display text after one space, with the ends trimmed
// unless `trimmed` is false. `field` starts at the count byte; no word is read from outside
// `field`, whatever the count says.
QString wordStringText(std::span<const std::uint8_t> field, bool trimmed = true);

// The stored form of a three-digit word number text ("210" gives bank 2, index 10). A character
// that is not a digit counts as 0.
StoredWord encodeWord(const QString& numberText);

// Writes a voice word string into `field` (count byte first): the count, then each word with
// encodeWord. Bytes behind the last word keep their values; words that do not fit in `field`
// are not written and not counted. Returns the count written.
int storeWordString(std::span<std::uint8_t> field, const QStringList& words);

}  // namespace Vocabulary
