// The vocabulary tables, the word-code rules and the byte forms of a voice word string.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "formats/vocabulary.h"
#include "imagecheck.h"

using Vocabulary::PickList;

namespace {

struct ListSpot {
    PickList list;
    int position;
    const char* label;
    int number;
};

const char* listName(PickList list) { return Vocabulary::pickListName(list); }

}  // namespace

TEST(Vocabulary, ListsHaveTheirNamesAndSizes) {
    EXPECT_STREQ(listName(PickList::AllWords), "All Words");
    EXPECT_STREQ(listName(PickList::CallLetters), "Call Letters");
    EXPECT_STREQ(listName(PickList::Special), "Special");
    EXPECT_EQ(Vocabulary::pickList(PickList::AllWords).size(), 500u);
    EXPECT_EQ(Vocabulary::pickList(PickList::CallLetters).size(), 36u);
    EXPECT_EQ(Vocabulary::pickList(PickList::Special).size(), 47u);
}

// Positions worked out from the block lengths: numbers 0..27, letter blocks from 28 (A 38 words,
// B 11, C 29, D 18, E 12, F 22, ... R 24 put "S" at 339), specials from 453.
TEST(Vocabulary, ListsKeepTheirOrderAtEveryIrregularPlace) {
    const ListSpot spots[] = {
        {PickList::AllWords, 0, "0", 0},
        {PickList::AllWords, 20, "20", 20},
        {PickList::AllWords, 21, "30", 30},
        {PickList::AllWords, 27, "90", 90},
        {PickList::AllWords, 28, "A", 210},
        {PickList::AllWords, 29, "A.M.", 211},
        {PickList::AllWords, 56, "Asscoiation", 238},
        {PickList::AllWords, 65, "Average", 247},
        {PickList::AllWords, 66, "B", 250},
        {PickList::AllWords, 136, "F", 370},
        {PickList::AllWords, 137, "Fahrenheit", 373},
        {PickList::AllWords, 138, "Fail", 371},
        {PickList::AllWords, 139, "Failure", 372},
        {PickList::AllWords, 140, "Fast", 374},
        {PickList::AllWords, 142, "Feet", 376},
        {PickList::AllWords, 143, "File", 378},
        {PickList::AllWords, 146, "Fire", 381},
        {PickList::AllWords, 295, "Patch", 684},
        {PickList::AllWords, 296, "Phone", 686},
        {PickList::AllWords, 339, "S", 770},
        {PickList::AllWords, 340, "S (plural)", 802},
        {PickList::AllWords, 341, "Safe", 771},
        {PickList::AllWords, 371, "System", 801},
        {PickList::AllWords, 372, "T", 820},
        {PickList::AllWords, 381, "That", 829},
        {PickList::AllWords, 382, "The (long E)", 831},
        {PickList::AllWords, 383, "The (short E)", 830},
        {PickList::AllWords, 384, "Then", 832},
        {PickList::AllWords, 452, "Zulu", 954},
        {PickList::AllWords, 453, "Pause 1", 960},
        {PickList::AllWords, 460, "Gunshot", 967},
        {PickList::AllWords, 461, "Laughter", 972},
        {PickList::AllWords, 462, "Time Of Day", 100},
        {PickList::AllWords, 466, "UF #1 OFF", 111},
        {PickList::AllWords, 474, "UF #3 MON", 119},
        {PickList::AllWords, 475, "500 Ms Delay", 135},
        {PickList::AllWords, 476, "DVR Track #1", 140},
        {PickList::AllWords, 491, "DVR Track #16", 155},
        {PickList::AllWords, 492, "Courtesy Tone #1", 161},
        {PickList::AllWords, 499, "Courtesy Tone #8", 168},
        {PickList::CallLetters, 0, "0", 0},
        {PickList::CallLetters, 9, "9", 9},
        {PickList::CallLetters, 10, "A", 210},
        {PickList::CallLetters, 15, "F", 370},
        {PickList::CallLetters, 26, "Q", 720},
        {PickList::CallLetters, 28, "S", 770},
        {PickList::CallLetters, 35, "Z", 950},
        {PickList::Special, 0, "[Pause 1]", 960},
        {PickList::Special, 7, "[Gunshot]", 967},
        {PickList::Special, 8, "[Laughter]", 972},
        {PickList::Special, 9, "[Time Of Day]", 100},
        {PickList::Special, 10, "[Day of Week]", 101},
        {PickList::Special, 12, "[Salutations]", 103},
        {PickList::Special, 13, "UF #1 OFF", 111},
        {PickList::Special, 21, "UF #3 MON", 119},
        {PickList::Special, 22, "500 Ms Delay", 135},
        {PickList::Special, 23, "DVR Track 1", 140},
        {PickList::Special, 38, "DVR Track 16", 155},
        {PickList::Special, 39, "Courtesy Tone 1", 161},
        {PickList::Special, 46, "Courtesy Tone 8", 168},
    };
    for (const ListSpot& spot : spots) {
        const auto list = Vocabulary::pickList(spot.list);
        ASSERT_LT(spot.position, static_cast<int>(list.size()));
        const auto& entry = list[spot.position];
        EXPECT_STREQ(entry.label, spot.label) << listName(spot.list) << " #" << spot.position;
        EXPECT_EQ(entry.number, spot.number) << listName(spot.list) << " #" << spot.position;
    }
}

TEST(Vocabulary, PerIsOfferedByNoList) {
    for (PickList list : {PickList::AllWords, PickList::CallLetters, PickList::Special})
        for (const auto& entry : Vocabulary::pickList(list)) {
            EXPECT_STRNE(entry.label, "Per");
            EXPECT_NE(entry.number, 685);
        }
}

TEST(Vocabulary, WordTableHasEveryWordOnceWithRoomToSpare) {
    const auto table = Vocabulary::wordTable();
    EXPECT_EQ(table.size(), 505u);
    EXPECT_EQ(Vocabulary::WordTableCapacity, 520);
    std::set<int> codes;
    for (const auto& entry : table) codes.insert(entry.code);
    EXPECT_EQ(codes.size(), 505u);
    // Every word a list offers reads back as a word.
    for (PickList list : {PickList::AllWords, PickList::CallLetters, PickList::Special})
        for (const auto& entry : Vocabulary::pickList(list))
            EXPECT_FALSE(Vocabulary::wordText(Vocabulary::wordCode(entry.number)).isEmpty())
                << entry.label;
}

TEST(Vocabulary, DisplayTextsAsWritten) {
    const struct {
        int number;
        const char* text;
    } cases[] = {
        {0, "0"},
        {5, "5"},
        {20, "20"},
        {90, "90"},
        {210, "A"},
        {238, "Association"},
        {343, "Ed_Sufffix"},
        {370, "F"},
        {381, "Fire"},
        {479, "Ing_Suffix"},
        {555, "Less_than"},
        {600, "Miles"},
        {610, "More_than"},
        {651, "O'Clock"},
        {685, "Per"},
        {802, "S_plural"},
        {830, "The"},
        {831, "The"},
        {876, "Use_noun"},
        {877, "Use_verb"},
        {901, "Well-Done"},
        {954, "Zulu"},
        {100, "(Time_of_day)"},
        {101, "(Day_of_week)"},
        {102, "(Day_of_month)"},
        {103, "(Salutations)"},
        {111, "(UF_1_OFF)"},
        {112, "(UF_1_ON)"},
        {116, "(UF_2_MON)"},
        {119, "(UF_3_MON)"},
        {135, "(500ms_Delay)"},
        {140, "(DVR_1)"},
        {155, "(DVR_16)"},
        {161, "(Tone_1)"},
        {168, "(Tone_8)"},
        {960, "[Pause 1]"},
        {963, "[Pause 4]"},
        {966, "[Chime 3]"},
        {967, "[Gunshot]"},
        {972, "[Laughter]"},
        {980, "[F Morning]"},
        {981, "[F Afternoon]"},
        {982, "[F Evening]"},
        {999, "ORVANE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Vocabulary::wordText(Vocabulary::wordCode(c.number)), QString::fromUtf8(c.text))
            << c.number;
}

TEST(Vocabulary, OddLabelsAreKeptAndPlainWordsReadBackAsTheirLabel) {
    const std::set<int> differing = {238, 343, 479, 555, 610, 651, 802, 830, 831, 876, 877, 901};
    const struct {
        int number;
        const char* label;
    } labels[] = {{238, "Asscoiation"}, {343, "Ed (suffix)"},   {479, "Ing (suffix)"},
                  {555, "Less Than"},   {610, "More Than"},     {651, "O'clock"},
                  {802, "S (plural)"},  {830, "The (short E)"}, {831, "The (long E)"},
                  {876, "Use (noun)"},  {877, "Use (verb)"},    {901, "Well Come"}};
    const auto all = Vocabulary::pickList(PickList::AllWords);
    for (const auto& l : labels) {
        const auto it = std::find_if(all.begin(), all.end(),
                                     [&](const auto& e) { return e.number == l.number; });
        ASSERT_NE(it, all.end()) << l.number;
        EXPECT_STREQ(it->label, l.label);
    }
    // Numbers and list words (positions 0..452) show their label unless listed above.
    for (int i = 0; i < 453; ++i) {
        if (differing.count(all[i].number)) continue;
        EXPECT_EQ(Vocabulary::wordText(Vocabulary::wordCode(all[i].number)),
                  QString::fromUtf8(all[i].label))
            << all[i].number;
    }
}

TEST(Vocabulary, UnknownCodesGiveEmptyTexts) {
    // 25 and 377 are unused numbers; index 100 and above is no word; bank 10..15 has no words.
    for (int code : {25, 21, 0x0100 + 4, 3 * 256 + 77, 248 / 100 * 256 + 48, 2 * 256 + 100, 0x02FF,
                     0x0A0A, 0x0F63})
        EXPECT_TRUE(Vocabulary::wordText(code).isEmpty()) << code;
}

TEST(Vocabulary, NumberAndCodeConversions) {
    EXPECT_EQ(Vocabulary::wordCode(210), 522);
    EXPECT_EQ(Vocabulary::wordCode(5), 5);
    EXPECT_EQ(Vocabulary::wordCode(902), 0x0902);
    EXPECT_EQ(Vocabulary::wordCode(999), 0x0963);
    EXPECT_EQ(Vocabulary::wordNumber(522), 210);
    EXPECT_EQ(Vocabulary::wordNumber(0x0963), 999);
    EXPECT_EQ(Vocabulary::wordNumber(0x0100), 100);
    // Only the low four bits of the bank byte count.
    EXPECT_EQ(Vocabulary::storedWordCode(0x12, 0x0A), 522);
    EXPECT_EQ(Vocabulary::storedWordCode(0xF9, 0x02), 0x0902);
    EXPECT_EQ(Vocabulary::wordText(Vocabulary::storedWordCode(0x12, 0x0A)), QStringLiteral("A"));
    EXPECT_EQ(Vocabulary::wordNumberText(5), QStringLiteral("005"));
    EXPECT_EQ(Vocabulary::wordNumberText(0), QStringLiteral("000"));
    EXPECT_EQ(Vocabulary::wordNumberText(210), QStringLiteral("210"));
}

TEST(Vocabulary, EncodeWordSplitsBankAndIndex) {
    const struct {
        const char* text;
        int bank;
        int index;
    } cases[] = {{"210", 0x02, 0x0A}, {"902", 0x09, 0x02}, {"005", 0x00, 0x05},
                 {"100", 0x01, 0x00}, {"999", 0x09, 0x63}, {"381", 0x03, 0x51}};
    for (const auto& c : cases) {
        const auto word = Vocabulary::encodeWord(QString::fromLatin1(c.text));
        EXPECT_EQ(word.bank, c.bank) << c.text;
        EXPECT_EQ(word.index, c.index) << c.text;
    }
}

TEST(Vocabulary, WordStringTextKeepsInnerSpacesAndTrimsTheEnds) {
    const struct {
        std::vector<std::uint8_t> field;
        const char* text;
    } cases[] = {
        // 210, 025, 211: the unknown word leaves its space inside the text.
        {{3, 0x02, 0x0A, 0x00, 0x19, 0x02, 0x0B}, "A  A.M."},
        // Unknown words at the ends vanish with the trimming.
        {{3, 0x00, 0x19, 0x02, 0x0A, 0x02, 0x64}, "A"},
        {{1, 0x12, 0x0A}, "A"},
        {{2, 0x09, 0x63, 0x01, 0x00}, "ORVANE (Time_of_day)"},
        {{0, 0x02, 0x0A}, ""},
        // A count larger than the field reads only the words the field holds.
        {{5, 0x02, 0x0A, 0x02, 0x0B, 0x02}, "A A.M."},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Vocabulary::wordStringText(c.field), QString::fromUtf8(c.text)) << c.text;
}

TEST(Vocabulary, StoreWordStringWritesCountAndWordsOnly) {
    std::vector<std::uint8_t> field(17, 0xEE);  // a speed-dial identification: count + 8 words
    EXPECT_EQ(Vocabulary::storeWordString(field, {QStringLiteral("210"), QStringLiteral("005")}),
              2);
    const std::vector<std::uint8_t> two = {2,    0x02, 0x0A, 0x00, 0x05, 0xEE, 0xEE, 0xEE, 0xEE,
                                           0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(field, two);

    QStringList nine;
    for (int i = 1; i <= 9; ++i) nine << Vocabulary::wordNumberText(i);
    std::vector<std::uint8_t> full(17, 0xEE);
    EXPECT_EQ(Vocabulary::storeWordString(full, nine), 8);
    const std::vector<std::uint8_t> eight = {8, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8};
    EXPECT_EQ(full, eight);

    std::vector<std::uint8_t> cleared(5, 0xEE);
    EXPECT_EQ(Vocabulary::storeWordString(cleared, {}), 0);
    EXPECT_EQ(cleared, (std::vector<std::uint8_t>{0, 0xEE, 0xEE, 0xEE, 0xEE}));
}
