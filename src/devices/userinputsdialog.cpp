#include "devices/userinputsdialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "devices/switchesandinputs.h"
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
    for (int input = 0; input < Count; ++input) {
        rows.labels.append(command(input).caption);
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
    connect(m_grid, &ValueFieldGrid::activated, this,
            [this](int input, int) { editField(command(input)); });
    for (int input = 0; input < Count; ++input)
        typingOpensKeypad(m_grid->field(input, 0), command(input));

    QVBoxLayout* layout = body();
    layout->addWidget(m_grid);
    layout->addSpacing(8);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

const Fields::Field& UserInputsDialog::command(int input) const {
    return Fields::recordField(fields(), input, DeviceFields::InputCommand);
}

void UserInputsDialog::display() {
    for (int input = 0; input < Count; ++input) {
        const QString text =
            Fields::recordField(fields(), input, DeviceFields::InputReview).text(m_image);
        m_grid->setValue(input, 0, command(input).text(m_image));
        m_grid->unitLabel(input)->setText(text);
        // A screen reader hears the number and, as its description, the input and its command.
        m_grid->field(input, 0)->setAccessibleDescription(
            QStringLiteral("%1: %2").arg(command(input).caption, text));
    }
}

void UserInputsDialog::showField(const Fields::Field& field) {
    for (int input = 0; input < Count; ++input)
        if (command(input).key == field.key) focusOn(m_grid->field(input, 0));
}
