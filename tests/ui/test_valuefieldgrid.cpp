// The grid of value fields the editors share: object names, row labels, headings and units, rows
// split over side-by-side groups, Tab order, and the one activation signal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "dialogcheck.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

namespace {

ValueRows numberedRows(int count, int firstNumber, int rowsPerGroup) {
    ValueRows rows;
    for (int r = 0; r < count; ++r) rows.labels.append(QStringLiteral(" %1").arg(firstNumber + r));
    rows.labelName = QStringLiteral("lblRow%1");
    rows.firstNumber = firstNumber;
    rows.rowsPerGroup = rowsPerGroup;
    return rows;
}

// Two value columns with headings, as a speed-dial list has them.
const QList<ValueColumn> TwoColumns = {
    {.name = "lblId%1", .heading = "Identification", .headingName = "lblIdHeading"},
    {.name = "lblTel%1", .heading = "Telephone Number", .headingName = "lblTelHeading"},
};

}  // namespace

TEST(ValueFieldGrid, NamesLabelsHeadingsAndUnitsFollowThePatterns) {
    ValueRows rows = numberedRows(2, 1, 0);
    rows.labels[1] = QStringLiteral("&Second");
    rows.units = {QStringLiteral("Min:Sec"), QStringLiteral("Sec")};
    rows.unitName = QStringLiteral("lblUnit%1");
    ValueFieldGrid grid(rows, TwoColumns);
    showSettled(grid);

    auto* heading = child<QLabel>(grid, QStringLiteral("lblTelHeading"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->text(), QStringLiteral("Telephone Number"));
    EXPECT_LT(heading->geometry().bottom(), grid.field(0, 1)->y());
    // Names count from row number 1; the row label names the first field, the second field says
    // its row and its column.
    auto* label = child<QLabel>(grid, QStringLiteral("lblRow2"));
    ASSERT_TRUE(label);
    EXPECT_EQ(grid.rowLabel(1), label);
    EXPECT_EQ(child<ValueField>(grid, QStringLiteral("lblId2")), grid.field(1, 0));
    EXPECT_EQ(child<ValueField>(grid, QStringLiteral("lblTel2")), grid.field(1, 1));
    EXPECT_EQ(child<QLabel>(grid, QStringLiteral("lblUnit2"))->text(), QStringLiteral("Sec"));
    EXPECT_EQ(label->buddy(), grid.field(1, 0));
    EXPECT_EQ(grid.field(1, 0)->accessibleDescription(), QStringLiteral("Second"));
    EXPECT_EQ(grid.field(1, 1)->accessibleDescription(),
              QStringLiteral("Second, Telephone Number"));
    EXPECT_EQ(grid.field(2, 0), nullptr);
    EXPECT_EQ(grid.field(0, 2), nullptr);
}

TEST(ValueFieldGrid, RowsSplitIntoSideBySideGroups) {
    // clang-format off
    const struct { int rows; int perGroup; } cases[] = {
        {16, 8},  // the timers: 0..7 left, 8..15 right
        {5, 2},   // an uneven last group
        {12, 0},  // the voice messages: one group
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.perGroup << " per group");
        ValueFieldGrid grid(numberedRows(c.rows, 0, c.perGroup), {{.name = "lblValue%1"}});
        showSettled(grid);
        const int perGroup = c.perGroup > 0 ? c.perGroup : c.rows;
        for (int r = 1; r < c.rows; ++r) {
            const ValueField* field = grid.field(r, 0);
            if (r % perGroup != 0) {
                EXPECT_GT(field->y(), grid.field(r - 1, 0)->y()) << r;
                EXPECT_EQ(field->x(), grid.field(r - 1, 0)->x()) << r;
            }
            if (r >= perGroup) {
                // Level with the same place of the group before, and right of it.
                EXPECT_EQ(field->y(), grid.field(r - perGroup, 0)->y()) << r;
                EXPECT_GT(grid.rowLabel(r)->x(), grid.field(r - perGroup, 0)->geometry().right());
            }
        }
    }
}

TEST(ValueFieldGrid, TabRunsAlongARowThenDownGroupAfterGroup) {
    ValueFieldGrid grid(numberedRows(4, 0, 2), TwoColumns);
    QList<QWidget*> order;
    for (QWidget* w = grid.field(0, 0)->nextInFocusChain();
         w != grid.field(0, 0) && order.size() < 7; w = w->nextInFocusChain())
        if (qobject_cast<ValueField*>(w)) order.append(w);
    EXPECT_EQ(order, (QList<QWidget*>{grid.field(0, 1), grid.field(1, 0), grid.field(1, 1),
                                      grid.field(2, 0), grid.field(2, 1), grid.field(3, 0),
                                      grid.field(3, 1)}));
}

TEST(ValueFieldGrid, EachFieldActivatesWithItsRowAndColumnAndKeepsItsValue) {
    ValueFieldGrid grid(numberedRows(6, 1, 3), TwoColumns);
    showSettled(grid);
    QSignalSpy activated(&grid, &ValueFieldGrid::activated);
    // clang-format off
    const struct { int row; int column; int key; } cases[] = {
        {0, 0, 0}, {0, 1, Qt::Key_Return}, {2, 1, Qt::Key_Space}, {3, 0, Qt::Key_Enter}, {5, 1, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "/" << c.column);
        const QString value = QStringLiteral("%1-%2").arg(c.row).arg(c.column);
        grid.setValue(c.row, c.column, value);
        ValueField* field = grid.field(c.row, c.column);
        if (c.key == 0) {
            QTest::mouseClick(field, Qt::LeftButton);
        } else {
            field->setFocus();
            QTest::keyClick(field, Qt::Key(c.key));
        }
        ASSERT_EQ(activated.count(), 1);
        EXPECT_EQ(activated.takeFirst(), (QList<QVariant>{c.row, c.column}));
        EXPECT_EQ(grid.value(c.row, c.column), value);
        EXPECT_EQ(field->accessibleName(), value);
    }
    EXPECT_EQ(grid.value(1, 0), QString());
    grid.setValue(6, 0, QStringLiteral("outside"));  // no such row: nothing happens
    EXPECT_EQ(grid.value(6, 0), QString());
}
