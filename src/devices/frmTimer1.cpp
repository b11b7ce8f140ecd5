#include "devices/frmTimer1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codes/keypadkinds.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr int RowsPerColumn = TimerCount / 2;
constexpr int ColumnsPerTimer = 3;  // label, value, unit
}  // namespace

frmTimer1::frmTimer1(Image& image, Prompts& prompts, int block, QWidget* parent)
    : OrvDialog(parent), m_image(image), m_prompts(prompts), m_block(block) {
    Q_ASSERT(block >= 0 && block < Region::BlockCount);
    setObjectName(QStringLiteral("frmTimer1"));
    setHelpTopic(QStringLiteral("timers.html"));
    setWindowTitle(TimerTitle(m_block));

    // Timers 0..7 down the left column, 8..15 down the right.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < TimerCount; ++i) {
        const int row = i % RowsPerColumn;
        const int col = (i / RowsPerColumn) * (ColumnsPerTimer + 1);

        auto* label = new QLabel(TimerLabel(i));
        label->setObjectName(QStringLiteral("lblName%1").arg(i));
        auto* field = new ValueField;
        field->setObjectName(QStringLiteral("lblTime%1").arg(i));
        field->setRowLabel(label);
        auto* unit = new QLabel(TimerUnit(i));
        unit->setObjectName(QStringLiteral("lblUnit%1").arg(i));

        grid->addWidget(label, row, col);
        grid->addWidget(field, row, col + 1);
        grid->addWidget(unit, row, col + 2);
        lblTime[i] = field;
        connect(field, &ValueField::clicked, this, [this, i] { lblTime_Click(i); });
    }
    // A gap between the two columns.
    grid->setColumnMinimumWidth(ColumnsPerTimer, 24);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    cmdDone = addOkRow(layout, QStringLiteral("cmdDone"));
    connect(cmdDone, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    DisplayTimers();
}

int frmTimer1::GetPT(int timer) const { return ::GetPT(m_block, timer); }

void frmTimer1::DisplayTimers() {
    setWindowTitle(TimerTitle(m_block));
    for (int i = 0; i < TimerCount; ++i)
        lblTime[i]->setValue(TimerText(TimerCountAt(m_image, GetPT(i)), TimerTable[i].kind));
}

TimerStore frmTimer1::SaveTimerSec(int offset, const QString& text) {
    return ::SaveTimerSec(m_image, offset, text);
}

TimerStore frmTimer1::SaveTimerMin(int offset, const QString& text) {
    return ::SaveTimerMin(m_image, offset, text);
}

void frmTimer1::lblTime_Click(int timer) {
    const TimerKind kind = TimerTable[timer].kind;
    const QString heading = TimerHeading(timer);
    const QString initial = TimerKeyPadText(lblTime[timer]->value(), kind);
    const bool seconds = kind == TimerKind::Seconds;

    const QString entry =
        m_prompts.showKeyPad(KeySet::Digits, seconds ? SecondsKeyPadLimit : TenthsKeyPadLimit,
                             heading, initial, seconds ? CheckKind::Range1To1800 : CheckKind::None);

    const TimerStore stored =
        seconds ? SaveTimerMin(GetPT(timer), entry) : SaveTimerSec(GetPT(timer), entry);
    if (stored == TimerStore::Refused)
        m_prompts.message(
            Icon::Exclamation, heading,
            QString::fromLatin1(seconds ? TimerTexts::SecondsRefused : TimerTexts::TenthsRefused));
    DisplayTimers();
}
