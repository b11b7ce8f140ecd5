// The timers' and zones' tables and the repeater configuration's, and what every field of the
// catalogue needs for its kind of edit.
#include "devices/devicefields.h"
#include "fieldcheck.h"
#include "fields/catalogue.h"
#include "memory/configfields.h"

TEST(FieldTables, TimersOfEveryBlock) {
    for (int block = 0; block <= 4; ++block) {
        const Fields::FieldList table = DeviceFields::timers(block);
        expectTableMatchesDump(table);
        expectStoresStayInside(table);
    }
}

TEST(FieldTables, RepeaterConfiguration) {
    for (const bool four : {true, false}) {
        const Fields::FieldList table = ConfigFields::configuration(four);
        expectTableMatchesDump(table, four);
        expectStoresStayInside(table);
    }
    // An option's caption selects it; anything else is refused and writes nothing.
    const Fields::Field clock = ConfigFields::configuration(true).at(1);
    Image image = zeroImage();
    EXPECT_EQ(clock.store(image, QStringLiteral("24 Hour")), Fields::Stored::Written);
    EXPECT_EQ(image[1095], 1);
    EXPECT_EQ(clock.store(image, QStringLiteral("24 hour")), Fields::Stored::Refused);
    EXPECT_EQ(image[1095], 1);
    EXPECT_EQ(clock.text(image), QStringLiteral("24 Hour"));
}

TEST(FieldTables, TheCatalogueHoldsEveryKeyOnceAsRecorded) {
    for (const bool four : {true, false}) {
        const Fields::FieldList all = Fields::catalogue(four);
        QSet<QString> keys;
        for (const Fields::Field& field : all) keys.insert(field.key);
        EXPECT_EQ(keys.size(), qsizetype(all.size()));
        // Memory save #4's fields or the area-code and prefix tables, never both.
        EXPECT_EQ(keys.contains(QStringLiteral("timers.mem4.repeater-time-out")), four);
        EXPECT_EQ(keys.contains(QStringLiteral("prefixes.99")), !four);
        expectTableMatchesDump(all, four);
    }
}

TEST(FieldTables, EveryFieldHasWhatItsEditNeeds) {
    using Fields::Edit;
    for (const bool four : {true, false}) {
        const Fields::FieldList& all = Fields::catalogue(four);
        QSet<QString> keys;
        for (const Fields::Field& field : all) keys.insert(field.key);
        for (const Fields::Field& field : all) {
            SCOPED_TRACE(field.key.toStdString());
            EXPECT_TRUE(field.text && field.reads);
            EXPECT_EQ(bool(field.request), field.edit == Edit::Keypad);
            EXPECT_EQ(bool(field.compose), field.edit == Edit::Composer);
            switch (field.edit) {
                case Edit::ReadOnly:
                    EXPECT_TRUE(keys.contains(field.shownFrom));
                    break;
                case Edit::Event:
                    EXPECT_TRUE(field.storeTogether && !field.together.isEmpty());
                    break;
                case Edit::Setting:  // kept in the settings store, not in the image
                    break;
                default:
                    EXPECT_TRUE(field.store);
            }
        }
    }
}
