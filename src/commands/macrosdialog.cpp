#include "commands/macrosdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/commandfields.h"
#include "commands/macros.h"
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
    // The grid's value fields in the table's order: each macro's trigger, then its commands.
    for (const Fields::Field& field : fields())
        if (field.edit == Fields::Edit::Keypad) m_cells.push_back(&field);

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
    for (int r = 0; r < Count; ++r)
        for (int column = TriggerColumn; column < FirstCommandColumn + CommandsPerMacro; ++column)
            typingOpensKeypad(m_grid->field(r, column), cell(r, column));

    QVBoxLayout* layout = body();
    layout->addWidget(instruction);
    layout->addSpacing(6);
    layout->addWidget(m_grid);
    layout->addSpacing(8);

    m_review = new MacroReviewDialog(context, this);
}

const Fields::Field& MacrosDialog::cell(int row, int column) const {
    return *m_cells[std::size_t(row * (1 + CommandsPerMacro) + column - TriggerColumn)];
}

void MacrosDialog::showMacros() {
    for (int r = 0; r < Count; ++r)
        for (int column = TriggerColumn; column < FirstCommandColumn + CommandsPerMacro; ++column)
            m_grid->setValue(r, column, cell(r, column).text(m_image));
}

void MacrosDialog::activateCell(int row, int column) {
    // After OK on the keypad the whole macro is stored from its row; a cancelled keypad writes
    // nothing.
    if (column == NumberColumn)
        showReview(row + 1);
    else
        editField(cell(row, column));
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

void MacrosDialog::showField(const Fields::Field& field) {
    // A review is shown from its command: the focus goes to that command.
    const QString key = field.shownFrom.isEmpty() ? field.key : field.shownFrom;
    for (int r = 0; r < Count; ++r)
        for (int column = TriggerColumn; column < FirstCommandColumn + CommandsPerMacro; ++column)
            if (cell(r, column).key == key) {
                focusOn(m_grid->field(r, column));
                return;
            }
}
