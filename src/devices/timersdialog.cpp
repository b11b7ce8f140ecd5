#include "devices/timersdialog.h"

#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

TimersDialog::TimersDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmTimer1"), blockTitle(BlockArea::Timers, context.block),
                    QStringLiteral("timers.html"), QStringLiteral("cmdDone")},
                   parent) {
    watchFields(DeviceFields::timers(blockIndex(m_block)));

    // Timers 0..7 down the left column, 8..15 down the right, each with its unit.
    ValueRows rows;
    for (int i = 0; i < TimerCount; ++i) {
        rows.labels.append(fields()[i].caption);
        rows.units.append(timerUnit(i));
    }
    rows.labelName = QStringLiteral("lblName%1");
    rows.unitName = QStringLiteral("lblUnit%1");
    rows.rowsPerGroup = TimerCount / 2;
    m_timers = new ValueFieldGrid(rows, {{.name = QStringLiteral("lblTime%1")}}, this);
    // A cancelled keypad writes nothing: the upper bits of the entry stay as they are.
    connect(m_timers, &ValueFieldGrid::activated, this,
            [this](int timer, int) { editField(fields()[timer]); });
    for (int timer = 0; timer < m_timers->rowCount(); ++timer)
        typingOpensKeypad(m_timers->field(timer, 0), fields()[timer]);

    body()->addWidget(m_timers);
    body()->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TimersDialog::display() {
    for (int i = 0; i < TimerCount; ++i) m_timers->setValue(i, 0, fields()[i].text(m_image));
}
