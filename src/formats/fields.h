// Fields that several areas of the image share in form: a voice word string (voice messages,
// speed-dial identifications), a telephone number (speed dials) and a command number (macros,
// scheduler, user inputs). Each knows where it lies, how it reads as text and how it is stored.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

#include "core/image.h"

// A voice word string: a count byte, then up to capacity() stored words of two bytes.
struct WordStringField {
    int offset = 0;  // the count byte
    int size = 0;    // bytes the field owns, count byte included

    int capacity() const;
    // The count byte as stored (it may claim more words than fit).
    int storedCount(const Image& image) const;
    // The words that fit in the field, each display text after one space; `trimmed` removes the
    // space before the first word and any blanks at the ends.
    QString text(const Image& image, bool trimmed = true) const;
    // The three-digit numbers of the words that fit in the field, as text() reads them; the empty
    // text for a stored word that no number names (a bank above 9, an index above 99).
    QStringList numbers(const Image& image) const;

    // What the voice composer hands back when it closes.
    struct Composed {
        bool newWords =
            false;  // words composed anew (from an empty text or after a clear) and confirmed
        QStringList words;  // three-digit word numbers, in spoken order
    };
    // The store rule of every word-string field: only words composed anew and confirmed are
    // written (the count and the words, or the count 0 for a confirmed empty text); a cancelled
    // or closed composer writes nothing, whatever the field showed. Bytes behind the last word
    // keep their values. True when something was written.
    bool store(Image& image, const Composed& composed) const;

private:
    std::span<const std::uint8_t> bytes(const Image& image) const;
};

// A telephone number: the digit count, then eleven digit slots with their dialling delays.
struct TelephoneNumberField {
    int offset = 0;

    int digitCount(const Image& image) const;
    // The number with its delay marks; empty for a digit count of 12 or more.
    QString text(const Image& image) const;
    // Writes all twelve bytes from a keypad text (digits, "*", "#", delay marks).
    void store(Image& image, const QString& text) const;
};

// A command number: four decimal digits packed into two bytes.
struct CommandField {
    int offset = 0;

    // The command as the dialogs show it (commandDigits).
    QString digits(const Image& image) const;
    // The command's review text from the catalogue (commandText).
    QString reviewText(const Image& image) const;
    // Writes the packed digit pairs of the text's first two and last two characters; the empty
    // text gives two 0 bytes, a character that is no digit counts as 0.
    void store(Image& image, const QString& digits) const;
};
