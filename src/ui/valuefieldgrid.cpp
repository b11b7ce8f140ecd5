#include "ui/valuefieldgrid.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "ui/valuefield.h"
#include "ui/windows.h"

namespace {
constexpr int GroupGap = 24;  // between side-by-side groups
}

ValueFieldGrid::ValueFieldGrid(const ValueRows& rows, const QList<ValueColumn>& columns,
                               QWidget* parent)
    : QWidget(parent), m_columnCount(int(columns.size())) {
    const int rowCount = int(rows.labels.size());
    const int perGroup = rows.rowsPerGroup > 0 ? rows.rowsPerGroup : qMax(rowCount, 1);
    const int groups = (rowCount + perGroup - 1) / perGroup;
    const bool hasUnits = !rows.units.isEmpty();
    // Per group: the row label, the value columns, the unit, then a gap before the next group.
    const int groupWidth = 1 + m_columnCount + (hasUnits ? 1 : 0) + 1;
    bool hasHeadings = false;
    for (const ValueColumn& column : columns)
        hasHeadings = hasHeadings || !column.heading.isEmpty();
    const int firstRow = hasHeadings ? 1 : 0;

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(rows.rowSpacing);

    for (int g = 0; g < groups; ++g) {
        const int left = g * groupWidth;
        if (g > 0) grid->setColumnMinimumWidth(left - 1, GroupGap);
        for (int c = 0; c < m_columnCount; ++c) {
            if (columns[c].stretch) grid->setColumnStretch(left + 1 + c, 1);
            if (columns[c].heading.isEmpty()) continue;
            auto* heading =
                columnHeading(columns[c].heading,
                              g == 0 ? columns[c].headingName
                                     : QStringLiteral("%1_%2").arg(columns[c].headingName).arg(g),
                              this, Qt::AlignLeft);
            grid->addWidget(heading, 0, left + 1 + c);
        }
    }

    // Created row by row, so Tab runs along a row and then down, group after group.
    for (int r = 0; r < rowCount; ++r) {
        const int number = rows.firstNumber + r;
        const int left = (r / perGroup) * groupWidth;
        const int gridRow = firstRow + r % perGroup;

        auto* label = new QLabel(rows.labels[r], this);
        label->setObjectName(rows.labelName.arg(number));
        grid->addWidget(label, gridRow, left);
        m_labels.append(label);

        for (int c = 0; c < m_columnCount; ++c) {
            const ValueColumn& column = columns[c];
            auto* field = new ValueField(this);
            field->setObjectName(column.name.arg(number));
            if (column.minimumWidth > 0) field->setMinimumWidth(column.minimumWidth);
            if (c == 0) {
                field->setRowLabel(label);
            } else {
                // One label can name one field only; the others say their row and column.
                const QString row = label->text().remove(QLatin1Char('&')).trimmed();
                field->setAccessibleDescription(
                    column.heading.isEmpty() ? row : row + QStringLiteral(", ") + column.heading);
            }
            connect(field, &ValueField::clicked, this, [this, r, c] { emit activated(r, c); });
            field->installEventFilter(this);
            grid->addWidget(field, gridRow, left + 1 + c);
            m_fields.append(field);
        }

        if (hasUnits) {
            auto* unit = new QLabel(rows.units.value(r), this);
            unit->setObjectName(rows.unitName.arg(number));
            grid->addWidget(unit, gridRow, left + 1 + m_columnCount);
            m_units.append(unit);
        }
    }
}

ValueField* ValueFieldGrid::field(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount) return nullptr;
    return m_fields[row * m_columnCount + column];
}

QLabel* ValueFieldGrid::rowLabel(int row) const { return m_labels.value(row, nullptr); }

QLabel* ValueFieldGrid::unitLabel(int row) const { return m_units.value(row, nullptr); }

void ValueFieldGrid::setValue(int row, int column, const QString& value) {
    if (ValueField* f = field(row, column)) f->setValue(value);
}

QString ValueFieldGrid::value(int row, int column) const {
    const ValueField* f = field(row, column);
    return f ? f->value() : QString();
}

bool ValueFieldGrid::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down keep the column and move by row (by macro in the macro grid); the field at
    // the grid's edge keeps the focus.
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const qsizetype at = m_fields.indexOf(static_cast<ValueField*>(watched));
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || at < 0) return false;
    const qsizetype next = at + (key == Qt::Key_Down ? m_columnCount : -m_columnCount);
    if (next >= 0 && next < m_fields.size()) m_fields[next]->setFocus(Qt::TabFocusReason);
    return true;
}
