// What every benchmark starts from: the sample configuration applied to a blank image by the same
// change rules `orvtool apply` uses, so a run does not depend on a file made by the build, with
// every memory save set up: the Base data copied into the saves the sample leaves empty, as the
// Memory Config dialog copies it, and in the three-saves layout the area-code and prefix tables
// filled in the fourth save's place.
#pragma once

#include <benchmark/benchmark.h>

#include <QString>
#include <optional>

#include "core/image.h"
#include "formats/fieldtable.h"

namespace Bench {

// The sample is written for four memory saves, as the editor starts without settings.
inline constexpr bool FourMemorySaves = true;

// The sample's changes text, as built into the program.
QString sampleText();

// The full image of a memory layout; made on first use and kept. When it could not be made (the
// text missing, a line refused) the image is blank and fullImageProblem() says why.
const Image& fullImage(bool fourMemorySaves = FourMemorySaves);
QString fullImageProblem(bool fourMemorySaves = FourMemorySaves);

// True when the full image is there; otherwise the benchmark is skipped with the reason.
bool haveFullImage(benchmark::State& state, bool fourMemorySaves = FourMemorySaves);

// The field of the catalogue with this key, or nothing.
const Fields::Field* catalogueField(const QString& key, bool fourMemorySaves = FourMemorySaves);

// One edit as a user makes it in an editor: the field stored with the answer for `shown`, by
// the field's own rule. False when the field refused it.
bool storeShown(Image& image, const Fields::Field& field, const QString& shown);

// The edit the benchmarks of an edit make: the Base repeater time-out, set to one of two values
// in turn so every call changes the image.
class TimeOutEdit {
public:
    TimeOutEdit();
    bool valid() const { return m_field != nullptr; }
    const Fields::Field& field() const { return *m_field; }
    // Stores the other value; false when the store was refused.
    bool apply(Image& image);

private:
    const Fields::Field* m_field;
    bool m_toggle = false;
};

// The other file of a comparison with the full image: a blank image, or the full image with the
// time-out edit (the usual check before a save). Nothing, with the benchmark skipped, when the
// full image is missing or the edit was refused.
std::optional<Image> comparedImage(benchmark::State& state, bool blank);

}  // namespace Bench
