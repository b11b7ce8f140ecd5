#include "devices/timersdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/prompts.h"
#include "ui/valuefieldgrid.h"

TimersDialog::TimersDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmTimer1"), blockTitle(BlockArea::Timers, context.block),
                    QStringLiteral("timers.html"), QStringLiteral("cmdDone")},
                   parent) {
    m_fields = DeviceFields::timers(blockIndex(m_block));
    watchFields(m_fields);

    // Timers 0..7 down the left column, 8..15 down the right, each with its unit.
    ValueRows rows;
    for (int i = 0; i < TimerCount; ++i) {
        rows.labels.append(m_fields[i].caption);
        rows.units.append(timerUnit(i));
    }
    rows.labelName = QStringLiteral("lblName%1");
    rows.unitName = QStringLiteral("lblUnit%1");
    rows.rowsPerGroup = TimerCount / 2;
    m_timers = new ValueFieldGrid(rows, {{.name = QStringLiteral("lblTime%1")}}, this);
    connect(m_timers, &ValueFieldGrid::activated, this,
            [this](int timer, int) { editTimer(timer); });

    QVBoxLayout* layout = body();
    layout->addWidget(m_timers);
    layout->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TimersDialog::showTimers() {
    for (int i = 0; i < TimerCount; ++i) m_timers->setValue(i, 0, m_fields[i].text(m_image));
}

void TimersDialog::editTimer(int timer) { editField(m_fields[timer]); }
