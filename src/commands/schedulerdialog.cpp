#include "commands/schedulerdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "commands/commandfields.h"
#include "formats/calendar.h"
#include "ui/groupselector.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"
#include "ui/windows.h"

using namespace Scheduler;

namespace {
constexpr char HelpPage[] = "scheduler.html";

QStringList texts(const auto& table) {
    QStringList list;
    for (const char* text : table) list << QLatin1String(text);
    return list;
}

QLabel* cell(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(70);
    return label;
}
}  // namespace

SchedulerDialog::SchedulerDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(
          context,
          {QStringLiteral("frmsched"), QLatin1String(OverviewTitle), QLatin1String(HelpPage)},
          parent) {
    watchFields(CommandFields::scheduler());

    m_groups = new GroupSelector(QLatin1String(GroupFrame), texts(GroupOptions),
                                 QStringLiteral("fraGroup"), QStringLiteral("optGroup%1"),
                                 Qt::Horizontal, this);
    m_groups->setCurrent(0);
    connect(m_groups, &GroupSelector::changed, this, &SchedulerDialog::changeGroup);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    // "Month/Day Of Year" stands over the month and the day of the month.
    const int captionColumns[] = {1, 2, 3, 5};
    const int captionSpans[] = {1, 1, 2, 1};
    for (int c = 0; c < int(ColumnCaptions.size()); ++c) {
        auto* caption = columnHeading(QLatin1String(ColumnCaptions[c]),
                                      QStringLiteral("lblCaption%1").arg(c), this, Qt::AlignLeft);
        grid->addWidget(caption, 0, captionColumns[c], 1, captionSpans[c]);
    }
    for (int r = 0; r < GroupSize; ++r) {
        const int n = r + 1;
        Row& row = m_rows[r];
        row.number = cell(QStringLiteral("lblNum_%1").arg(n), this);
        row.number->setMinimumWidth(30);
        row.time = new ValueField(this);
        row.time->setObjectName(QStringLiteral("lblTime_%1").arg(n));
        row.time->setMinimumWidth(80);
        row.time->setRowLabel(row.number);
        row.dayOfWeek = cell(QStringLiteral("lblDOW_%1").arg(n), this);
        row.month = cell(QStringLiteral("lblMOY_%1").arg(n), this);
        row.dayOfMonth = cell(QStringLiteral("lblDOM_%1").arg(n), this);
        row.command = cell(QStringLiteral("lblCmd_%1").arg(n), this);
        connect(row.time, &ValueField::clicked, this,
                [this, r] { editEvent(GroupSize * m_group + r + 1); });
        QWidget* widgets[] = {row.number, row.time,       row.dayOfWeek,
                              row.month,  row.dayOfMonth, row.command};
        for (int c = 0; c < 6; ++c) grid->addWidget(widgets[c], n, c);
    }

    QVBoxLayout* layout = body();
    layout->addWidget(m_groups);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(8);
}

void SchedulerDialog::showGroup() {
    for (int r = 0; r < GroupSize; ++r) {
        const int n = GroupSize * m_group + r + 1;
        const OverviewRow shown = overviewRow(m_image, n);
        Row& row = m_rows[r];
        row.number->setText(shown.number);
        row.time->setValue(shown.time);
        row.time->setAccessibleDescription(tr("Event %1").arg(n));
        row.dayOfWeek->setText(shown.dayOfWeek);
        row.month->setText(shown.month);
        row.dayOfMonth->setText(shown.dayOfMonth);
        row.command->setText(shown.command);
    }
}

void SchedulerDialog::changeGroup(int group) {
    if (group == m_group) return;
    m_group = group;
    showStoredValues();
}

void SchedulerDialog::showField(const Fields::Field& field) {
    // Event NN's group (its record's key word is its number), and the focus on its time.
    bool ok = false;
    const int n = field.record ? field.record->key.toInt(&ok) : 0;
    if (!ok || n < 1 || n > EventCount) return;
    const int group = (n - 1) / GroupSize;
    m_groups->setCurrent(group);
    changeGroup(group);
    focusOn(m_rows[(n - 1) % GroupSize].time);
}

void SchedulerDialog::editEvent(int n) {
    ScheduledEventDialog event(m_image, m_prompts, n, this);
    event.exec();
    showStoredValues();
}

ScheduledEventDialog::ScheduledEventDialog(Image& image, Prompts& prompts, int event,
                                           QWidget* parent)
    : PlainDialog(parent), m_image(image), m_prompts(prompts), m_editor(image, event) {
    setObjectName(QStringLiteral("frmSetSched"));
    setWindowTitle(eventTitle(event));
    setHelpTopic(QLatin1String(HelpPage));

    m_erase = new QCheckBox(QLatin1String(EraseCaption), this);
    m_erase->setObjectName(QStringLiteral("chkErase"));
    m_everyHour = new QCheckBox(QLatin1String(EveryHourCaption), this);
    m_everyHour->setObjectName(QStringLiteral("chkHour"));
    m_days =
        new GroupSelector(QLatin1String(EventFrame), texts(DayOptionCaptions),
                          QStringLiteral("Frame1"), QStringLiteral("optWk%1"), Qt::Vertical, this);
    const auto combo = [this](const QString& name, const QStringList& items, const QString& what) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(items);
        box->setAccessibleName(what);
        return box;
    };
    QStringList months, days;
    for (const Calendar::Month& month : Calendar::Months) months << QLatin1String(month.name);
    for (int d = 1; d <= Calendar::DayCount; ++d) days << QString::number(d);
    m_weekday = combo(QStringLiteral("cmbWk"), texts(Calendar::WeekdayNames), tr("Weekday"));
    m_month = combo(QStringLiteral("cmbMonth"), months, tr("Month"));
    m_day = combo(QStringLiteral("cmbMoDay"), days, tr("Day of the month"));

    for (int i = 0; i < 3; ++i) {
        m_captions[i] = new QLabel(QLatin1String(FieldCaptions[i]), this);
        m_captions[i]->setObjectName(QStringLiteral("lblA%1").arg(i));
    }
    m_time = new ValueField(this);
    m_time->setObjectName(QStringLiteral("lblTime"));
    m_time->setRowLabel(m_captions[0]);
    m_command = new ValueField(this);
    m_command->setObjectName(QStringLiteral("lblCmd"));
    m_command->setRowLabel(m_captions[1]);
    m_time->setKeypadKeys(m_editor.timeRequest().keySet);
    m_command->setKeypadKeys(m_editor.commandRequest().keySet);
    m_review = new QLabel(this);
    m_review->setObjectName(QStringLiteral("lblReview"));
    m_review->setMinimumWidth(240);
    m_review->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_captions[2]->setBuddy(m_review);

    connect(m_erase, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing) return;
        m_editor.setErased(on);
        display();
    });
    connect(m_everyHour, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing) m_editor.setEveryHour(on);
    });
    connect(m_days, &GroupSelector::changed, this, [this](int option) {
        m_editor.chooseOption(static_cast<DayOption>(option));
        display();
    });
    connect(m_weekday, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_showing) m_editor.setWeekday(i);
    });
    connect(m_month, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_showing) m_editor.setMonth(i);
    });
    connect(m_day, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_showing) m_editor.setDay(i);
    });
    connect(m_time, &ValueField::clicked, this, &ScheduledEventDialog::editTime);
    connect(m_command, &ValueField::clicked, this, &ScheduledEventDialog::editCommand);

    // Each list stands beside its option.
    m_days->placeBeside(static_cast<int>(DayOption::SelectWeekday), {m_weekday});
    m_days->placeBeside(static_cast<int>(DayOption::SelectMonthDay), {m_month, m_day});
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(m_captions[0], 0, 0);
    fields->addWidget(m_time, 0, 1);
    fields->addWidget(m_everyHour, 0, 2);
    fields->addWidget(m_captions[1], 1, 0);
    fields->addWidget(m_command, 1, 1);
    fields->addWidget(m_captions[2], 2, 0);
    fields->addWidget(m_review, 2, 1, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_erase);
    layout->addWidget(m_days);
    layout->addLayout(fields);
    layout->addSpacing(8);
    connect(addOkRow(layout), &QPushButton::clicked, this, &ScheduledEventDialog::storeAndClose);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // What an option or the erased look hides keeps its place, so the window keeps one size.
    for (QWidget* shown : eventWidgets() + QList<QWidget*>{m_weekday, m_month, m_day}) {
        QSizePolicy policy = shown->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shown->setSizePolicy(policy);
    }
    display();
}

QList<QWidget*> ScheduledEventDialog::eventWidgets() const {
    return {m_everyHour, m_days,        m_time,        m_command,
            m_review,    m_captions[0], m_captions[1], m_captions[2]};
}

void ScheduledEventDialog::display() {
    m_showing = true;
    const bool erased = m_editor.erased();
    m_erase->setChecked(erased);
    for (QWidget* w : eventWidgets()) w->setVisible(!erased);
    m_everyHour->setChecked(m_editor.everyHour());
    m_days->setCurrent(erased ? -1 : static_cast<int>(m_editor.option()));
    m_weekday->setVisible(m_editor.weekdayListShown());
    m_month->setVisible(m_editor.monthDayListsShown());
    m_day->setVisible(m_editor.monthDayListsShown());
    m_weekday->setCurrentIndex(m_editor.weekday());
    m_month->setCurrentIndex(m_editor.month());
    m_day->setCurrentIndex(m_editor.day());
    m_time->setValue(m_editor.time());
    m_command->setValue(m_editor.command());
    m_review->setText(m_editor.reviewText());
    m_showing = false;
}

// A cancelled keypad leaves the event as the dialog holds it: a command whose bytes the field
// cannot show keeps its bytes for the event's "OK".
void ScheduledEventDialog::editTime() {
    if (const auto time = m_prompts.enterKeys(ValueField::withTypedKey(m_editor.timeRequest())))
        m_editor.setTime(*time);
    display();
}

void ScheduledEventDialog::editCommand() {
    if (const auto command =
            m_prompts.enterKeys(ValueField::withTypedKey(m_editor.commandRequest())))
        m_editor.setCommand(*command);
    display();
}

void ScheduledEventDialog::storeAndClose() {
    if (const auto refusal = m_editor.timeRefusal()) {
        m_prompts.message(Icon::Exclamation, QLatin1String(TimeRefusalTitle), *refusal);
        return;
    }
    m_editor.store(m_image);
    accept();
}
