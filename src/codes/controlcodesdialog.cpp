#include "codes/controlcodesdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/controlcodes.h"
#include "formats/dtmfcodec.h"
#include "ui/prompts.h"
#include "ui/valuefieldgrid.h"

ControlCodesDialog::ControlCodesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmCodes_1"), blockTitle(BlockArea::Codes, context.block),
                    QStringLiteral("codes.html")},
                   parent) {
    watchFields(CodeFields::controlCodes(blockIndex(m_block)));

    ValueRows rows;
    for (const Codes::CodeRow& code : Codes::Rows)
        rows.labels.append(QString::fromLatin1(code.label));
    rows.labelName = QStringLiteral("lblCaption%1");
    rows.rowsPerGroup = Codes::RowsPerColumn;
    m_codes = new ValueFieldGrid(rows, {{.name = QStringLiteral("lblCode%1"), .minimumWidth = 110}},
                                 this);
    connect(m_codes, &ValueFieldGrid::activated, this, [this](int k, int) { editCode(k); });

    QVBoxLayout* layout = body();
    layout->addWidget(m_codes);
    layout->addSpacing(8);
}

void ControlCodesDialog::showCodes() {
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        m_codes->setValue(k, 0,
                          digitFieldText(m_image, Codes::codeOffset(blockIndex(m_block), k),
                                         Codes::CodeKeyLimit));
}

void ControlCodesDialog::storeCodes() {
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        storeDigitField(m_image, Codes::codeOffset(blockIndex(m_block), k), m_codes->value(k, 0),
                        LengthRule::Characters);
}

void ControlCodesDialog::editCode(int k) {
    // After OK every code of the block is rewritten from its field, the unchanged ones too; a
    // cancelled keypad writes nothing, so codes stored in a form the fields cannot show stay.
    if (const auto entry = m_prompts.enterKeys(Codes::codeRequest(k, m_codes->value(k, 0)))) {
        m_codes->setValue(k, 0, *entry);
        storeCodes();
    }
    showStoredValues();
}
