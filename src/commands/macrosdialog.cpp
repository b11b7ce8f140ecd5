#include "commands/macrosdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/commandfields.h"
#include "commands/macros.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

using namespace Macros;

namespace {
// Grid columns: the number, the trigger code, then the five commands.
constexpr int NumberColumn = 0;
constexpr int TriggerColumn = 1;
constexpr int FirstCommandColumn = 2;
constexpr char HelpPage[] = "macros.html";
}  // namespace

MacrosDialog::MacrosDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmMacro"), QLatin1String(Title), QLatin1String(HelpPage)},
                   parent) {
    watchFields(CommandFields::macros());

    auto* instruction = new QLabel(QLatin1String(Instruction), this);
    instruction->setObjectName(QStringLiteral("lblInstruction"));
    instruction->setWordWrap(true);

    ValueRows rows;
    for (int n = 1; n <= Count; ++n) rows.labels.append(QString());
    rows.labelName = QStringLiteral("lblRow%1");
    rows.firstNumber = 1;
    QList<ValueColumn> columns = {
        {.name = QStringLiteral("Label1_%1"),
         .heading = tr("Macro"),
         .headingName = QStringLiteral("lblHeadNumber"),
         .minimumWidth = 60},
        {.name = QStringLiteral("Label2_%1"),
         .heading = tr("Trigger Code"),
         .headingName = QStringLiteral("lblHeadTrigger"),
         .minimumWidth = 110},
    };
    for (int k = 1; k <= CommandsPerMacro; ++k)
        columns.append({.name = QStringLiteral("Label%1_%2").arg(k + 2).arg(QStringLiteral("%1")),
                        .heading = tr("Command %1").arg(k),
                        .headingName = QStringLiteral("lblHeadCommand%1").arg(k),
                        .minimumWidth = 80});
    m_grid = new ValueFieldGrid(rows, columns, this);
    for (int r = 0; r < Count; ++r) {
        m_grid->setValue(r, NumberColumn, numberText(r + 1));
        m_grid->field(r, NumberColumn)
            ->setAccessibleDescription(tr("Review of macro %1").arg(r + 1));
    }
    connect(m_grid, &ValueFieldGrid::activated, this, &MacrosDialog::activateCell);

    QVBoxLayout* layout = body();
    layout->addWidget(instruction);
    layout->addSpacing(6);
    layout->addWidget(m_grid);
    layout->addSpacing(8);

    m_review = new MacroReviewDialog(context, this);
}

void MacrosDialog::showMacros() {
    for (int n = 1; n <= Count; ++n) {
        const MacroRow row = macroRow(m_image, n);
        m_grid->setValue(n - 1, TriggerColumn, row.trigger);
        for (int k = 1; k <= CommandsPerMacro; ++k)
            m_grid->setValue(n - 1, FirstCommandColumn + k - 1, row.commands[k - 1]);
    }
}

void MacrosDialog::activateCell(int row, int column) {
    const int n = row + 1;
    if (column == NumberColumn)
        showReview(n);
    else if (column == TriggerColumn)
        editTrigger(n);
    else
        editCommand(n, column - FirstCommandColumn + 1);
}

void MacrosDialog::editTrigger(int n) {
    editMacroField(n, TriggerColumn, triggerRequest(n, m_grid->value(n - 1, TriggerColumn)));
}

void MacrosDialog::editCommand(int n, int k) {
    const int column = FirstCommandColumn + k - 1;
    editMacroField(n, column, commandRequest(m_grid->value(n - 1, column)));
}

void MacrosDialog::editMacroField(int n, int column, const KeypadRequest& request) {
    // After OK the whole macro is stored from its row; a cancelled keypad writes nothing.
    if (const auto entry = m_prompts.enterKeys(request)) {
        m_grid->setValue(n - 1, column, *entry);
        storeMacro(n);
    }
    showStoredValues();
}

void MacrosDialog::storeMacro(int n) {
    MacroRow row;
    row.trigger = m_grid->value(n - 1, TriggerColumn);
    for (int k = 1; k <= CommandsPerMacro; ++k)
        row.commands[k - 1] = m_grid->value(n - 1, FirstCommandColumn + k - 1);
    Macros::storeMacro(m_image, n, row);
}

void MacrosDialog::confirm() {
    for (int n = 1; n <= Count; ++n) storeMacro(n);
    accept();
}

void MacrosDialog::showReview(int n) {
    // The review is modal to this dialog; a second click of a double click finds it open.
    if (m_review->isVisible() && m_review->macro() == n) {
        m_review->raise();
        return;
    }
    m_review->setMacro(n);
    m_review->open();
}

MacroReviewDialog::MacroReviewDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context, {QStringLiteral("MacHelp"), reviewTitle(1), QLatin1String(HelpPage)},
                   parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int k = 1; k <= CommandsPerMacro; ++k) {
        auto* row = new QLabel(numberText(k), this);
        row->setObjectName(QStringLiteral("lblRow%1").arg(k));
        auto* text = new QLabel(this);
        text->setObjectName(QStringLiteral("lblCommand%1").arg(k));
        text->setMinimumWidth(260);
        text->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        row->setBuddy(text);
        grid->addWidget(row, k - 1, 0);
        grid->addWidget(text, k - 1, 1);
        m_texts[k - 1] = text;
    }
    QVBoxLayout* layout = body();
    layout->addLayout(grid);
    layout->addSpacing(8);
}

void MacroReviewDialog::setMacro(int n) {
    m_macro = n;
    display();
}

void MacroReviewDialog::display() {
    setWindowTitle(reviewTitle(m_macro));
    for (int k = 1; k <= CommandsPerMacro; ++k)
        m_texts[k - 1]->setText(reviewText(m_image, m_macro, k));
}
