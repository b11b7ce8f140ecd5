#include "devices/timersdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/prompts.h"
#include "ui/valuefieldgrid.h"

TimersDialog::TimersDialog(Image& image, Prompts& prompts, Block block, QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts), m_block(block) {
    setObjectName(QStringLiteral("frmTimer1"));
    setHelpTopic(QStringLiteral("timers.html"));
    m_fields = DeviceFields::timers(blockIndex(m_block));
    watchFields(m_image, m_fields);
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));

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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_timers);
    layout->addSpacing(8);
    connect(addOkRow(layout, QStringLiteral("cmdDone")), &QPushButton::clicked, this,
            &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showTimers();
}

void TimersDialog::showTimers() {
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));
    for (int i = 0; i < TimerCount; ++i) m_timers->setValue(i, 0, m_fields[i].text(m_image));
}

void TimersDialog::editTimer(int timer) {
    const Fields::Field& field = m_fields[timer];
    // A cancelled keypad writes nothing: the upper bits of the entry stay as they are.
    if (const std::optional<QString> entry = m_prompts.enterKeys(field.request(m_image))) {
        if (field.store(m_image, *entry) == Fields::Stored::Refused)
            m_prompts.message(Icon::Exclamation, field.refusalTitle, field.refusal);
    }
    showStoredValues();
}
