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
    watchFields(m_image, DeviceFields::timers(blockIndex(m_block)));
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));

    // Timers 0..7 down the left column, 8..15 down the right, each with its unit.
    ValueRows rows;
    for (int i = 0; i < TimerCount; ++i) {
        rows.labels.append(timerLabel(i));
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

int TimersDialog::timerOffset(int timer) const { return ::timerOffset(blockIndex(m_block), timer); }

void TimersDialog::showTimers() {
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));
    for (int i = 0; i < TimerCount; ++i)
        m_timers->setValue(i, 0,
                           timerText(timerCount(m_image, timerOffset(i)), TimerTable[i].kind));
}

TimerStore TimersDialog::storeTenthsTimer(int offset, const QString& text) {
    return ::storeTenthsTimer(m_image, offset, text);
}

TimerStore TimersDialog::storeSecondsTimer(int offset, const QString& text) {
    return ::storeSecondsTimer(m_image, offset, text);
}

void TimersDialog::editTimer(int timer) {
    const KeypadRequest request = timerRequest(timer, m_timers->value(timer, 0));
    const std::optional<QString> entry = m_prompts.enterKeys(request);
    // A cancelled keypad writes nothing: the upper bits of the entry stay as they are.
    if (!entry) {
        showStoredValues();
        return;
    }

    const bool seconds = TimerTable[timer].kind == TimerKind::Seconds;
    const TimerStore stored = seconds ? storeSecondsTimer(timerOffset(timer), *entry)
                                      : storeTenthsTimer(timerOffset(timer), *entry);
    if (stored == TimerStore::Refused)
        m_prompts.message(
            Icon::Exclamation, request.heading,
            QString::fromLatin1(seconds ? TimerTexts::SecondsRefused : TimerTexts::TenthsRefused));
    showStoredValues();
}
