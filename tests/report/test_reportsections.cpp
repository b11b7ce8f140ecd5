// Every section of the listing on images built for it, compared line by line with the layout:
// headings, titles, columns, the decoders of each field, empty records, the jobs of each box and
// their order, the memory save #4 rule and the pagination.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "reportlines.h"

namespace {

const QString File = QStringLiteral("/home/ham/club.orv");
const QString Chooser = QStringLiteral("/home/ham/copy.orv");
const QString Date = QStringLiteral("02/01/24");

ReportDocument compose(const Image& image, std::initializer_list<int> boxes,
                       bool fourMemorySaves = true) {
    return composeReport(image, inputsFor(boxes, fourMemorySaves));
}

QStringList jobNames(const ReportDocument& document) {
    QStringList names;
    for (const ReportJob& job : document.jobs) names << job.name;
    return names;
}

// Lines of one page compared at the given line numbers.
void expectLines(const QStringList& lines, std::initializer_list<std::pair<int, QString>> want,
                 const char* what) {
    for (const auto& [at, text] : want) {
        ASSERT_LT(at, lines.size()) << what;
        EXPECT_EQ(lines[at], text) << what << ", line " << at;
    }
}

}  // namespace

TEST(ReportSections, CodesListEveryFieldAtColumn45AndEndTheirPage) {
    Image image = zeroImage();
    putBytes(image, 48, {3, 1, 2, 3});                             // Control Operator Prefix
    putBytes(image, 48 + 8 * 13, {9, 10, 11, 12, 13, 14, 15, 0});  // length above 7: seven keys
    const ReportDocument document = compose(image, {ReportBox::BaseCodes});

    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 1u) << "the closing page break adds no page";
    const QStringList lines = pageLines(document, 0, 0);
    EXPECT_EQ(lines.mid(0, 11), pageHeading(File, Date) + titleLines("Base Control Codes"));
    expectLines(lines,
                {{11, cols({{8, "Control Operator Prefix"}, {45, "123"}})},
                 {12, ""},
                 {13, "       Time Request Prefix"},
                 {23, "       Autopatch Access Number"},
                 {37, cols({{8, "Expanded User Function Prefix"}, {45, "0*#ABCD"}})},
                 {38, ""}},
                "Base codes");
    EXPECT_EQ(lines.size(), 39);
}

TEST(ReportSections, MemorySaveFourIsPrintedOnlyInTheFourSavesLayout) {
    Image image = zeroImage();
    putBytes(image, 5416, {1, 9});  // memory save #2, Control Operator Prefix
    for (bool four : {true, false}) {
        const ReportDocument document = compose(image, {ReportBox::MemoryCodes}, four);
        QStringList want = {"Memory Save 1 Control Codes", "Memory Save 2 Control Codes",
                            "Memory Save 3 Control Codes"};
        if (four) want << "Memory Save 4 Control Codes";
        EXPECT_EQ(jobNames(document), want) << "four saves: " << four;
        EXPECT_EQ(pageLines(document, 1, 0)[8], centred("Memory Save 2 Control Codes"));
        EXPECT_EQ(pageLines(document, 1, 0)[11], cols({{8, "Control Operator Prefix"}, {45, "9"}}));
    }
    // Every box of the memory saves follows the layout.
    EXPECT_EQ(compose(image, {1, 3, 5, 11}, true).jobs.size(), 4u + 4 + 4 + 8);
    EXPECT_EQ(compose(image, {1, 3, 5, 11}, false).jobs.size(), 3u + 3 + 3 + 6);
}

TEST(ReportSections, TimersPrintMinutesAndTenthsWithTheirUnits) {
    Image image = zeroImage();
    putBytes(image, 178, {0x08, 0x07});       // 0 Repeater Time Out: 1800
    putBytes(image, 178 + 2, {0x4B, 0xF8});   // 1: 75, the upper five bits carry nothing
    putBytes(image, 178 + 4, {25, 0});        // 2 Turn On Delay: 2.5 s
    putBytes(image, 178 + 10, {0xFF, 0x07});  // 5: 2047 tenths
    putBytes(image, 4746 + 2, {0x2C, 0x01});  // memory save #1, timer 1: 300
    const ReportDocument document =
        compose(image, {ReportBox::BaseTimers, ReportBox::MemoryTimers});

    const QStringList lines = pageLines(document, 0, 0);
    EXPECT_EQ(lines.mid(0, 11), pageHeading(File, Date) + titleLines("Base Timers"));
    // clang-format off
    expectLines(lines, {
        {11, cols({{8, "Repeater Time Out"},        {40, "30:00"}, {48, "Min"}})},
        {13, cols({{8, "Repeater Sleep Timer"},     {40, "01:15"}, {48, "Min"}})},
        {15, cols({{8, "Turn On Delay"},            {40, "2.5"},   {48, "Sec"}})},
        {21, cols({{8, "DTMF Muting Delay Time"},   {40, "204.7"}, {48, "Sec"}})},
        {35, cols({{8, "DTMF Pre-Window Time"},     {40, "0.0"},   {48, "Sec"}})},
        {41, cols({{8, "Ring Detector Time"},       {40, "00:00"}, {48, "Min"}})},
        {42, ""},
    }, "Base timers");
    // clang-format on
    EXPECT_EQ(lines.size(), 43);
    EXPECT_EQ(jobNames(document).mid(1, 2),
              QStringList({"Memory Save 1 Timers", "Memory Save 2 Timers"}));
    EXPECT_EQ(pageLines(document, 1, 0)[13],
              cols({{8, "Repeater Sleep Timer"}, {40, "05:00"}, {48, "Min"}}));
}

TEST(ReportSections, VoiceMessagesPrintLandscapeUnderTheChoosersFileName) {
    Image image = zeroImage();
    const int base = 218;
    putWords(image, base, {999, 210});              // 1: ORVANE A
    putBytes(image, base + 48 * 2, {0xFF, 2, 10});  // 3: count 0xFF, only the number
    putBytes(image, base + 48 * 3, {24, 2, 10});    // 4: count 24, only the number
    putBytes(image, base + 48 * 4, {23});           // 5: 23 times the word 5
    for (int w = 0; w < 23; ++w) putBytes(image, base + 48 * 4 + 1 + 2 * w, {0, 5});
    putWords(image, base + 48 * 11, {381});  // 12: Fire
    const ReportDocument document = compose(image, {ReportBox::BaseVoice});

    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 1u);
    EXPECT_EQ(document.jobs[0].pages[0].orientation, PageOrientation::Landscape);
    const QStringList lines = pageLines(document, 0, 0);
    const QStringList heading = {"",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 cols({{8, "File: " + Chooser}}),
                                 cols({{8, "Print Date: " + Date}}),
                                 "",
                                 "",
                                 centred("Base Voice Messages"),
                                 "",
                                 ""};
    EXPECT_EQ(lines.mid(0, 13), heading);
    expectLines(lines,
                {{13, cols({{8, " 1"}, {14, "ORVANE A"}})},
                 {15, "        2"},
                 {17, "        3"},
                 {19, "        4"},
                 {21, cols({{8, " 5"}, {14, QString("5 ").repeated(22) + "5"}})},
                 {35, cols({{8, " 12"}, {14, "Fire"}})},
                 {36, ""}},
                "Base voice messages");
    EXPECT_EQ(lines.size(), 37);

    // With no path confirmed in the chooser the voice headings name no file, whatever was opened.
    ReportInputs inputs = inputsFor({ReportBox::MemoryVoice});
    inputs.headings.chooserFileName.clear();
    const ReportDocument saves = composeReport(image, inputs);
    EXPECT_EQ(jobNames(saves).last(), "Memory Save 4 Voice Messages");
    EXPECT_EQ(pageLines(saves, 3, 0)[6], "       File: No File Name Assigned");
    EXPECT_EQ(pageLines(saves, 3, 0)[10], centred("Memory Save 4 Voice Messages"));
}

TEST(ReportSections, MacrosPrintTriggerAndFiveCommandsOrOnlyTheNumber) {
    Image image = zeroImage();
    putBytes(image, 890,
             {3, 1, 2, 3, 0, 0, 0, 0,  // trigger 123
              0x11, 0x10, 0x0A, 0x00, 0xFF, 0xFF, 0, 0, 0x30, 0x05});
    putBytes(image, 890 + 18 + 8, {0x11, 0x10});                    // 2: no trigger
    putBytes(image, 890 + 18 * 9, {9, 10, 11, 12, 13, 14, 15, 0});  // 10: seven keys
    const ReportDocument document = compose(image, {ReportBox::Macros});

    const QStringList lines = pageLines(document, 0, 0);
    EXPECT_EQ(lines.mid(0, 14), pageHeading(File, Date) + titleLines("Macro Commands") +
                                    QStringList({cols({{14, "Code"}, {28, "Commands"}}), "", ""}));
    expectLines(
        lines,
        {{14, cols({{8, " 1"}, {14, "123"}, {28, "1110   A00   FFFF   0000   3005"}})},
         {16, "        2"},
         {32, cols({{8, " 10"}, {14, "0*#ABCD"}, {28, "0000   0000   0000   0000   0000"}})},
         {33, ""}},
        "macros");
    EXPECT_EQ(lines.size(), 34);
    const ReportLine& headings = document.jobs[0].pages[0].lines[11];
    EXPECT_TRUE(headings.items.at(0).bold && headings.items.at(1).bold);
    EXPECT_FALSE(document.jobs[0].pages[0].lines[14].items.at(0).bold);
}

TEST(ReportSections, SchedulerPrintsTwoPagesOfTwentyEvents) {
    Image image = zeroImage();
    // clang-format off
    putBytes(image, 4298,      {0xFF, 0x00, 8, 0xFF, 0x30, 0x11, 0x11});  // 1: every hour, weekdays
    putBytes(image, 4298 + 7,  {0x12, 0x25, 0, 0x07, 0x05, 0x20, 0x00});  // 2: 25 December
    putBytes(image, 4298 + 14, {0x13, 0x0A, 3, 0x0A, 0x0F, 0x0A, 0x0B});  // 3: no such month
    putBytes(image, 4298 + 21, {0x00, 0x25, 3, 0x07, 0x05, 0x20, 0x00});  // 4: erased
    putBytes(image, 4298 + 28, {0xFF, 0x25, 0, 0x23, 0x59, 0x50, 0x02});  // 5: daily
    putBytes(image, 4438,      {0x01, 0x01, 0, 0x00, 0x00, 0x00, 0x00});  // 21: 1 January
    putBytes(image, 4571,      {0xFF, 0x00, 10, 0x12, 0x00, 0x62, 0x01}); // 40: weekday byte 10
    // clang-format on
    const ReportDocument document = compose(image, {ReportBox::Scheduler});

    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 2u);
    const QStringList headingLine = {cols({{15, "Time"},
                                           {25, "Day Of Week"},
                                           {45, "Month"},
                                           {55, "Day Of Month"},
                                           {75, "Command"}}),
                                     ""};
    const QStringList first = pageLines(document, 0, 0);
    const QStringList second = pageLines(document, 0, 1);
    const QStringList heading =
        pageHeading(File, Date) + titleLines("Schedular Operations") + headingLine;
    EXPECT_EQ(first.mid(0, 13), heading);
    EXPECT_EQ(second.mid(0, 13), heading);
    // clang-format off
    expectLines(first, {
        {13, cols({{8, " 1"}, {15, "---:30"}, {25, "Weekdays"}, {45, "Skip"}, {75, "1111"}})},
        {15, cols({{8, " 2"}, {15, "07:05"}, {31, "----"}, {45, "December"}, {55, "25"},
                   {75, "2000"}})},
        {17, cols({{8, " 3"}, {15, "A:F"}, {31, "----"}, {45, "Error"}, {55, "A"}, {75, "AB"}})},
        {19, "        4"},
        {21, cols({{8, " 5"}, {15, "23:59"}, {25, "Daily"}, {45, "Skip"}, {75, "5002"}})},
        {51, "        20"},
        {52, ""},
    }, "scheduler page 1");
    expectLines(second, {
        {13, cols({{8, " 21"}, {15, "00:00"}, {31, "----"}, {45, "January"}, {55, "1"},
                   {75, "0000"}})},
        {51, cols({{8, " 40"}, {15, "12:00"}, {25, "Error"}, {45, "Skip"}, {75, "6201"}})},
    }, "scheduler page 2");
    // clang-format on
    EXPECT_EQ(first.size(), 53);
    EXPECT_EQ(second.size(), 53);
}

TEST(ReportSections, SpeedDialsPrintEveryEntryWithItsIdentificationAsStored) {
    Image image = zeroImage();
    auto user = [](int e) { return 1298 + 30 * e; };
    putBytes(image, user(0), {7, 5, 5, 5, 1, 2, 1, 2});
    putWords(image, user(0) + 12, {830, 440});  // The H
    putWords(image, user(1) + 12, {210});       // no number, still identified
    putBytes(image, user(2), {12, 9, 1, 1});    // a digit count of 12 shows no number
    putWords(image, user(2) + 12, {999});
    putBytes(image, user(3), {2, 0x19, 0x05});  // a delay before the 9
    // Entry 5 claims nine words: the ninth is record byte 29 and the next record's count byte.
    putWords(image, user(5) + 12, {210, 210, 210, 210, 210, 210, 210, 210});
    image[user(5) + 12] = 9;
    image[user(5) + 29] = 2;
    image[user(6)] = 10;  // ten digits, all stored as 0
    putBytes(image, user(99), {3, 9, 1, 1});
    const ReportDocument document = compose(image, {ReportBox::UserSpeedDial});

    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 5u);
    const QStringList first = pageLines(document, 0, 0);
    EXPECT_EQ(first.mid(0, 11), pageHeading(File, Date) + titleLines("Speed Dial Numbers"));
    // clang-format off
    expectLines(first, {
        {11, cols({{8, " 0"}, {15, "5551212"}, {32, " The H"}})},
        {13, cols({{8, " 1"}, {32, " A"}})},
        {15, cols({{8, " 2"}, {32, " ORVANE"}})},
        {17, cols({{8, " 3"}, {15, ",95"}})},
        {21, cols({{8, " 5"}, {32, QString(" A").repeated(9)}})},
        {23, cols({{8, " 6"}, {15, "0000000000"}})},
        {49, "        19"},
        {50, ""},
    }, "speed dial page 1");
    // clang-format on
    EXPECT_EQ(first.size(), 51);
    EXPECT_EQ(
        pageLines(document, 0, 1).mid(0, 12),
        pageHeading(File, Date) + titleLines("Speed Dial Numbers") + QStringList{"        20"});
    EXPECT_EQ(pageLines(document, 0, 4)[49], cols({{8, " 99"}, {15, "911"}}));

    Image emergency = zeroImage();
    putBytes(emergency, 1148, {3, 9, 1, 1});
    putWords(emergency, 1148 + 12, {210});
    const QStringList lines = pageLines(compose(emergency, {ReportBox::EmergencySpeedDial}), 0, 0);
    EXPECT_EQ(lines.mid(0, 11),
              pageHeading(File, Date) + titleLines("Emergency Speed Dial Numbers"));
    expectLines(lines,
                {{11, cols({{8, " 0"}, {15, "911"}, {32, " A"}})}, {19, "        4"}, {20, ""}},
                "emergency speed dial");
    EXPECT_EQ(lines.size(), 21);
}

TEST(ReportSections, ZonesPrintTwoJobsOfTwoPairsWithMarks) {
    Image image = zeroImage();
    putBytes(image, 40, {0x81, 0x20, 0x01, 0x00, 0x00, 0x00, 0x00, 0xFF});
    image[5408] = 0x02;  // memory save #2, zone 1 flag 2
    const ReportDocument document = compose(image, {ReportBox::BaseZones, ReportBox::MemoryZones});

    ASSERT_EQ(document.jobs.size(), 2u + 8);
    EXPECT_EQ(document.jobs[0].name, "ORVANE Base Control Zones");
    EXPECT_EQ(document.jobs[1].name, "ORVANE Base Control Zones");
    const QStringList first = pageLines(document, 0, 0);
    EXPECT_EQ(first.mid(0, 14), pageHeading(File, Date) + titleLines("ORVANE Base Control Zones") +
                                    QStringList({cols({{8, "Zone 1"}, {60, "Zone 2"}}), "", ""}));
    // clang-format off
    expectLines(first, {
        {14, cols({{8, " 1"}, {11, "X"}, {14, "Repeater Transmitter Enable"},
                   {60, " 1"}, {66, "Repeater Timeout Timer Enable"}})},
        {15, ""},
        {24, cols({{8, " 6"}, {14, "DTMF Window Enable"},
                   {60, " 6"}, {63, "X"}, {66, "Grandfather Clook Sleep Enable"}})},
        {28, cols({{8, " 8"}, {11, "X"}, {14, "Control Operator CTCSS Enable"},
                   {60, " 8"}, {66, "Talk Over Voice Synthesizer Enable"}})},
        {29, ""}, {30, ""}, {31, ""}, {32, ""}, {33, ""},
        {34, cols({{8, "Zone 3"}, {60, "Zone 4"}})},
        {37, cols({{8, " 1"}, {11, "X"}, {14, "Repeater ID #1 (At Rest)Enable"},
                   {60, " 1"}, {66, "Autopatch Enable"}})},
        {51, cols({{8, " 8"}, {14, "Grandfather Clock Enable"},
                   {60, " 8"}, {66, "Autopatch Pre-Dial Enable"}})},
        {52, ""},
    }, "Base zones 1 to 4");
    EXPECT_EQ(first.size(), 53);
    const QStringList second = pageLines(document, 1, 0);
    expectLines(second, {
        {8, centred("ORVANE Base Control Zones")},
        {11, cols({{8, "Zone 5"}, {60, "Zone 6"}})},
        {34, cols({{8, "Zone 7"}, {60, "Zone 8"}})},
        {51, cols({{8, " 8"}, {14, "Expanded User Output #8 Enable"},
                   {60, " 8"}, {63, "X"}, {66, "Reserved"}})},
    }, "Base zones 5 to 8");
    expectLines(pageLines(document, 4, 0), {
        {8, centred("ORVANE Memory Save 2 Control Zones")},
        {16, cols({{8, " 2"}, {11, "X"}, {14, "Repeater CTCSS Enable"},
                   {60, " 2"}, {66, "Squelch Tail Enable"}})},
    }, "memory save #2 zones");
    // clang-format on
    const ReportLine& titles = document.jobs[0].pages[0].lines[11];
    EXPECT_TRUE(titles.items.at(0).bold && titles.items.at(1).bold);
    EXPECT_FALSE(document.jobs[0].pages[0].lines[14].items.at(2).bold);
}

TEST(ReportSections, CourtesyTonesAndCwShareOneJob) {
    Image image = zeroImage();
    putBytes(image, 826, {3, 2, 1, 5, 2, 1, 8, 9});
    putBytes(image, 826 + 8, {0, 2, 1, 5, 2, 1, 8, 9});    // 2: no first tone, only the number
    putBytes(image, 826 + 16, {9, 10, 0, 0, 0, 0, 0, 0});  // 3: codes out of range print nothing
    putBytes(image, 826 + 56, {1, 1, 1, 1, 1, 1, 1, 1});
    putBytes(image, 794, {4, 33, 47, 1, 23});  // code 47 names no character
    const ReportDocument document = compose(image, {ReportBox::TonesAndCw});

    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 1u);
    const QStringList lines = pageLines(document, 0, 0);
    const QString headings = cols({{15, "Tone #1"},
                                   {35, "Delay"},
                                   {45, "Tone #2 Hz-Ms"},
                                   {65, "Delay"},
                                   {75, "Tone #3 Hz-Ms"}});
    EXPECT_EQ(lines.mid(0, 14), pageHeading(File, Date) + titleLines("Courtesy Tones") +
                                    QStringList({headings, "", ""}));
    // clang-format off
    expectLines(lines, {
        {14, cols({{8, " 1"}, {15, "500"}, {21, "-"}, {24, "100"}, {35, "50"}, {45, "700"},
                   {51, "-"}, {54, "100"}, {65, "50"}, {75, "1000"}, {81, "-"}, {84, "450"}})},
        {16, "        2"},
        {18, cols({{8, " 3"}, {21, "-"}, {35, "0"}, {45, "0"}, {51, "-"}, {54, "0"}, {65, "0"},
                   {75, "0"}, {81, "-"}, {84, "0"}})},
        {28, cols({{8, " 8"}, {15, "300"}, {21, "-"}, {24, "50"}, {35, "50"}, {45, "300"},
                   {51, "-"}, {54, "50"}, {65, "50"}, {75, "300"}, {81, "-"}, {84, "50"}})},
        {29, ""}, {30, ""}, {31, ""}, {32, ""}, {33, ""},
        {34, centred("CW Message")},
        {35, ""}, {36, ""},
        {37, "       X1N"},
        {38, ""},
    }, "courtesy tones and CW");
    // clang-format on
    EXPECT_EQ(lines.size(), 39);
}

TEST(ReportSections, CwCountReadsAsStored) {
    struct Case {
        const char* what;
        int count;
        QString text;
    };
    Image image = zeroImage();
    for (int at = 795; at < 826; ++at) image[at] = 10;  // "A"
    putBytes(image, 826, {3, 2, 1, 5, 2, 1, 8, 9});     // the courtesy tones that follow
    const Case cases[] = {
        {"empty", 0, "Empty"},
        {"two characters", 2, "AA"},
        {"the whole message", 31, QString("A").repeated(31)},
        {"a count above 31 runs on", 40, QString("A").repeated(31) + "321521890"},
    };
    for (const Case& c : cases) {
        image[794] = static_cast<std::uint8_t>(c.count);
        const QStringList lines = pageLines(compose(image, {ReportBox::TonesAndCw}), 0, 0);
        EXPECT_EQ(lines.at(37), cols({{8, c.text}})) << c.what;
    }
}

TEST(ReportSections, BoxesPrintInTheirNumberOrder) {
    const Image image = zeroImage();
    EXPECT_EQ(jobNames(compose(image, {ReportBox::TonesAndCw, ReportBox::BaseCodes})),
              QStringList({"Base Control Codes", "Courtesy Tones"}));

    // Every box: 30 jobs, each on one page but the scheduler (two) and the speed dials (five).
    ReportInputs all = inputsFor({});
    all.boxes.fill(true);
    const ReportDocument document = composeReport(image, all);
    const QStringList names = jobNames(document);
    ASSERT_EQ(names.size(), 30);
    EXPECT_EQ(names.mid(0, 6),
              QStringList({"Base Control Codes", "Memory Save 1 Control Codes",
                           "Memory Save 2 Control Codes", "Memory Save 3 Control Codes",
                           "Memory Save 4 Control Codes", "Base Timers"}));
    EXPECT_EQ(names.mid(10, 8),
              QStringList({"Base Voice Messages", "Memory Save 1 Voice Messages",
                           "Memory Save 2 Voice Messages", "Memory Save 3 Voice Messages",
                           "Memory Save 4 Voice Messages", "Macro Commands", "Schedular Operations",
                           "Speed Dial Numbers"}));
    EXPECT_EQ(names.mid(18, 4),
              QStringList({"Emergency Speed Dial Numbers", "ORVANE Base Control Zones",
                           "ORVANE Base Control Zones", "ORVANE Memory Save 1 Control Zones"}));
    EXPECT_EQ(names.last(), "Courtesy Tones");
    EXPECT_EQ(document.pageCount(), 35) << "no section overflows its page";
}

TEST(ReportSections, AFullPageContinuesOnANewPageWithoutHeading) {
    const Image image = zeroImage();
    const ReportDocument onePage = compose(image, {ReportBox::BaseCodes});
    const ReportDocument twoPages =
        composeReport(image, inputsFor({ReportBox::BaseCodes}), LineBudget{31, 42});

    ASSERT_EQ(twoPages.jobs.at(0).pages.size(), 2u);
    QStringList want = reportText(onePage).split('\n');
    want.insert(31, "\f");
    EXPECT_EQ(reportText(twoPages).split('\n'), want);
    EXPECT_EQ(pageLines(twoPages, 0, 1).at(0), "       Voice Demonstration Prefix");
    EXPECT_EQ(twoPages.jobs[0].pages[1].orientation, PageOrientation::Portrait);
}

TEST(ReportSections, SettingsGiveTheLayoutFontAndHeadingSize) {
    struct Case {
        const char* memory4;
        const char* fontName;
        const char* fontSize;
        bool four;
        const char* family;
        int size;
    };
    // clang-format off
    const Case cases[] = {
        {"1", "Arial",       "10",   true,  "Arial",       10},
        {"0", "Courier New", "12",   false, "Courier New", 12},
        {"1", "",            "10.6", true,  "Arial",       11},
        {"1", "Arial",       "",     true,  "Arial",       10},
        {"1", "Arial",       "big",  true,  "Arial",       10},
    };
    // clang-format on
    for (const Case& c : cases) {
        Settings settings;
        settings.memory4 = c.memory4;
        settings.fontName = c.fontName;
        settings.fontSize = c.fontSize;
        ReportBoxes boxes{};
        boxes[ReportBox::BaseCodes] = true;
        const ReportInputs inputs = reportInputs(settings, {File, Chooser, Date}, boxes);
        EXPECT_EQ(inputs.fourMemorySaves, c.four) << c.fontSize;
        EXPECT_EQ(inputs.fontFamily, c.family) << c.fontSize;
        EXPECT_EQ(inputs.printFontSize, c.size) << c.fontSize;
    }

    // The print size is the headings' size; titles are at 14 and the body at 10.
    ReportInputs inputs = inputsFor({ReportBox::BaseCodes});
    inputs.printFontSize = 12;
    const ReportPage& page = composeReport(zeroImage(), inputs).jobs.at(0).pages.at(0);
    EXPECT_EQ(page.lines.at(2).items.at(0).size, 12);  // File:
    EXPECT_EQ(page.lines.at(8).items.at(0).size, 14);  // the title
    EXPECT_EQ(page.lines.at(11).items.at(1).size, 10);
}
