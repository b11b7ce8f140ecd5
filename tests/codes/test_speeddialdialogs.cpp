// The two speed-dial dialogs wired to their records: what a click asks the keypad or the
// composer, what each return writes (and leaves alone), and rows that follow the group.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "codes/speeddialdialog.h"
#include "dialogcheck.h"
#include "scriptedprompts.h"
#include "ui/valuefield.h"

namespace {

void click(QWidget& dialog, const QString& name) {
    QTest::mouseClick(child<QWidget>(dialog, name), Qt::LeftButton);
}
QString shown(QWidget& dialog, const QString& name) {
    if (auto* field = dialog.findChild<ValueField*>(name)) return field->value();
    return child<QLabel>(dialog, name)->text();
}
QString named(const char* pattern, int index) { return QString::fromLatin1(pattern).arg(index); }

// A record: number "9,11" (three digits, a delay before the first 1), identification "A" (210)
// and "5", the spare bytes behind them left as the image had them.
void putRecord(Image& image, int offset, int digitCount) {
    const Bytes record = {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 10, 0, 5};
    std::copy(record.begin(), record.end(), image.begin() + offset);
    image[offset] = static_cast<std::uint8_t>(digitCount);
}

// Both dialogs, by what sets them apart: the record of a row and the keypad heading.
struct Table {
    const char* name;
    std::function<std::unique_ptr<QDialog>(Image&, Prompts&)> make;
    int row;  // the row under test (user group 0: entry 7; emergency: entry 4)
    int record;
    const char* heading;
};
const Table Tables[] = {
    {"user", [](Image& i, Prompts& p) { return std::make_unique<SpeedDialDialog>(i, p); }, 7,
     1298 + 30 * 7, "Telephone Number 7"},
    {"emergency",
     [](Image& i, Prompts& p) { return std::make_unique<EmergencySpeedDialDialog>(i, p); }, 4, 1268,
     "Emergency Number 4"},
};

TEST(SpeedDialDialogs, TitlesAndColumnOrder) {
    Image image = zeroImage();
    ScriptedPrompts prompts;
    SpeedDialDialog user(image, prompts);
    EmergencySpeedDialDialog emergency(image, prompts);
    user.show();
    emergency.show();
    EXPECT_EQ(user.windowTitle(), QStringLiteral("User Speed Dial Numbers"));
    EXPECT_EQ(emergency.windowTitle(), QStringLiteral("Emergency Speed Dial Numbers"));
    EXPECT_EQ(child<QRadioButton>(user, "optGrp9")->text(), QStringLiteral("90-99"));
    EXPECT_TRUE(child<QRadioButton>(user, "optGrp0")->isChecked());
    // The user table reads identification first, the emergency table number first.
    for (QDialog* dialog : {static_cast<QDialog*>(&user), static_cast<QDialog*>(&emergency)}) {
        EXPECT_EQ(shown(*dialog, "lblHeadID"), QStringLiteral("Identification"));
        EXPECT_EQ(shown(*dialog, "lblHeadNum"), QStringLiteral("Telephone Number"));
    }
    EXPECT_LT(child<QLabel>(user, "lblHeadID")->x(), child<QLabel>(user, "lblHeadNum")->x());
    EXPECT_GT(child<QLabel>(emergency, "lblHeadID")->x(),
              child<QLabel>(emergency, "lblHeadNum")->x());
    EXPECT_LT(child<ValueField>(user, "lblID3")->x(), child<ValueField>(user, "lblNum3")->x());
    EXPECT_EQ(shown(emergency, "lblPos4"), QStringLiteral("4"));
    EXPECT_EQ(emergency.findChild<ValueField*>("lblNum5"), nullptr);
}

TEST(SpeedDialDialogs, GroupSwitchesKeepLabelsAndHeadingsTogether) {
    Image image = patternedImage();
    putRecord(image, 3008, 3);  // entry 57
    const Image before = image;
    ScriptedPrompts prompts;
    SpeedDialDialog dialog(image, prompts);
    dialog.show();
    // clang-format off
    const struct { int group; const char* last; } steps[] = {
        {5, "59"}, {0, "9"}, {9, "99"}, {5, "59"},
    };
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.group);
        child<QRadioButton>(dialog, named("optGrp%1", step.group))->click();
        EXPECT_EQ(dialog.group(), step.group);
        EXPECT_EQ(shown(dialog, "lblPos0"), QString::number(10 * step.group));
        EXPECT_EQ(shown(dialog, "lblPos9"), QLatin1String(step.last));
        prompts.keypadAnswers.push_back(shown(dialog, "lblNum9"));
        click(dialog, "lblNum9");
        EXPECT_EQ(prompts.keypadCalls.back().heading,
                  QStringLiteral("Telephone Number ") + QLatin1String(step.last));
    }
    EXPECT_EQ(shown(dialog, "lblNum7"), QStringLiteral("9,11"));
    EXPECT_EQ(shown(dialog, "lblID7"), QStringLiteral(" A 5"));
    EXPECT_EQ(prompts.keypadCalls.back().check, EntryCheck::AtMost16);
    // Only the numbers of the rows typed into were written; a group switch writes nothing.
    for (int n : {9, 59, 99})
        for (int i = 0; i < 12; ++i) image[1298 + 30 * n + i] = before[1298 + 30 * n + i];
    EXPECT_TRUE(image == before) << changedOffsets(image, before);
}

TEST(SpeedDialDialogs, KeypadReturnsRewriteTheNumberAndKeepTheIdentification) {
    for (const Table& table : Tables) {
        SCOPED_TRACE(table.name);
        Image image = patternedImage();
        putRecord(image, table.record, 3);
        image[table.record + 5] = 0x17;  // a digit past the count, which a rewrite clears
        const Image before = image;
        ScriptedPrompts prompts;
        auto dialog = table.make(image, prompts);
        dialog->show();
        const QString number = named("lblNum%1", table.row);
        const QString id = named("lblID%1", table.row);

        // Cancel: the shown number comes back and is stored in its written form.
        prompts.keypadAnswers.push_back(QStringLiteral("9,11"));
        click(*dialog, number);
        ASSERT_EQ(prompts.keypadCalls.size(), 1u);
        EXPECT_EQ(prompts.keypadCalls[0],
                  (KeypadRequest{KeySet::Telephone, 11, QLatin1String(table.heading),
                                 QStringLiteral("9,11"), EntryCheck::AtMost16}));
        expectOnlyWritten(before, image, table.record, {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0});

        // Clearing the number keeps the identification bytes; a new number shows them again.
        prompts.keypadAnswers.push_back(QString());
        click(*dialog, number);
        expectOnlyWritten(before, image, table.record, Bytes(12, 0));
        EXPECT_EQ(shown(*dialog, number), QString());
        EXPECT_EQ(shown(*dialog, id), QString());
        prompts.keypadAnswers.push_back(QStringLiteral("5,5"));
        click(*dialog, number);
        expectOnlyWritten(before, image, table.record, {2, 5, 0x15, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(shown(*dialog, id), QStringLiteral(" A 5"));
    }
}

TEST(SpeedDialDialogs, OnlyNewlyComposedWordsAreStored) {
    // clang-format off
    const struct {
        const char* what;
        int digitCount;           // 0 hides the identification
        ComposeResult answer;
        const char* initial;      // what the composer was offered
        Bytes written;            // from the count byte on; empty: nothing written
    } cases[] = {
        {"cancel",                3, {"A 5", false, {}},         "A 5", {}},
        {"cancel, hidden",        0, {"", false, {}},            "",    {}},
        {"new words",             3, {"Alpha", true, {"225"}},   "A 5", {1, 2, 25}},
        {"new words, hidden",     0, {"Alpha", true, {"225"}},   "",    {1, 2, 25}},
        {"cleared and confirmed", 3, {"", true, {}},             "A 5", {0}},
    };
    // clang-format on
    for (const Table& table : Tables) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(table.name) + ": " + c.what);
            Image image = patternedImage();
            putRecord(image, table.record, c.digitCount);
            const Image before = image;
            ScriptedPrompts prompts;
            prompts.composeAnswers.push_back(c.answer);
            auto dialog = table.make(image, prompts);
            dialog->show();
            click(*dialog, named("lblID%1", table.row));
            ASSERT_EQ(prompts.composeCalls.size(), 1u);
            EXPECT_EQ(prompts.composeCalls[0].wordLimit, 8);
            EXPECT_EQ(prompts.composeCalls[0].messageNumber, -1);
            EXPECT_EQ(prompts.composeCalls[0].initialText, QLatin1String(c.initial));
            if (c.written.empty())
                EXPECT_TRUE(image == before) << changedOffsets(image, before);
            else
                expectOnlyWritten(before, image, table.record + 12, c.written);
        }
    }
}

}  // namespace
