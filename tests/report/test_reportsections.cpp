// Every section of the listing on an image built for it, compared line by line with the layout:
// headings, titles, columns, the decoders of each field, empty records, the jobs of each box and
// their order, the memory save #4 rule and the pagination.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "reportlines.h"

namespace {

using enum ReportBox;

const QString File = QStringLiteral("/home/ham/club.orv");
const QString Chooser = QStringLiteral("/home/ham/copy.orv");
const QString Date = QStringLiteral("02/01/24");

ReportDocument compose(const Image& image, std::initializer_list<ReportBox> boxes,
                       bool fourMemorySaves = true) {
    return composeReport(image, inputsFor(boxes, fourMemorySaves));
}

QStringList jobNames(const ReportDocument& document) {
    QStringList names;
    for (const ReportJob& job : document.jobs) names << job.name;
    return names;
}

// Records with the irregular values of every section.
Image sampleImage() {
    Image image = zeroImage();
    // clang-format off
    putBytes(image, 48, {3, 1, 2, 3});                             // Control Operator Prefix
    putBytes(image, 48 + 8 * 13, {9, 10, 11, 12, 13, 14, 15, 0});  // a length above 7: 7 keys
    putBytes(image, 5416, {1, 9});                                 // memory save #2
    putBytes(image, 178, {0x08, 0x07});       // 1800 s
    putBytes(image, 178 + 2, {0x4B, 0xF8});   // 75 s: the upper five bits carry nothing
    putBytes(image, 178 + 4, {25, 0});        // 2.5 s
    putBytes(image, 178 + 10, {0xFF, 0x07});  // 2047 tenths
    putBytes(image, 4746 + 2, {0x2C, 0x01});  // memory save #1: 300 s
    putWords(image, 218, {999, 210});
    putBytes(image, 218 + 48 * 2, {0xFF, 2, 10});  // counts 0xFF and 24 print only the number
    putBytes(image, 218 + 48 * 3, {24, 2, 10});
    image[218 + 48 * 4] = 23;
    for (int w = 0; w < 23; ++w) putBytes(image, 218 + 48 * 4 + 1 + 2 * w, {0, 5});
    putWords(image, 218 + 48 * 11, {381});
    putBytes(image, 890, {3, 1, 2, 3, 0, 0, 0, 0, 0x11, 0x10, 0x0A, 0x00, 0xFF, 0xFF, 0, 0,
                          0x30, 0x05});
    putBytes(image, 890 + 18 + 8, {0x11, 0x10});                   // no trigger: only the number
    putBytes(image, 890 + 18 * 9, {9, 10, 11, 12, 13, 14, 15, 0});
    putBytes(image, 4298,      {0xFF, 0x00, 8, 0xFF, 0x30, 0x11, 0x11});  // every hour
    putBytes(image, 4298 + 7,  {0x12, 0x25, 0, 0x07, 0x05, 0x20, 0x00});
    putBytes(image, 4298 + 14, {0x13, 0x0A, 3, 0x0A, 0x0F, 0x0A, 0x0B});  // no such month
    putBytes(image, 4298 + 21, {0x00, 0x25, 3, 0x07, 0x05, 0x20, 0x00});  // erased
    putBytes(image, 4298 + 28, {0xFF, 0x25, 0, 0x23, 0x59, 0x50, 0x02});
    putBytes(image, 4438,      {0x01, 0x01, 0, 0x00, 0x00, 0x00, 0x00});  // event 21
    putBytes(image, 4571,      {0xFF, 0x00, 10, 0x12, 0x00, 0x62, 0x01}); // event 40
    auto dial = [](int e) { return 1298 + 30 * e; };
    putBytes(image, dial(0), {7, 5, 5, 5, 1, 2, 1, 2});
    putWords(image, dial(0) + 12, {830, 440});
    putWords(image, dial(1) + 12, {210});        // no number, still identified
    putBytes(image, dial(2), {12, 9, 1, 1});     // a digit count of 12 shows no number
    putWords(image, dial(2) + 12, {999});
    putBytes(image, dial(3), {2, 0x19, 0x05});   // a delay before the 9
    // Nine words claimed: the ninth is byte 29 and the count byte of the next record.
    putWords(image, dial(5) + 12, {210, 210, 210, 210, 210, 210, 210, 210});
    image[dial(5) + 12] = 9;
    image[dial(5) + 29] = 2;
    image[dial(6)] = 10;                         // ten digits, all stored as 0
    putBytes(image, dial(99), {3, 9, 1, 1});
    putBytes(image, 1148, {3, 9, 1, 1});
    putBytes(image, 40, {0x81, 0x20, 0x01, 0x00, 0x00, 0x00, 0x00, 0xFF});
    image[5408] = 0x02;
    putBytes(image, 826,      {3, 2, 1, 5, 2, 1, 8, 9});
    putBytes(image, 826 + 8,  {0, 2, 1, 5, 2, 1, 8, 9});   // no first tone: only the number
    putBytes(image, 826 + 16, {9, 10, 0, 0, 0, 0, 0, 0});  // codes out of range print nothing
    putBytes(image, 826 + 56, {1, 1, 1, 1, 1, 1, 1, 1});
    putBytes(image, 794, {4, 33, 47, 1, 23});              // code 47 names no character
    // clang-format on
    return image;
}

}  // namespace

TEST(ReportSections, LinesPlaceEachFieldAtItsColumn) {
    struct Spot {
        ReportBox box;
        int job, page, line;
        QString text;
    };
    const QString five = QString("5 ").repeated(22) + "5";
    // clang-format off
    const Spot spots[] = {
        {BaseCodes, 0, 0, 11, cols({{8, "Control Operator Prefix"}, {45, "123"}})},
        {BaseCodes, 0, 0, 12, ""},
        {BaseCodes, 0, 0, 13, "       Time Request Prefix"},
        {BaseCodes, 0, 0, 37, cols({{8, "Expanded User Function Prefix"}, {45, "0*#ABCD"}})},
        {MemoryCodes, 1, 0, 11, cols({{8, "Control Operator Prefix"}, {45, "9"}})},
        {BaseTimers, 0, 0, 11, cols({{8, "Repeater Time Out"}, {40, "30:00"}, {48, "Min"}})},
        {BaseTimers, 0, 0, 13, cols({{8, "Repeater Sleep Timer"}, {40, "01:15"}, {48, "Min"}})},
        {BaseTimers, 0, 0, 15, cols({{8, "Turn On Delay"}, {40, "2.5"}, {48, "Sec"}})},
        {BaseTimers, 0, 0, 21, cols({{8, "DTMF Muting Delay Time"}, {40, "204.7"}, {48, "Sec"}})},
        {BaseTimers, 0, 0, 35, cols({{8, "DTMF Pre-Window Time"}, {40, "0.0"}, {48, "Sec"}})},
        {BaseTimers, 0, 0, 41, cols({{8, "Ring Detector Time"}, {40, "00:00"}, {48, "Min"}})},
        {MemoryTimers, 0, 0, 13, cols({{8, "Repeater Sleep Timer"}, {40, "05:00"}, {48, "Min"}})},
        {BaseVoice, 0, 0, 13, cols({{8, " 1"}, {14, "ORVANE A"}})},
        {BaseVoice, 0, 0, 15, "        2"},
        {BaseVoice, 0, 0, 17, "        3"},
        {BaseVoice, 0, 0, 19, "        4"},
        {BaseVoice, 0, 0, 21, cols({{8, " 5"}, {14, five}})},
        {BaseVoice, 0, 0, 35, cols({{8, " 12"}, {14, "Fire"}})},
        {Macros, 0, 0, 11, cols({{14, "Code"}, {28, "Commands"}})},
        {Macros, 0, 0, 12, ""},
        {Macros, 0, 0, 13, ""},
        {Macros, 0, 0, 14, cols({{8, " 1"}, {14, "123"}, {28, "1110   A00   FFFF   0000   3005"}})},
        {Macros, 0, 0, 16, "        2"},
        {Macros, 0, 0, 32, cols({{8, " 10"}, {14, "0*#ABCD"}, {28, "0000   0000   0000   0000   0000"}})},
        {ReportBox::Scheduler, 0, 0, 11, cols({{15, "Time"}, {25, "Day Of Week"}, {45, "Month"},
                                    {55, "Day Of Month"}, {75, "Command"}})},
        {ReportBox::Scheduler, 0, 0, 12, ""},
        {ReportBox::Scheduler, 0, 0, 13, cols({{8, " 1"}, {15, "---:30"}, {25, "Weekdays"}, {45, "Skip"},
                                    {75, "1111"}})},
        {ReportBox::Scheduler, 0, 0, 15, cols({{8, " 2"}, {15, "07:05"}, {31, "----"}, {45, "December"},
                                    {55, "25"}, {75, "2000"}})},
        {ReportBox::Scheduler, 0, 0, 17, cols({{8, " 3"}, {15, "A:F"}, {31, "----"}, {45, "Error"},
                                    {55, "A"}, {75, "AB"}})},
        {ReportBox::Scheduler, 0, 0, 19, "        4"},
        {ReportBox::Scheduler, 0, 0, 21, cols({{8, " 5"}, {15, "23:59"}, {25, "Daily"}, {45, "Skip"},
                                    {75, "5002"}})},
        {ReportBox::Scheduler, 0, 0, 51, "        20"},
        {ReportBox::Scheduler, 0, 1, 13, cols({{8, " 21"}, {15, "00:00"}, {31, "----"}, {45, "January"},
                                    {55, "1"}, {75, "0000"}})},
        {ReportBox::Scheduler, 0, 1, 51, cols({{8, " 40"}, {15, "12:00"}, {25, "Error"}, {45, "Skip"},
                                    {75, "6201"}})},
        {UserSpeedDial, 0, 0, 11, cols({{8, " 0"}, {15, "5551212"}, {32, " The H"}})},
        {UserSpeedDial, 0, 0, 13, cols({{8, " 1"}, {32, " A"}})},
        {UserSpeedDial, 0, 0, 15, cols({{8, " 2"}, {32, " ORVANE"}})},
        {UserSpeedDial, 0, 0, 17, cols({{8, " 3"}, {15, ",95"}})},
        {UserSpeedDial, 0, 0, 21, cols({{8, " 5"}, {32, QString(" A").repeated(9)}})},
        {UserSpeedDial, 0, 0, 23, cols({{8, " 6"}, {15, "0000000000"}})},
        {UserSpeedDial, 0, 0, 49, "        19"},
        {UserSpeedDial, 0, 1, 11, "        20"},
        {UserSpeedDial, 0, 4, 49, cols({{8, " 99"}, {15, "911"}})},
        {EmergencySpeedDial, 0, 0, 11, cols({{8, " 0"}, {15, "911"}})},
        {EmergencySpeedDial, 0, 0, 19, "        4"},
        {BaseZones, 0, 0, 11, cols({{8, "Zone 1"}, {60, "Zone 2"}})},
        {BaseZones, 0, 0, 12, ""},
        {BaseZones, 0, 0, 13, ""},
        {BaseZones, 0, 0, 14, cols({{8, " 1"}, {11, "X"}, {14, "Repeater Transmitter Enable"},
                                    {60, " 1"}, {66, "Repeater Timeout Timer Enable"}})},
        {BaseZones, 0, 0, 24, cols({{8, " 6"}, {14, "DTMF Window Enable"},
                                    {60, " 6"}, {63, "X"}, {66, "Grandfather Clook Sleep Enable"}})},
        {BaseZones, 0, 0, 28, cols({{8, " 8"}, {11, "X"}, {14, "Control Operator CTCSS Enable"},
                                    {60, " 8"}, {66, "Talk Over Voice Synthesizer Enable"}})},
        {BaseZones, 0, 0, 33, ""},
        {BaseZones, 0, 0, 34, cols({{8, "Zone 3"}, {60, "Zone 4"}})},
        {BaseZones, 0, 0, 37, cols({{8, " 1"}, {11, "X"}, {14, "Repeater ID #1 (At Rest)Enable"},
                                    {60, " 1"}, {66, "Autopatch Enable"}})},
        {BaseZones, 1, 0, 11, cols({{8, "Zone 5"}, {60, "Zone 6"}})},
        {BaseZones, 1, 0, 51, cols({{8, " 8"}, {14, "Expanded User Output #8 Enable"},
                                    {60, " 8"}, {63, "X"}, {66, "Reserved"}})},
        {MemoryZones, 2, 0, 16, cols({{8, " 2"}, {11, "X"}, {14, "Repeater CTCSS Enable"},
                                      {60, " 2"}, {66, "Squelch Tail Enable"}})},
        {TonesAndCw, 0, 0, 11, cols({{15, "Tone #1"}, {35, "Delay"}, {45, "Tone #2 Hz-Ms"},
                                     {65, "Delay"}, {75, "Tone #3 Hz-Ms"}})},
        {TonesAndCw, 0, 0, 14, cols({{8, " 1"}, {15, "500"}, {21, "-"}, {24, "100"}, {35, "50"},
                                     {45, "700"}, {51, "-"}, {54, "100"}, {65, "50"},
                                     {75, "1000"}, {81, "-"}, {84, "450"}})},
        {TonesAndCw, 0, 0, 16, "        2"},
        {TonesAndCw, 0, 0, 18, cols({{8, " 3"}, {21, "-"}, {35, "0"}, {45, "0"}, {51, "-"},
                                     {54, "0"}, {65, "0"}, {75, "0"}, {81, "-"}, {84, "0"}})},
        {TonesAndCw, 0, 0, 28, cols({{8, " 8"}, {15, "300"}, {21, "-"}, {24, "50"}, {35, "50"},
                                     {45, "300"}, {51, "-"}, {54, "50"}, {65, "50"},
                                     {75, "300"}, {81, "-"}, {84, "50"}})},
        {TonesAndCw, 0, 0, 33, ""},
        {TonesAndCw, 0, 0, 34, centred("CW Message")},
        {TonesAndCw, 0, 0, 37, "       X1N"},
    };
    // clang-format on
    const Image image = sampleImage();
    for (const Spot& s : spots) {
        const QStringList lines = pageLines(compose(image, {s.box}), s.job, s.page);
        ASSERT_LT(s.line, lines.size()) << "box " << int(s.box);
        EXPECT_EQ(lines[s.line], s.text) << "box " << int(s.box) << ", job " << s.job << ", page "
                                         << s.page << ", line " << s.line;
    }
}

TEST(ReportSections, EveryPageStartsWithItsHeadingAndTitle) {
    struct Shape {
        ReportBox box;
        int jobs, pages, lines;
        const char* title;  // of the first job
    };
    // clang-format off
    const Shape shapes[] = {
        {BaseCodes,          1, 1, 39, "Base Control Codes"},
        {MemoryCodes,        4, 1, 39, "Memory Save 1 Control Codes"},
        {BaseTimers,         1, 1, 43, "Base Timers"},
        {MemoryTimers,       4, 1, 43, "Memory Save 1 Timers"},
        {Macros,             1, 1, 34, "Macro Commands"},
        {ReportBox::Scheduler,          1, 2, 53, "Schedular Operations"},
        {UserSpeedDial,      1, 5, 51, "Speed Dial Numbers"},
        {EmergencySpeedDial, 1, 1, 21, "Emergency Speed Dial Numbers"},
        {BaseZones,          2, 1, 53, "ORVANE Base Control Zones"},
        {MemoryZones,        8, 1, 53, "ORVANE Memory Save 1 Control Zones"},
        {TonesAndCw,         1, 1, 39, "Courtesy Tones"},
    };
    // clang-format on
    const Image image = sampleImage();
    for (const Shape& s : shapes) {
        const ReportDocument document = compose(image, {s.box});
        ASSERT_EQ(static_cast<int>(document.jobs.size()), s.jobs) << s.title;
        EXPECT_EQ(document.jobs[0].name, s.title);
        for (int j = 0; j < s.jobs; ++j) {
            ASSERT_EQ(static_cast<int>(document.jobs[j].pages.size()), s.pages) << s.title;
            for (int p = 0; p < s.pages; ++p) {
                const QStringList lines = pageLines(document, j, p);
                EXPECT_EQ(lines.size(), s.lines) << s.title << ", job " << j << ", page " << p;
                EXPECT_EQ(lines.mid(0, 11),
                          pageHeading(File, Date) + titleLines(document.jobs[j].name));
                EXPECT_EQ(document.jobs[j].pages[p].orientation, PageOrientation::Portrait);
            }
        }
    }
    EXPECT_EQ(compose(image, {MemoryZones}).jobs[2].name, "ORVANE Memory Save 2 Control Zones");
    // Bold: the zone titles and the column headings, nothing else.
    const ReportDocument zoneJobs = compose(image, {BaseZones});
    const ReportPage& zones = zoneJobs.jobs[0].pages[0];
    EXPECT_TRUE(zones.lines[11].items.at(0).bold && zones.lines[11].items.at(1).bold);
    EXPECT_FALSE(zones.lines[14].items.at(2).bold || zones.lines[2].items.at(0).bold);
}

TEST(ReportSections, VoiceMessagesPrintLandscapeUnderTheChoosersFileName) {
    const ReportDocument document = compose(sampleImage(), {BaseVoice});
    ASSERT_EQ(document.jobs.size(), 1u);
    ASSERT_EQ(document.jobs[0].pages.size(), 1u);
    EXPECT_EQ(document.jobs[0].pages[0].orientation, PageOrientation::Landscape);
    const QStringList lines = pageLines(document, 0, 0);
    EXPECT_EQ(lines.mid(0, 13), QStringList({"", "", "", "", "", "", "       File: " + Chooser,
                                             "       Print Date: " + Date, "", "",
                                             centred("Base Voice Messages"), "", ""}));
    EXPECT_EQ(lines.size(), 37);

    // With no path confirmed in the chooser the voice headings name no file, whatever was opened.
    ReportInputs inputs = inputsFor({MemoryVoice});
    inputs.headings.chooserFileName.clear();
    const ReportDocument saves = composeReport(sampleImage(), inputs);
    EXPECT_EQ(jobNames(saves).last(), "Memory Save 4 Voice Messages");
    EXPECT_EQ(pageLines(saves, 3, 0)[6], "       File: No File Name Assigned");
    EXPECT_EQ(pageLines(saves, 3, 0)[10], centred("Memory Save 4 Voice Messages"));
}

TEST(ReportSections, CwCountReadsAsStored) {
    Image image = zeroImage();
    for (int at = 795; at < 826; ++at) image[at] = 10;  // "A"
    putBytes(image, 826, {3, 2, 1, 5, 2, 1, 8, 9});     // the courtesy tones that follow
    const std::pair<int, QString> cases[] = {
        {0, "Empty"},
        {2, "AA"},
        {31, QString("A").repeated(31)},
        {40, QString("A").repeated(31) + "321521890"},  // a count above 31 runs on
    };
    for (const auto& [count, text] : cases) {
        image[794] = static_cast<std::uint8_t>(count);
        EXPECT_EQ(pageLines(compose(image, {TonesAndCw}), 0, 0).at(37), cols({{8, text}})) << count;
    }
}

TEST(ReportSections, BoxesPrintInOrderWithMemorySaveFourOnlyInTheFourSavesLayout) {
    const Image image = zeroImage();
    EXPECT_EQ(jobNames(compose(image, {TonesAndCw, BaseCodes})),
              QStringList({"Base Control Codes", "Courtesy Tones"}));
    EXPECT_EQ(jobNames(compose(image, {MemoryTimers, MemoryCodes}, false)),
              QStringList({"Memory Save 1 Control Codes", "Memory Save 2 Control Codes",
                           "Memory Save 3 Control Codes", "Memory Save 1 Timers",
                           "Memory Save 2 Timers", "Memory Save 3 Timers"}));
    EXPECT_EQ(
        compose(image, {MemoryCodes, MemoryTimers, MemoryVoice, MemoryZones}, false).jobs.size(),
        3u + 3 + 3 + 6);

    ReportInputs all = inputsFor({});
    all.boxes.fill(true);
    const ReportDocument document = composeReport(image, all);
    const QStringList names = jobNames(document);
    ASSERT_EQ(names.size(), 30);
    // clang-format off
    const std::pair<int, const char*> spots[] = {
        {4, "Memory Save 4 Control Codes"}, {5, "Base Timers"}, {10, "Base Voice Messages"},
        {14, "Memory Save 4 Voice Messages"}, {15, "Macro Commands"},
        {16, "Schedular Operations"}, {17, "Speed Dial Numbers"},
        {18, "Emergency Speed Dial Numbers"}, {20, "ORVANE Base Control Zones"},
        {21, "ORVANE Memory Save 1 Control Zones"}, {29, "Courtesy Tones"}};
    // clang-format on
    for (const auto& [at, name] : spots) EXPECT_EQ(names[at], name) << "job " << at;
    EXPECT_EQ(document.pageCount(), 35) << "no section overflows its page";
}

TEST(ReportSections, AFullPageContinuesOnANewPageWithoutHeading) {
    const Image image = zeroImage();
    const ReportDocument onePage = compose(image, {BaseCodes});
    const ReportDocument twoPages =
        composeReport(image, inputsFor({BaseCodes}), LineBudget{31, 42});

    ASSERT_EQ(twoPages.jobs.at(0).pages.size(), 2u);
    QStringList want = reportText(onePage).split('\n');
    want.insert(31, "\f");
    EXPECT_EQ(reportText(twoPages).split('\n'), want);
    EXPECT_EQ(pageLines(twoPages, 0, 1).at(0), "       Voice Demonstration Prefix");
}

TEST(ReportSections, SettingsGiveTheLayoutFontAndHeadingSize) {
    struct Case {
        bool four;
        const char *fontName, *fontSize;
        const char* family;
        int size;
    };
    // clang-format off
    const Case cases[] = {
        {true,  "Arial",       "10",   "Arial",       10},
        {false, "Courier New", "12",   "Courier New", 12},
        {true,  "",            "10.6", "Arial",       11},
        {true,  "Arial",       "big",  "Arial",       10},
    };
    // clang-format on
    for (const Case& c : cases) {
        Settings settings;
        settings.fourMemorySaves = c.four;
        settings.fontName = c.fontName;
        settings.fontSize = c.fontSize;
        const ReportInputs inputs = reportInputs(settings, {File, Chooser, Date}, {});
        EXPECT_EQ(inputs.fourMemorySaves, c.four) << c.fontSize;
        EXPECT_EQ(inputs.fontFamily, c.family) << c.fontSize;
        EXPECT_EQ(inputs.printFontSize, c.size) << c.fontSize;
    }

    // The print size is the headings' size; titles are at 14 and the body at 10.
    ReportInputs inputs = inputsFor({BaseCodes});
    inputs.printFontSize = 12;
    const ReportDocument document = composeReport(zeroImage(), inputs);
    const ReportPage& page = document.jobs.at(0).pages.at(0);
    EXPECT_EQ(page.lines.at(2).items.at(0).size, 12);  // File:
    EXPECT_EQ(page.lines.at(8).items.at(0).size, 14);  // the title
    EXPECT_EQ(page.lines.at(11).items.at(1).size, 10);
}
