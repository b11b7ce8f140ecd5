// The clickable value field every editor shows its values in: mouse, keyboard and screen reader.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/plaindialog.h"
#include "ui/valuefield.h"

TEST(ValueField, ClickEnterAndSpaceActivateIt) {
    PlainDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("Repeater Time-Out"));
    auto* field = new ValueField;
    layout->addWidget(label);
    layout->addWidget(field);
    field->setRowLabel(label);
    field->setValue(QStringLiteral("05:00"));
    dialog.show();
    field->setFocus();
    QSignalSpy clicks(field, &ValueField::clicked);

    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    QTest::keyClick(field, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 4);
    // Enter edits the field; it never closes the dialog around it.
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ValueField, LooksClickableAndTellsScreenReadersTheValue) {
    QLabel label(QStringLiteral("&Voice Delay"));
    ValueField field;
    field.setRowLabel(&label);
    field.setValue(QStringLiteral("1.5"));
    EXPECT_EQ(field.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(field.focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(label.buddy(), &field);
    EXPECT_EQ(field.accessibleName(), QStringLiteral("1.5"));
    EXPECT_EQ(field.accessibleDescription(), QStringLiteral("Voice Delay"));
    field.setValue(QString());
    EXPECT_EQ(field.value(), QString());
    EXPECT_EQ(field.accessibleName(), QString());
}

TEST(PlainDialog, OkRowIsNotAnAutomaticDefault) {
    PlainDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    QPushButton* ok = dialog.addOkRow(layout, QStringLiteral("cmdDone"));
    EXPECT_EQ(ok->objectName(), QStringLiteral("cmdDone"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_FALSE(ok->autoDefault());
}

TEST(ValueField, ALongValueEndsInAnEllipsisAndKeepsTheWholeTextElsewhere) {
    ValueField field;
    field.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    field.resize(140, 30);
    field.show();
    const QString whole = QStringLiteral("Welcome To The Repeater Of The Club Time Of Day Weather");
    field.setValue(whole);
    EXPECT_TRUE(field.shownText().endsWith(QChar(0x2026))) << field.shownText().toStdString();
    EXPECT_LE(field.fontMetrics().horizontalAdvance(field.shownText()), 140);
    EXPECT_EQ(field.value(), whole);
    EXPECT_EQ(field.accessibleName(), whole);
    EXPECT_EQ(field.toolTip(), whole);
    // Wide enough again: the whole value shows and no tooltip repeats it.
    field.resize(field.fontMetrics().horizontalAdvance(whole) + 40, 30);
    EXPECT_EQ(field.shownText(), whole);
    EXPECT_EQ(field.toolTip(), QString());
}

TEST(ValueField, AKeyOfItsKeySetTypedOnAKeypadFieldOpensTheKeypadWithIt) {
    ValueField field;
    field.show();
    QStringList opened;  // the first key each click hands to the keypad
    QObject::connect(&field, &ValueField::clicked,
                     [&] { opened << ValueField::withTypedKey(KeypadRequest{}).firstKey; });
    QTest::keyClick(&field, Qt::Key_5);
    EXPECT_TRUE(opened.isEmpty()) << "not a keypad field";

    field.setKeypadKeys(KeySet::Codes);
    QTest::keyClick(&field, Qt::Key_5);
    QTest::keyClick(&field, Qt::Key_B);                       // typed lower case
    QTest::keyClick(&field, Qt::Key_D);                       // not a key of the set
    QTest::keyClick(&field, Qt::Key_5, Qt::ControlModifier);  // a shortcut, not a key press
    QTest::keyClick(&field, Qt::Key_Space);                   // a click, no key
    EXPECT_EQ(opened, QStringList({"5", "B", ""}));
    // A typed key is used once: a later opening of any keypad starts without it.
    EXPECT_EQ(ValueField::withTypedKey(KeypadRequest{}).firstKey, QString());
}

TEST(ValueField, DrawsItsBoxLineAndFocusLineInThePaletteColours) {
    PlainDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new ValueField;
    auto* other = new ValueField;
    layout->addWidget(field);
    layout->addWidget(other);
    QPalette colours = field->palette();
    colours.setColor(QPalette::Mid, QColor(10, 20, 30));
    colours.setColor(QPalette::Base, QColor(250, 240, 230));
    colours.setColor(QPalette::Highlight, QColor(200, 0, 0));
    field->setPalette(colours);
    field->setValue(QString());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    other->setFocus();
    const auto pixel = [field](int x, int y) { return field->grab().toImage().pixelColor(x, y); };
    // Without the focus: one line of the mid colour, the base colour inside it.
    EXPECT_EQ(pixel(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(pixel(1, 1), QColor(250, 240, 230));
    EXPECT_EQ(pixel(field->width() / 2, field->height() - 1), QColor(10, 20, 30));
    // With the focus: two lines of the highlight colour.
    field->setFocus();
    EXPECT_EQ(pixel(0, 0), QColor(200, 0, 0));
    EXPECT_EQ(pixel(1, 1), QColor(200, 0, 0));
    EXPECT_EQ(pixel(2, 2), QColor(250, 240, 230));
}
