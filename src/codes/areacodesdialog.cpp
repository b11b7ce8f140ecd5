#include "codes/areacodesdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/telephonecodes.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

namespace {
constexpr char HelpPage[] = "telephone.html";
constexpr int FieldWidth = 90;
}  // namespace

AreaCodesDialog::AreaCodesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmAreaCodes"), QLatin1String(AreaCodes::Title),
                    QLatin1String(HelpPage)},
                   parent) {
    watchFields(CodeFields::areaCodes());

    ValueRows rows;
    for (int i = 0; i < AreaCodes::Count; ++i) rows.labels << QString::number(i + 1);
    rows.labelName = QStringLiteral("lblPos%1");
    rows.rowSpacing = 4;
    m_codes = new ValueFieldGrid(
        rows, {{.name = QStringLiteral("lblAC%1"), .minimumWidth = FieldWidth, .stretch = true}},
        this);
    connect(m_codes, &ValueFieldGrid::activated, this, [this](int i, int) { editAreaCode(i); });
    for (int i = 0; i < AreaCodes::Count; ++i)
        m_codes->field(i, 0)->setKeypadKeys(AreaCodes::request(i, QString()).keySet);

    QVBoxLayout* layout = body();
    layout->addWidget(m_codes);
    layout->addSpacing(8);
}

void AreaCodesDialog::display() {
    for (int i = 0; i < AreaCodes::Count; ++i) {
        const QString text = AreaCodes::text(m_image, i);
        if (!text.isEmpty()) m_codes->setValue(i, 0, text);
    }
}

void AreaCodesDialog::editAreaCode(int i) {
    const auto entry =
        m_prompts.enterKeys(ValueField::withTypedKey(AreaCodes::request(i, m_codes->value(i, 0))));
    // A cancelled keypad writes nothing, not even the table's count.
    if (!entry) {
        showStoredValues();
        return;
    }
    m_codes->setValue(i, 0, *entry);
    // The whole table is written from the ten fields, in their places, with the count of the
    // non-empty ones.
    std::array<QString, AreaCodes::Count> fields;
    for (int k = 0; k < AreaCodes::Count; ++k) fields[k] = m_codes->value(k, 0);
    AreaCodes::store(m_image, fields);
    showStoredValues();
}
