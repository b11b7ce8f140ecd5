// The overview's model: where each field stands, the filter, and which fields a change of bytes
// touches (the refresh reads again exactly those).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fields/compare.h"
#include "fields/overview.h"
#include "imagecheck.h"

using Fields::ByteRange;
using Fields::ByteRanges;

namespace {

// Random bytes, small values (valid counts and codes), or sparse over zero: each kind makes other
// fields show something.
Image someImage(std::mt19937& random, int kind) {
    Image image;
    for (std::uint8_t& b : image) {
        const auto any = static_cast<std::uint8_t>(random());
        b = kind % 3 == 0 ? any : kind % 3 == 1 ? any % 13 : (random() % 20 ? 0 : any);
    }
    return image;
}

}  // namespace

TEST(Overview, EveryFieldHasItsAreaAndBlock) {
    for (bool four : {true, false}) {
        SCOPED_TRACE(four ? "four memory saves" : "three");
        std::set<QString> areasSeen;
        for (const Fields::Field& field : Fields::catalogue(four)) {
            ASSERT_GE(field.area, 0) << field.key.toStdString();
            const Fields::Area& area = Fields::areas()[std::size_t(field.area)];
            EXPECT_EQ(field.block.has_value(), area.blocks) << field.key.toStdString();
            areasSeen.insert(QLatin1String(area.key));
        }
        EXPECT_EQ(areasSeen.count(QStringLiteral("area-codes")), four ? 0u : 1u);
    }
    const Fields::FieldList& all = Fields::catalogue(true);
    const auto timer = std::ranges::find(all, QStringLiteral("timers.mem2.repeater-time-out"),
                                         &Fields::Field::key);
    ASSERT_NE(timer, all.end());
    EXPECT_EQ(Overview::areaTitle(timer->area), QStringLiteral("Timers"));
    EXPECT_EQ(timer->block, 2);
    EXPECT_EQ(Overview::blockTitle(2), QStringLiteral("Memory Save #2"));
    EXPECT_EQ(Overview::blockTitle(0), QStringLiteral("Base"));
}

TEST(Overview, FilterFindsCaptionValueOrKeyWhateverTheCase) {
    Fields::Field field;
    field.key = QStringLiteral("timers.base.repeater-time-out");
    field.caption = QStringLiteral("Repeater Time-Out");
    // clang-format off
    const struct { const char* filter; const char* shown; bool found; } cases[] = {
        {"",          "03:00", true},
        {"time-out",  "03:00", true},   // caption, other case
        {"03:0",      "03:00", true},   // value
        {"BASE.rep",  "03:00", true},   // key
        {"777",       "03:00", false},
        {"777",       "*777#", true},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Overview::matches(field, QLatin1String(c.shown), QLatin1String(c.filter)),
                  c.found)
            << c.filter << " in " << c.shown;
    EXPECT_TRUE(Overview::isEmptyValue(QStringLiteral("   ")));
    EXPECT_FALSE(Overview::isEmptyValue(QStringLiteral(" 0")));
}

// Hidden as empty: blanks, every field of a macro without a trigger or an erased event, and a
// review reading "No Command" with its command; a control code of zeros is a value.
TEST(Overview, EmptyValuesAreBlanksUnusedRecordsAndNoCommands) {
    const Fields::FieldList& fields = Fields::catalogue(false);
    const auto store = [&fields](Image& image, const char* key, const QString& answer) {
        for (const Fields::Field& field : fields)
            if (field.key == QLatin1String(key)) field.store(image, answer);
    };
    Image image{};
    store(image, "macros.03.trigger", QStringLiteral("*12"));
    store(image, "macros.03.command-1", QStringLiteral("1110"));
    store(image, "codes.base.control-operator-code", QStringLiteral("0000"));
    image[1006] = 0x11;      // a stale command of macro 7, whose trigger length is 0
    image[4298 + 5] = 0x30;  // a stale command byte of erased event 1
    std::vector<QString> shown;
    for (const Fields::Field& field : fields) shown.push_back(field.text(image));
    const std::vector<bool> empty = Overview::emptyValues(fields, shown, image);
    // clang-format off
    const struct { const char* key; bool empty; } cases[] = {
        {"macros.03.trigger", false},   {"macros.03.command-1", false},
        {"macros.03.review-1", false},  {"macros.03.command-2", true},
        {"macros.03.review-2", true},   {"macros.07.command-1", true},
        {"macros.07.review-1", true},   {"scheduler.01.command", true},
        {"scheduler.01.review", true},  {"codes.base.control-operator-code", false},
        {"user-inputs.input-1.command", true}, {"timers.base.repeater-time-out", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto at = std::ranges::find(fields, QLatin1String(c.key), &Fields::Field::key);
        ASSERT_NE(at, fields.end()) << c.key;
        const std::size_t i = std::size_t(at - fields.begin());
        EXPECT_EQ(empty[i], c.empty) << c.key << " shows \"" << shown[i].toStdString();
    }
}

// Undo names a change by the place and caption of the one value it changed; a record's row
// gives its name and summary.
TEST(Overview, ChangesAreNamedByTheirPlaceAndRecordsByTheirValues) {
    const Fields::FieldList& fields = Fields::catalogue(false);
    const auto store = [&fields](Image& image, const char* key, const char* answer) {
        const auto field = std::ranges::find(fields, QLatin1String(key), &Fields::Field::key);
        ASSERT_NE(field, fields.end()) << key;
        field->store(image, QLatin1String(answer));
    };
    Image before{};
    store(before, "macros.03.trigger", "*12");
    // clang-format off
    const struct { std::vector<std::pair<const char*, const char*>> stores; const char* name; } cases[] = {
        {{{"timers.base.repeater-time-out", "600"}}, "Base Repeater Time-Out"},
        {{{"timers.mem2.repeater-time-out", "600"}}, "Memory Save #2 Repeater Time-Out"},
        {{{"macros.03.command-2", "1110"}}, "Macro 3 Command 2"},
        {{{"macros.04.trigger", "*13"}}, "Macro 4"},  // its commands show with it
        {{{"expanded-switches.1.bit-2", "on"}}, "Switch Group 1, BITS 2"},
        {{{"zones.mem1.zone-2.flag-3", "on"}}, "Memory Save #1 Zone 2 3.  Scheduler Enable"},
        {{{"area-codes.04", "212"}}, "Area Code 4"},
        {{{"timers.base.repeater-time-out", "600"}, {"timers.base.repeater-sleep", "60"}}, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        Image after = before;
        for (const auto& [key, answer] : c.stores) store(after, key, answer);
        EXPECT_EQ(
            Overview::changeName(fields, before, after, Fields::differingRanges(before, after)),
            QLatin1String(c.name));
    }
    const auto macro =
        std::ranges::find(fields, QLatin1String("macros.03.review-1"), &Fields::Field::key);
    EXPECT_EQ(Overview::recordTitle(*macro->record, Image{}), QStringLiteral("Macro 3"));
    EXPECT_EQ(Overview::recordTitle(*macro->record, before), QStringLiteral("Macro 3 (*12)"));
    EXPECT_EQ(macro->caption, QStringLiteral("Review 1"));
}

TEST(Overview, DifferingRangesAreExactlyTheChangedBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        Image before = someImage(random, round);
        Image after = before;
        const int changes = int(random() % 40);
        for (int n = 0; n < changes; ++n)
            after[random() % ImageSize] ^= std::uint8_t(1 + random() % 255);
        const ByteRanges ranges = Fields::differingRanges(before, after);
        std::vector<bool> covered(ImageSize, false);
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            ASSERT_GT(ranges[r].length, 0);
            // Maximal runs: two runs never touch.
            if (r > 0) {
                EXPECT_GT(ranges[r].first, ranges[r - 1].first + ranges[r - 1].length);
            }
            for (int i = ranges[r].first; i < ranges[r].first + ranges[r].length; ++i)
                covered[std::size_t(i)] = true;
        }
        for (int i = 0; i < ImageSize; ++i)
            ASSERT_EQ(covered[std::size_t(i)], before[i] != after[i]) << "byte " << i;
    }
}

// The refresh reads again only the fields read from changed bytes: a field whose text a change
// alters must always be one of them.
TEST(Overview, EveryFieldAChangeAltersReadsFromTheChangedBytes) {
    std::mt19937 random(11);
    for (bool four : {true, false}) {
        const Fields::FieldList& fields = Fields::catalogue(four);
        for (int round = 0; round < 60; ++round) {
            const Image before = someImage(random, round);
            Image after = before;
            const int first = int(random() % ImageSize);
            const int length = 1 + int(random() % 4);
            for (int i = first; i < std::min(ImageSize, first + length); ++i)
                after[i] = std::uint8_t(random());
            const ByteRanges changed = Fields::differingRanges(before, after);
            for (const Fields::Field& field : fields) {
                if (field.text(before) == field.text(after)) continue;
                EXPECT_TRUE(Fields::readsFrom(field, after, changed))
                    << field.key.toStdString() << " changed from bytes " << first;
            }
        }
    }
}

namespace {

const Fields::Field& fieldWithKey(const QString& key) {
    for (const Fields::Field& field : Fields::catalogue(true))
        if (field.key == key) return field;
    ADD_FAILURE() << "no field " << key.toStdString();
    return Fields::catalogue(true).front();
}

std::size_t indexOf(const QString& key) {
    const Fields::FieldList& all = Fields::catalogue(true);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].key == key) return i;
    return all.size();
}

}  // namespace

TEST(Compare, ListsTheDifferingFieldsAndTheBytesNoFieldShows) {
    const Image mine = patternedImage();
    EXPECT_TRUE(Compare::compare(mine, mine, true).identical);

    Image theirs = mine;
    const QString key = QStringLiteral("timers.mem2.repeater-time-out");
    const Fields::Field& timer = fieldWithKey(key);
    ASSERT_EQ(timer.store(theirs, QStringLiteral("600")), Fields::Stored::Written);
    // A byte no field is read from.
    std::vector<bool> read(ImageSize, false);
    for (const Fields::Field& field : Fields::catalogue(true))
        for (const ByteRange& range : field.reads(mine))
            for (int i = range.first; i < range.first + range.length; ++i)
                read[std::size_t(i)] = true;
    const auto unread = std::find(read.begin(), read.end(), false);
    ASSERT_NE(unread, read.end());
    theirs[int(unread - read.begin())] ^= 0xFF;

    const Compare::Comparison comparison = Compare::compare(mine, theirs, true);
    EXPECT_FALSE(comparison.identical);
    ASSERT_EQ(comparison.rows.size(), 1u);
    EXPECT_EQ(comparison.rows[0].field, indexOf(key));
    EXPECT_EQ(comparison.rows[0].mine, timer.text(mine));
    EXPECT_EQ(comparison.rows[0].theirs, QStringLiteral("10:00"));
    EXPECT_EQ(comparison.otherBytes, 1);
}

TEST(Compare, CopyToDocumentWritesExactlyTheFieldsBytesOrRefuses) {
    const Image theirs = patternedImage();
    std::mt19937 random(5);
    Image mine = someImage(random, 1);
    const Image before = mine;
    const Compare::Comparison comparison = Compare::compare(mine, theirs, true);
    int copied = 0, shownOnly = 0;
    for (const Compare::Row& row : comparison.rows) {
        const Fields::Field& field = Fields::catalogue(true)[row.field];
        Image document = before;
        const QString refused = Compare::copyToDocument(document, theirs, {row.field}, true);
        if (!row.shownOnly.isEmpty()) {
            EXPECT_FALSE(refused.isEmpty()) << field.key.toStdString();
            EXPECT_EQ(document, before);
            ++shownOnly;
            continue;
        }
        if (!refused.isEmpty()) {
            EXPECT_EQ(document, before) << field.key.toStdString() << ": all or nothing";
            continue;
        }
        ++copied;
        EXPECT_EQ(field.text(document), row.theirs) << field.key.toStdString();
        // Only the bytes the field (or its stored-together group) may write changed.
        Fields::ByteRanges writable = field.writes;
        if (!field.together.isEmpty())
            for (const Fields::Field& other : Fields::catalogue(true))
                if (other.together == field.together)
                    writable.insert(writable.end(), other.writes.begin(), other.writes.end());
        for (const ByteRange& change : Fields::differingRanges(before, document))
            for (int i = change.first; i < change.first + change.length; ++i) {
                const bool inside = std::any_of(
                    writable.begin(), writable.end(),
                    [i](const ByteRange& w) { return i >= w.first && i < w.first + w.length; });
                EXPECT_TRUE(inside) << field.key.toStdString() << " wrote byte " << i;
            }
    }
    EXPECT_GT(copied, 100);
    EXPECT_GT(shownOnly, 0);
}
