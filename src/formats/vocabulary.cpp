#include "formats/vocabulary.h"

#include <algorithm>
#include <array>

namespace Vocabulary {
namespace {

struct Word {
    int number;
    const char* label;              // list label
    const char* display = nullptr;  // display text when it differs from the label
};

// Bank 0: the numbers the synthesizer speaks.
constexpr Word Numbers[] = {
    {0, "0"},   {1, "1"},   {2, "2"},   {3, "3"},   {4, "4"},   {5, "5"},   {6, "6"},
    {7, "7"},   {8, "8"},   {9, "9"},   {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"},
    {14, "14"}, {15, "15"}, {16, "16"}, {17, "17"}, {18, "18"}, {19, "19"}, {20, "20"},
    {30, "30"}, {40, "40"}, {50, "50"}, {60, "60"}, {70, "70"}, {80, "80"}, {90, "90"},
};

// Banks 2..9 in "All Words" order: the letter blocks in ascending order, with "Fahrenheit",
// "S (plural)" and "The (long E)" moved so that the list reads alphabetically at those places.
// clang-format off
constexpr Word ListWords[] = {
    // A: 210..247
    {210, "A"}, {211, "A.M."}, {212, "Abort"}, {213, "About"}, {214, "Above"}, {215, "Acknowledge"},
    {216, "Action"}, {217, "Adjust"}, {218, "Advise"}, {219, "Aerial"}, {220, "Affirmative"},
    {221, "Again"}, {222, "Air"}, {223, "Alert"}, {224, "All"}, {225, "Alpha"}, {226, "Alternate"},
    {227, "Altitude"}, {228, "Amateur"}, {229, "Amps"}, {230, "An"}, {231, "And"}, {232, "Answer"},
    {233, "April"}, {234, "Are"}, {235, "Area"}, {236, "As"}, {237, "Assistance"},
    {238, "Asscoiation", "Association"}, {239, "At"}, {240, "Attempt"}, {241, "Attention"},
    {242, "August"}, {243, "Automatic"}, {244, "Autopatch"}, {245, "Auxiliary"}, {246, "Avenue"},
    {247, "Average"},
    // B: 250..260
    {250, "B"}, {251, "Back"}, {252, "Band"}, {253, "Base"}, {254, "Battery"}, {255, "Below"},
    {256, "Between"}, {257, "Bravo"}, {258, "Break"}, {259, "Button"}, {260, "By"},
    // C: 270..298
    {270, "C"}, {271, "Calibrate"}, {272, "Call"}, {273, "Calling"}, {274, "Cancel"},
    {275, "Casko"}, {276, "Caution"}, {277, "Center"}, {278, "Celsius"}, {279, "Change"},
    {280, "Charlie"}, {281, "Check"}, {282, "Circuit"}, {283, "Clear"}, {284, "Clock"},
    {285, "Closed"}, {286, "Club"}, {287, "Code"}, {288, "Come"}, {289, "Complete"},
    {290, "Completed"}, {291, "Computer"}, {292, "Condition"}, {293, "Congratulations"},
    {294, "Connect"}, {295, "Contact"}, {296, "Control"}, {297, "Current"}, {298, "Cycle"},
    // D: 310..327
    {310, "D"}, {311, "Danger"}, {312, "Data"}, {313, "Date"}, {314, "Day"}, {315, "Days"},
    {316, "December"}, {317, "Decrease"}, {318, "Degree"}, {319, "Delay"}, {320, "Delta"},
    {321, "Department"}, {322, "Direction"}, {323, "Do"}, {324, "Down"}, {325, "Drizzle"},
    {326, "Due"}, {327, "Dynamic"},
    // E: 340..351
    {340, "E"}, {341, "East"}, {342, "Echo"}, {343, "Ed (suffix)", "Ed_Sufffix"},
    {344, "Emergency"}, {345, "End"}, {346, "Enter"}, {347, "Equals"}, {348, "Error"},
    {349, "Evacuation"}, {350, "Exit"}, {351, "Expect"},
    // F: 370..392
    {370, "F"}, {373, "Fahrenheit"}, {371, "Fail"}, {372, "Failure"}, {374, "Fast"},
    {375, "February"}, {376, "Feet"}, {378, "File"}, {379, "Filed"}, {380, "Final"}, {381, "Fire"},
    {382, "Flag"}, {383, "Fog"}, {384, "For"}, {385, "Foxhunt"}, {386, "Foxtrot"},
    {387, "Freezing"}, {388, "Frequency"}, {389, "Friday"}, {390, "From"}, {391, "Front"},
    {392, "Full"},
    // G: 410..417
    {410, "G"}, {411, "Gear"}, {412, "Get"}, {413, "Go"}, {414, "Golf"}, {415, "Good"},
    {416, "Green"}, {417, "Ground"},
    // H: 440..456
    {440, "H"}, {441, "Hail"}, {442, "Half"}, {443, "Ham"}, {444, "Hamfest"}, {445, "Have"},
    {446, "Hazardous"}, {447, "Heavy"}, {448, "Henry"}, {449, "Hertz"}, {450, "High"},
    {451, "Hold"}, {452, "Home"}, {453, "Hotel"}, {454, "Hour"}, {455, "Hours"}, {456, "Hundred"},
    // I: 470..483
    {470, "I"}, {471, "Ice"}, {472, "Icing"}, {473, "Identify"}, {474, "Immediately"}, {475, "In"},
    {476, "Increase"}, {477, "India"}, {478, "Information"}, {479, "Ing (suffix)", "Ing_Suffix"},
    {480, "Inputs"}, {481, "Intruder"}, {482, "Is"}, {483, "It"},
    // J: 500..504
    {500, "J"}, {501, "January"}, {502, "Juliet"}, {503, "July"}, {504, "June"},
    // K: 530..534
    {530, "K"}, {531, "Key"}, {532, "Keypad"}, {533, "Kilo"}, {534, "Knots"},
    // L: 550..569
    {550, "L"}, {551, "Land"}, {552, "Last"}, {553, "Late"}, {554, "Left"},
    {555, "Less Than", "Less_than"}, {556, "Let"}, {557, "Level"}, {558, "Light"}, {559, "Lima"},
    {560, "Line"}, {561, "Link"}, {562, "List"}, {563, "Load"}, {564, "Lock"}, {565, "Lockout"},
    {566, "Long"}, {567, "Look"}, {568, "Low"}, {569, "Lower"},
    // M: 580..612
    {580, "M"}, {581, "Machine"}, {582, "Macro"}, {583, "Make"}, {584, "Malfunction"},
    {585, "Manual"}, {586, "Many"}, {587, "March"}, {588, "May"}, {589, "Mayday"}, {590, "Me"},
    {591, "Measure"}, {592, "Measured"}, {593, "Meeting"}, {594, "Mega"}, {595, "Message"},
    {596, "Meter"}, {597, "Meters"}, {598, "Micro"}, {599, "Mike"}, {600, "Miles"}, {601, "Milli"},
    {602, "Million"}, {603, "Minus"}, {604, "Minute"}, {605, "Minutes"}, {606, "Mobile"},
    {607, "Modified"}, {608, "Monday"}, {609, "Month"}, {610, "More Than", "More_than"},
    {611, "Move"}, {612, "Much"},
    // N: 620..633
    {620, "N"}, {621, "Near"}, {622, "Negative"}, {623, "Net"}, {624, "New"}, {625, "Next"},
    {626, "Night"}, {627, "No"}, {628, "Normal"}, {629, "North"}, {630, "Not"}, {631, "November"},
    {632, "Now"}, {633, "Number"},
    // O: 650..666
    {650, "O"}, {651, "O'clock", "O'Clock"}, {652, "October"}, {653, "Of"}, {654, "Off"},
    {655, "Ohms"}, {656, "On"}, {657, "Open"}, {658, "Operation"}, {659, "Operator"}, {660, "Or"},
    {661, "Organization"}, {662, "Oscar"}, {663, "Other"}, {664, "Out"}, {665, "Over"},
    {666, "Overcast"},
    // P: 680..702
    {680, "P"}, {681, "P.M."}, {682, "Papa"}, {683, "Pass"}, {684, "Patch"}, {686, "Phone"},
    {687, "Pico"}, {688, "Plan"}, {689, "Please"}, {690, "Plus"}, {691, "Point"}, {692, "Police"},
    {693, "Position"}, {694, "Pound"}, {695, "Power"}, {696, "Practice"}, {697, "Preset"},
    {698, "Press"}, {699, "Program"}, {700, "Pull"}, {701, "Push"}, {702, "Put"},
    // Q: 720..721
    {720, "Q"}, {721, "Quebec"},
    // R: 730..753
    {730, "R"}, {731, "Radio"}, {732, "Radios"}, {733, "Rain"}, {734, "Raise"}, {735, "Range"},
    {736, "Rate"}, {737, "Ready"}, {738, "Receive"}, {739, "Receiver"}, {740, "Red"},
    {741, "Release"}, {742, "Remark"}, {743, "Remote"}, {744, "Repair"}, {745, "Repeat"},
    {746, "Repeater"}, {747, "Reset"}, {748, "Rig"}, {749, "Right"}, {750, "Road"}, {751, "Roger"},
    {752, "Romeo"}, {753, "Route"},
    // S: 770..802
    {770, "S"}, {802, "S (plural)", "S_plural"}, {771, "Safe"}, {772, "Saturday"},
    {773, "Scattered"}, {774, "Seconds"}, {775, "Security"}, {776, "Select"}, {777, "Send"},
    {778, "Sent"}, {779, "September"}, {780, "Sequence"}, {781, "Service"}, {782, "Set"},
    {783, "Severe"}, {784, "Short"}, {785, "Showers"}, {786, "Shut"}, {787, "Side"},
    {788, "Sierra"}, {789, "Sleet"}, {790, "Slow"}, {791, "Snow"}, {792, "South"}, {793, "Speed"},
    {794, "Squawk"}, {795, "Star"}, {796, "Start"}, {797, "Stop"}, {798, "Storm"}, {799, "Sunday"},
    {800, "Switch"}, {801, "System"},
    // T: 820..851
    {820, "T"}, {821, "Tango"}, {822, "Target"}, {823, "Telephone"}, {824, "Temperature"},
    {825, "Terminal"}, {826, "Test"}, {827, "Than"}, {828, "Thank-You"}, {829, "That"},
    {831, "The (long E)", "The"}, {830, "The (short E)", "The"}, {832, "Then"}, {833, "This"},
    {834, "This-is"}, {835, "Thousand"}, {836, "Thunderstorm"}, {837, "Thursday"}, {838, "Time"},
    {839, "Timer"}, {840, "Today"}, {841, "Tomorrow"}, {842, "Tonight"}, {843, "Tornado"},
    {844, "Tower"}, {845, "Traffic"}, {846, "Transmit"}, {847, "Transmitter"}, {848, "Try"},
    {849, "Tuesday"}, {850, "Turn"}, {851, "Type"},
    // U: 870..877
    {870, "U"}, {871, "Uniform"}, {872, "Unit"}, {873, "Unlimited"}, {874, "Until"}, {875, "Up"},
    {876, "Use (noun)", "Use_noun"}, {877, "Use (verb)", "Use_verb"},
    // V: 880..885
    {880, "V"}, {881, "Variable"}, {882, "Verify"}, {883, "Version"}, {884, "Victor"},
    {885, "Volts"},
    // W: 890..909
    {890, "W"}, {891, "Wait"}, {892, "Warning"}, {893, "Watch"}, {894, "Watts"}, {895, "Way"},
    {896, "Weather"}, {897, "Wednesday"}, {898, "Week"}, {899, "Weekday"}, {900, "Welcome"},
    {901, "Well Come", "Well-Done"}, {902, "West"}, {903, "What"}, {904, "Whiskey"}, {905, "Will"},
    {906, "Wind"}, {907, "Windows"}, {908, "With"}, {909, "Wrong"},
    // X: 920..921
    {920, "X"}, {921, "X-Ray"},
    // Y: 930..937
    {930, "Y"}, {931, "Yankee"}, {932, "Year"}, {933, "Yellow"}, {934, "Yes"}, {935, "Yesterday"},
    {936, "You"}, {937, "Your"},
    // Z: 950..954
    {950, "Z"}, {951, "Zed"}, {952, "Zero"}, {953, "Zone"}, {954, "Zulu"},
};
// clang-format on

struct SpecialWord {
    int number;
    const char* allWordsLabel;
    const char* specialLabel;
    const char* display;
};

// Sounds, pauses, announcements, switch states, recorder tracks and courtesy tones, in the order
// both lists present them.
constexpr SpecialWord SpecialWords[] = {
    {960, "Pause 1", "[Pause 1]", "[Pause 1]"},
    {961, "Pause 2", "[Pause 2]", "[Pause 2]"},
    {962, "Pause 3", "[Pause 3]", "[Pause 3]"},
    {963, "Pause 4", "[Pause 4]", "[Pause 4]"},
    {964, "Chime 1", "[Chime 1]", "[Chime 1]"},
    {965, "Chime 2", "[Chime 2]", "[Chime 2]"},
    {966, "Chime 3", "[Chime 3]", "[Chime 3]"},
    {967, "Gunshot", "[Gunshot]", "[Gunshot]"},
    {972, "Laughter", "[Laughter]", "[Laughter]"},
    {100, "Time Of Day", "[Time Of Day]", "(Time_of_day)"},
    {101, "Day of Week", "[Day of Week]", "(Day_of_week)"},
    {102, "Day of Month", "[Day of Month]", "(Day_of_month)"},
    {103, "Salutations", "[Salutations]", "(Salutations)"},
    {111, "UF #1 OFF", "UF #1 OFF", "(UF_1_OFF)"},
    {112, "UF #1 ON", "UF #1 ON", "(UF_1_ON)"},
    {113, "UF #1 MON", "UF #1 MON", "(UF_1_MON)"},
    {114, "UF #2 OFF", "UF #2 OFF", "(UF_2_OFF)"},
    {115, "UF #2 ON", "UF #2 ON", "(UF_2_ON)"},
    {116, "UF #2 MON", "UF #2 MON", "(UF_2_MON)"},
    {117, "UF #3 OFF", "UF #3 OFF", "(UF_3_OFF)"},
    {118, "UF #3 ON", "UF #3 ON", "(UF_3_ON)"},
    {119, "UF #3 MON", "UF #3 MON", "(UF_3_MON)"},
    {135, "500 Ms Delay", "500 Ms Delay", "(500ms_Delay)"},
    {140, "DVR Track #1", "DVR Track 1", "(DVR_1)"},
    {141, "DVR Track #2", "DVR Track 2", "(DVR_2)"},
    {142, "DVR Track #3", "DVR Track 3", "(DVR_3)"},
    {143, "DVR Track #4", "DVR Track 4", "(DVR_4)"},
    {144, "DVR Track #5", "DVR Track 5", "(DVR_5)"},
    {145, "DVR Track #6", "DVR Track 6", "(DVR_6)"},
    {146, "DVR Track #7", "DVR Track 7", "(DVR_7)"},
    {147, "DVR Track #8", "DVR Track 8", "(DVR_8)"},
    {148, "DVR Track #9", "DVR Track 9", "(DVR_9)"},
    {149, "DVR Track #10", "DVR Track 10", "(DVR_10)"},
    {150, "DVR Track #11", "DVR Track 11", "(DVR_11)"},
    {151, "DVR Track #12", "DVR Track 12", "(DVR_12)"},
    {152, "DVR Track #13", "DVR Track 13", "(DVR_13)"},
    {153, "DVR Track #14", "DVR Track 14", "(DVR_14)"},
    {154, "DVR Track #15", "DVR Track 15", "(DVR_15)"},
    {155, "DVR Track #16", "DVR Track 16", "(DVR_16)"},
    {161, "Courtesy Tone #1", "Courtesy Tone 1", "(Tone_1)"},
    {162, "Courtesy Tone #2", "Courtesy Tone 2", "(Tone_2)"},
    {163, "Courtesy Tone #3", "Courtesy Tone 3", "(Tone_3)"},
    {164, "Courtesy Tone #4", "Courtesy Tone 4", "(Tone_4)"},
    {165, "Courtesy Tone #5", "Courtesy Tone 5", "(Tone_5)"},
    {166, "Courtesy Tone #6", "Courtesy Tone 6", "(Tone_6)"},
    {167, "Courtesy Tone #7", "Courtesy Tone 7", "(Tone_7)"},
    {168, "Courtesy Tone #8", "Courtesy Tone 8", "(Tone_8)"},
};

// Words the controller can speak but that no list offers: they appear only when read back.
constexpr Word UnlistedWords[] = {
    {685, "Per"},         {980, "[F Morning]"}, {981, "[F Afternoon]"},
    {982, "[F Evening]"}, {999, "ORVANE"},
};

constexpr PickEntry CallLetterEntries[] = {
    {"0", 0},   {"1", 1},   {"2", 2},   {"3", 3},   {"4", 4},   {"5", 5},   {"6", 6},   {"7", 7},
    {"8", 8},   {"9", 9},   {"A", 210}, {"B", 250}, {"C", 270}, {"D", 310}, {"E", 340}, {"F", 370},
    {"G", 410}, {"H", 440}, {"I", 470}, {"J", 500}, {"K", 530}, {"L", 550}, {"M", 580}, {"N", 620},
    {"O", 650}, {"P", 680}, {"Q", 720}, {"R", 730}, {"S", 770}, {"T", 820}, {"U", 870}, {"V", 880},
    {"W", 890}, {"X", 920}, {"Y", 930}, {"Z", 950},
};

constexpr auto AllWordsEntries = [] {
    std::array<PickEntry, std::size(Numbers) + std::size(ListWords) + std::size(SpecialWords)>
        list{};
    std::size_t i = 0;
    for (const Word& w : Numbers) list[i++] = {w.label, w.number};
    for (const Word& w : ListWords) list[i++] = {w.label, w.number};
    for (const SpecialWord& w : SpecialWords) list[i++] = {w.allWordsLabel, w.number};
    return list;
}();

constexpr auto SpecialEntries = [] {
    std::array<PickEntry, std::size(SpecialWords)> list{};
    std::size_t i = 0;
    for (const SpecialWord& w : SpecialWords) list[i++] = {w.specialLabel, w.number};
    return list;
}();

constexpr auto WordTable = [] {
    std::array<WordEntry, std::size(Numbers) + std::size(ListWords) + std::size(SpecialWords) +
                              std::size(UnlistedWords)>
        table{};
    std::size_t i = 0;
    auto add = [&](int number, const char* text) {
        table[i++] = {static_cast<std::uint16_t>(wordCode(number)), text};
    };
    for (const Word& w : Numbers) add(w.number, w.label);
    for (const Word& w : ListWords) add(w.number, w.display ? w.display : w.label);
    for (const SpecialWord& w : SpecialWords) add(w.number, w.display);
    for (const Word& w : UnlistedWords) add(w.number, w.label);
    std::sort(table.begin(), table.end(),
              [](const WordEntry& a, const WordEntry& b) { return a.code < b.code; });
    return table;
}();

constexpr bool codesUnique() {
    for (std::size_t i = 1; i < WordTable.size(); ++i)
        if (WordTable[i - 1].code == WordTable[i].code) return false;
    return true;
}

static_assert(WordTable.size() == WordTableSize && WordTableSize <= WordTableCapacity);
static_assert(codesUnique(), "two vocabulary words share a code");
static_assert(AllWordsEntries.size() == 500);
static_assert(std::size(CallLetterEntries) == 36);
static_assert(SpecialEntries.size() == 47);

}  // namespace

std::span<const WordEntry> wordTable() { return WordTable; }

std::span<const PickEntry> pickList(PickList list) {
    switch (list) {
        case PickList::AllWords:
            return AllWordsEntries;
        case PickList::CallLetters:
            return CallLetterEntries;
        case PickList::Special:
            return SpecialEntries;
    }
    return {};
}

const char* pickListName(PickList list) {
    switch (list) {
        case PickList::AllWords:
            return "All Words";
        case PickList::CallLetters:
            return "Call Letters";
        case PickList::Special:
            return "Special";
    }
    return "";
}

QString wordNumberText(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString wordText(int code) {
    const auto table = Vocabulary::wordTable();
    const auto it =
        std::lower_bound(table.begin(), table.end(), code,
                         [](const Vocabulary::WordEntry& entry, int c) { return entry.code < c; });
    if (it == table.end() || it->code != code) return QString();
    return QString::fromUtf8(it->text);
}

QString wordStringText(std::span<const std::uint8_t> field, bool trimmed) {
    if (field.empty()) return QString();
    const int count =
        std::min<int>(field[0], Vocabulary::wordStringCapacity(static_cast<int>(field.size())));
    QString text;
    for (int k = 0; k < count; ++k) {
        const std::size_t at = 1 + Vocabulary::StoredWordSize * static_cast<std::size_t>(k);
        text += QLatin1Char(' ');
        text += wordText(Vocabulary::storedWordCode(field[at], field[at + 1]));
    }
    return trimmed ? text.trimmed() : text;
}

StoredWord encodeWord(const QString& numberText) {
    auto digit = [&](int i) {
        const int value = i < numberText.size() ? numberText.at(i).digitValue() : -1;
        return value < 0 ? 0 : value;
    };
    return {static_cast<std::uint8_t>(digit(0)),
            static_cast<std::uint8_t>(digit(1) * 10 + digit(2))};
}

int storeWordString(std::span<std::uint8_t> field, const QStringList& words) {
    if (field.empty()) return 0;
    const int count =
        std::min<int>({static_cast<int>(words.size()),
                       Vocabulary::wordStringCapacity(static_cast<int>(field.size())), 255});
    field[0] = static_cast<std::uint8_t>(count);
    for (int k = 0; k < count; ++k) {
        const Vocabulary::StoredWord word = encodeWord(words.at(k));
        const std::size_t at = 1 + Vocabulary::StoredWordSize * static_cast<std::size_t>(k);
        field[at] = word.bank;
        field[at + 1] = word.index;
    }
    return count;
}

}  // namespace Vocabulary
