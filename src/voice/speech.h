// Voice words as sound: the spoken form the editor gives each word of the controller's vocabulary
// (the words said by a speech synthesiser, the pauses, tones and announcements it stands in for),
// and a word string rendered to samples, so a message can be heard before the controller says it.
#pragma once

#include <QString>
#include <span>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"
#include "formats/sound.h"

namespace Speech {

// How one vocabulary word is heard.
struct Spoken {
    enum class Kind { Say, Silence, Tone };
    Kind kind = Kind::Say;
    QString text;      // Say: what the synthesiser says; a letter is spelled
    double ms = 0;     // Silence, Tone: how long
    double hertz = 0;  // Tone: its pitch
};

// The spoken form of a word by its three-digit number: the editor's own choice for pauses, sound
// effects, courtesy tones, announcements, switch states and recorder tracks, else the word's
// name in the composer's list without its qualifier ("The (long E)" is said "the").
Spoken spokenForm(int number);

// The word numbers of a word string (count byte first) in the bytes `range`.
std::vector<int> wordNumbers(const Image& image, const Fields::ByteRange& range);

// Renders words to samples at Sound::SampleRate: the words said run together as one utterance
// of the synthesiser, between the silences and tones. Empty when the synthesiser cannot start.
Sound::Samples render(const std::vector<int>& numbers);
// Why the synthesiser cannot speak, or empty.
QString unavailable();

}  // namespace Speech
