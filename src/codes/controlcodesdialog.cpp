#include "codes/controlcodesdialog.h"

#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/controlcodes.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

ControlCodesDialog::ControlCodesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmCodes_1"), blockTitle(BlockArea::Codes, context.block),
                    QStringLiteral("codes.html")},
                   parent) {
    watchFields(CodeFields::controlCodes(blockIndex(m_block)));

    // Codes 0..6 down the left column, 7..13 down the right.
    ValueRows rows;
    for (const Fields::Field& code : fields()) rows.labels.append(code.caption);
    rows.labelName = QStringLiteral("lblCaption%1");
    rows.rowsPerGroup = Codes::RowsPerColumn;
    m_codes = new ValueFieldGrid(rows, {{.name = QStringLiteral("lblCode%1"), .minimumWidth = 110}},
                                 this);
    // After OK every code of the block is rewritten as it shows, the unchanged ones too; a
    // cancelled keypad writes nothing, so codes stored in a form the fields cannot show stay.
    connect(m_codes, &ValueFieldGrid::activated, this,
            [this](int k, int) { editField(fields()[k]); });
    for (int k = 0; k < m_codes->rowCount(); ++k)
        typingOpensKeypad(m_codes->field(k, 0), fields()[k]);

    body()->addWidget(m_codes);
    body()->addSpacing(8);
}

void ControlCodesDialog::display() {
    for (std::size_t k = 0; k < fields().size(); ++k)
        m_codes->setValue(int(k), 0, fields()[k].text(m_image));
}
