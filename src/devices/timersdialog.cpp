#include "devices/timersdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "formats/keypadrequest.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr int RowsPerColumn = TimerCount / 2;
constexpr int ColumnsPerTimer = 3;  // label, value, unit
}  // namespace

TimersDialog::TimersDialog(Image& image, Prompts& prompts, Block block, QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts), m_block(block) {
    setObjectName(QStringLiteral("frmTimer1"));
    setHelpTopic(QStringLiteral("timers.html"));
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));

    // Timers 0..7 down the left column, 8..15 down the right.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < TimerCount; ++i) {
        const int row = i % RowsPerColumn;
        const int col = (i / RowsPerColumn) * (ColumnsPerTimer + 1);

        auto* label = new QLabel(timerLabel(i));
        label->setObjectName(QStringLiteral("lblName%1").arg(i));
        auto* field = new ValueField;
        field->setObjectName(QStringLiteral("lblTime%1").arg(i));
        field->setRowLabel(label);
        auto* unit = new QLabel(timerUnit(i));
        unit->setObjectName(QStringLiteral("lblUnit%1").arg(i));

        grid->addWidget(label, row, col);
        grid->addWidget(field, row, col + 1);
        grid->addWidget(unit, row, col + 2);
        m_fields[i] = field;
        connect(field, &ValueField::clicked, this, [this, i] { editTimer(i); });
    }
    // A gap between the two columns.
    grid->setColumnMinimumWidth(ColumnsPerTimer, 24);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    m_done = addOkRow(layout, QStringLiteral("cmdDone"));
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showTimers();
}

int TimersDialog::timerOffset(int timer) const { return ::timerOffset(blockIndex(m_block), timer); }

void TimersDialog::showTimers() {
    setWindowTitle(blockTitle(BlockArea::Timers, m_block));
    for (int i = 0; i < TimerCount; ++i)
        m_fields[i]->setValue(timerText(timerCount(m_image, timerOffset(i)), TimerTable[i].kind));
}

TimerStore TimersDialog::storeTenthsTimer(int offset, const QString& text) {
    return ::storeTenthsTimer(m_image, offset, text);
}

TimerStore TimersDialog::storeSecondsTimer(int offset, const QString& text) {
    return ::storeSecondsTimer(m_image, offset, text);
}

void TimersDialog::editTimer(int timer) {
    const TimerKind kind = TimerTable[timer].kind;
    const QString heading = timerHeading(timer);
    const QString initial = timerKeypadText(m_fields[timer]->value(), kind);
    const bool seconds = kind == TimerKind::Seconds;

    const QString entry = m_prompts.enterKeys(
        {KeySet::Digits, seconds ? SecondsKeyPadLimit : TenthsKeyPadLimit, heading, initial,
         seconds ? EntryCheck::Range1To1800 : EntryCheck::None});

    const TimerStore stored = seconds ? storeSecondsTimer(timerOffset(timer), entry)
                                      : storeTenthsTimer(timerOffset(timer), entry);
    if (stored == TimerStore::Refused)
        m_prompts.message(
            Icon::Exclamation, heading,
            QString::fromLatin1(seconds ? TimerTexts::SecondsRefused : TimerTexts::TenthsRefused));
    showTimers();
}
