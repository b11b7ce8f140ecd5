// orvtool's dump and diff: every field of an arbitrary image under its key in both memory layouts,
// and the field-by-field comparison with the same image edited at the places the rest of the input
// names (three bytes per edit: offset high, offset low, new value).
#include "fields/dump.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image before = fuzzImage(data, size);
    Image after = before;
    for (std::size_t i = ImageSize; i + 2 < size; i += 3)
        after[(data[i] << 8 | data[i + 1]) % ImageSize] = data[i + 2];
    int differing = 0;
    for (int i = 0; i < ImageSize; ++i) differing += before[i] != after[i];

    for (const bool fourMemorySaves : {true, false}) {
        const std::vector<Dump::Field> fields = Dump::fields(before, fourMemorySaves);
        for (const Dump::Field& field : fields)
            for (const Fields::ByteRange& range : field.bytes)
                FUZZ_CHECK(range.first >= 0 && range.length > 0 &&
                           range.first + range.length <= ImageSize);
        consume(Dump::dumpText(fields));

        const Dump::Difference same = Dump::difference(before, before, fourMemorySaves);
        FUZZ_CHECK(same.identical && same.changes.empty() && same.otherBytes == 0);
        FUZZ_CHECK(Dump::differenceText(same).isEmpty());

        const Dump::Difference change = Dump::difference(before, after, fourMemorySaves);
        FUZZ_CHECK(change.identical == (differing == 0));
        FUZZ_CHECK(change.otherBytes >= 0 && change.otherBytes <= differing);
        // Differing bytes show as changed fields, as other bytes, or both.
        FUZZ_CHECK(change.identical || !change.changes.empty() || change.otherBytes > 0);
        for (const Dump::Change& c : change.changes) FUZZ_CHECK(c.before != c.after);
        consume(Dump::differenceText(change));
    }
    return 0;
}
