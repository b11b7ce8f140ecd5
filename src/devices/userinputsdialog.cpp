#include "devices/userinputsdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "devices/switchesandinputs.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

using namespace UserInputs;

namespace {
constexpr int TextWidth = 300;  // room for the longest command texts
}

UserInputsDialog::UserInputsDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmUser"), QLatin1String(Title), QStringLiteral("inputs.html")},
                   parent) {
    watchFields(DeviceFields::userInputs());

    // The command text stands in the grid's unit column, right of its number.
    ValueRows rows;
    for (const char* caption : RowCaptions) {
        rows.labels.append(QLatin1String(caption));
        rows.units.append(QString());
    }
    rows.labelName = QStringLiteral("lblInput%1");
    rows.unitName = QStringLiteral("Label3_%1");
    rows.rowSpacing = 10;
    m_grid = new ValueFieldGrid(rows, {{.name = QStringLiteral("Label1_%1")}}, this);
    for (int input = 0; input < Count; ++input) {
        QLabel* text = m_grid->unitLabel(input);
        text->setMinimumWidth(TextWidth);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    connect(m_grid, &ValueFieldGrid::activated, this, [this](int input, int) { editInput(input); });

    QVBoxLayout* layout = body();
    layout->addWidget(m_grid);
    layout->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void UserInputsDialog::display() {
    for (int input = 0; input < Count; ++input) {
        const QString text = reviewText(m_image, input);
        m_grid->setValue(input, 0, numberText(m_image, input));
        m_grid->unitLabel(input)->setText(text);
        // A screen reader hears the number and, as its description, the input and its command.
        m_grid->field(input, 0)->setAccessibleDescription(
            QStringLiteral("%1: %2").arg(QLatin1String(RowCaptions[input]), text));
    }
}

void UserInputsDialog::editInput(int input) {
    const QString shown = m_grid->value(input, 0);
    // A cancelled keypad writes nothing.
    if (const auto answer = m_prompts.enterKeys(request(shown)))
        store(m_image, input, shown, *answer);
    showStoredValues();
}
