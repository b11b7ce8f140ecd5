// orvtool's set and apply over arbitrary text: never a crash; a refused change writes nothing; an
// accepted one writes only inside the bytes its named fields may write, and a keypad value
// accepted is one the keypad takes.
#include <QHash>

#include "fields/catalogue.h"
#include "fields/changes.h"
#include "formats/keypadrules.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A configuration with values in every field kind: small bytes, so counts and codes are valid.
    static const Image base = [] {
        Image image{};
        for (int i = 0; i < ImageSize; ++i) image[i] = static_cast<std::uint8_t>((i * 7 + 3) % 13);
        return image;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const Changes::Request request = Changes::readText(text);
    for (const bool fourMemorySaves : {true, false}) {
        const Changes::Outcome outcome = Changes::apply(base, request.lines, fourMemorySaves);
        consume(Changes::refusalText(outcome.refusals, QStringLiteral("fuzz")));
        if (!outcome.refusals.empty()) {
            FUZZ_CHECK(outcome.image == base);
            continue;
        }
        QHash<QString, const Fields::Field*> byKey;
        for (const Fields::Field& field : Fields::catalogue(fourMemorySaves))
            byKey.insert(field.key, &field);
        std::vector<bool> writable(ImageSize, false);
        for (const Changes::Line& line : request.lines) {
            const Fields::Field* field = byKey.value(line.key);
            FUZZ_CHECK(field != nullptr);
            for (const Fields::ByteRange& range : field->writes)
                for (int i = range.first; i < range.first + range.length; ++i) writable[i] = true;
        }
        for (int i = 0; i < ImageSize; ++i) FUZZ_CHECK(outcome.image[i] == base[i] || writable[i]);
        // A keypad value accepted alone is an entry the keypad hands back after OK.
        if (request.lines.size() != 1) continue;
        const Changes::Line& line = request.lines.front();
        const Fields::Field* field = byKey.value(line.key);
        if (field->edit != Fields::Edit::Keypad || field->value(base) == line.value) continue;
        const std::optional<QString> answer = field->writtenAnswer(line.value);
        FUZZ_CHECK(answer && !Keypad::accepts(field->request(base), *answer));
    }
    return 0;
}
