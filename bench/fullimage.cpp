#include "fullimage.h"

#include <QFile>

#include "fields/catalogue.h"
#include "fields/changes.h"
#include "memory/memoryblocks.h"

namespace Bench {

namespace {

struct Made {
    Image image{};
    QString problem;
};

// Applies the lines to the image under the layout; the refusals as text, or empty.
QString applyLines(Image& image, const std::vector<Changes::Line>& lines, bool fourMemorySaves) {
    Changes::Outcome outcome = Changes::apply(image, lines, fourMemorySaves);
    if (!outcome.refusals.empty())
        return Changes::refusalText(outcome.refusals, QStringLiteral("full image"));
    image = outcome.image;
    return {};
}

// True when the memory save holds nothing of the data Memory Config copies.
bool emptyMemorySave(const Image& image, int memorySave) {
    for (int row = 0; row < MemoryBlocks::CopyRowCount; ++row)
        for (const std::uint8_t byte : imageBytes(image, MemoryBlocks::copyTarget(row, memorySave),
                                                  MemoryBlocks::CopyRows[row].length))
            if (byte != 0) return false;
    return true;
}

Made makeFullImage(bool fourMemorySaves) {
    Made made;
    const QString text = sampleText();
    if (text.isEmpty()) {
        made.problem = QStringLiteral("the sample configuration is not built in");
        return made;
    }
    const Changes::Request request = Changes::readText(text);
    if (!request.refusals.empty()) {
        made.problem = Changes::refusalText(request.refusals, QStringLiteral("sample"));
        return made;
    }
    // The sample is written for four memory saves; its fourth save is empty.
    Image image{};
    if (made.problem = applyLines(image, request.lines, true); !made.problem.isEmpty()) return made;
    const int lastSave = fourMemorySaves ? Region::MemorySaveCount : Region::MemorySaveCount - 1;
    for (int save = 1; save <= lastSave; ++save) {
        if (!emptyMemorySave(image, save)) continue;
        for (int row = 0; row < MemoryBlocks::CopyRowCount; ++row)
            MemoryBlocks::copyToMemorySave(image, row, save);
    }
    if (!fourMemorySaves) {
        // Three-digit area codes and prefixes, every entry of both tables.
        std::vector<Changes::Line> lines;
        int n = 0;
        for (const Fields::Field& field : Fields::catalogue(false)) {
            if (!field.key.startsWith(QLatin1String("area-codes.")) &&
                !field.key.startsWith(QLatin1String("prefixes.")))
                continue;
            ++n;
            lines.push_back({n, field.key, QString::number(200 + n % 700)});
        }
        if (made.problem = applyLines(image, lines, false); !made.problem.isEmpty()) return made;
    }
    made.image = image;
    return made;
}

const Made& made(bool fourMemorySaves) {
    static const Made four = makeFullImage(true);
    static const Made three = makeFullImage(false);
    return fourMemorySaves ? four : three;
}

}  // namespace

QString sampleText() {
    QFile file(QStringLiteral(":/bench/club-repeater.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

const Image& fullImage(bool fourMemorySaves) { return made(fourMemorySaves).image; }

QString fullImageProblem(bool fourMemorySaves) { return made(fourMemorySaves).problem; }

bool haveFullImage(benchmark::State& state, bool fourMemorySaves) {
    const QString problem = fullImageProblem(fourMemorySaves);
    if (problem.isEmpty()) return true;
    state.SkipWithError(qPrintable(QStringLiteral("no full image: ") + problem));
    return false;
}

const Fields::Field* catalogueField(const QString& key, bool fourMemorySaves) {
    for (const Fields::Field& field : Fields::catalogue(fourMemorySaves))
        if (field.key == key) return &field;
    return nullptr;
}

bool storeShown(Image& image, const Fields::Field& field, const QString& shown) {
    if (!field.store) return false;
    return field.store(image, field.answerFor(shown)) != Fields::Stored::Refused;
}

TimeOutEdit::TimeOutEdit()
    : m_field(catalogueField(QStringLiteral("timers.base.repeater-time-out"))) {}

bool TimeOutEdit::apply(Image& image) {
    m_toggle = !m_toggle;
    return storeShown(image, *m_field,
                      m_toggle ? QStringLiteral("02:00") : QStringLiteral("03:00"));
}

std::optional<Image> comparedImage(benchmark::State& state, bool blank) {
    if (!haveFullImage(state)) return std::nullopt;
    if (blank) return Image{};
    Image other = fullImage();
    TimeOutEdit edit;
    if (!edit.valid() || !edit.apply(other)) {
        state.SkipWithError("the time-out edit was refused");
        return std::nullopt;
    }
    return other;
}

}  // namespace Bench
