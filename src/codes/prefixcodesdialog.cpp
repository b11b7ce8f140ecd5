#include "codes/prefixcodesdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "codes/telephonecodes.h"
#include "ui/groupselector.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

namespace {
constexpr char HelpPage[] = "telephone.html";
constexpr int FieldWidth = 70;
}  // namespace

PrefixCodesDialog::PrefixCodesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(
          context,
          {QStringLiteral("frmPrefix"), QLatin1String(Prefixes::Title), QLatin1String(HelpPage)},
          parent) {
    watchFields(CodeFields::prefixes());

    QStringList options;
    for (const char* option : Prefixes::GroupOptions) options << QLatin1String(option);
    m_groups =
        new GroupSelector(QLatin1String(Prefixes::GroupFrame), options, QStringLiteral("fraGroup"),
                          QStringLiteral("optGrp%1"), Qt::Horizontal, this);
    m_groups->setCurrent(0);
    connect(m_groups, &GroupSelector::changed, this, &PrefixCodesDialog::changeGroup);

    ValueRows rows;
    for (int c = 0; c < Prefixes::PerGroup; ++c) rows.labels << QString::number(c);
    rows.labelName = QStringLiteral("lblPos%1");
    rows.rowsPerGroup = Prefixes::PerLine;
    rows.rowSpacing = 4;
    m_codes = new ValueFieldGrid(
        rows, {{.name = QStringLiteral("lblPFX%1"), .minimumWidth = FieldWidth}}, this);
    for (int c = 0; c < Prefixes::PerGroup; ++c) {
        // Room for a two-digit prefix number, so the columns keep their place when the group
        // changes.
        QLabel* number = m_codes->rowLabel(c);
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("99")));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // After OK the prefix's group is rewritten as it shows; a cancelled keypad writes nothing.
    connect(m_codes, &ValueFieldGrid::activated, this,
            [this](int c, int) { editField(fields()[prefix(c)]); });
    for (int c = 0; c < Prefixes::PerGroup; ++c)
        typingOpensKeypad(m_codes->field(c, 0), fields()[prefix(c)]);

    QVBoxLayout* layout = body();
    layout->addWidget(m_groups);
    layout->addSpacing(6);
    layout->addWidget(m_codes);
    layout->addSpacing(8);
}

int PrefixCodesDialog::prefix(int c) const { return Prefixes::PerGroup * m_group + c; }

void PrefixCodesDialog::display() {
    for (int c = 0; c < Prefixes::PerGroup; ++c) {
        const Fields::Field& field = fields()[prefix(c)];
        m_codes->rowLabel(c)->setText(field.caption);
        m_codes->field(c, 0)->setAccessibleDescription(field.caption);
        m_codes->setValue(c, 0, field.text(m_image));
    }
}

void PrefixCodesDialog::storeGroup() {
    std::array<QString, Prefixes::PerGroup> texts;
    for (int c = 0; c < Prefixes::PerGroup; ++c) texts[c] = m_codes->value(c, 0);
    Prefixes::storeGroup(m_image, m_group, texts);
}

void PrefixCodesDialog::showField(const Fields::Field& field) {
    for (std::size_t n = 0; n < fields().size(); ++n) {
        if (fields()[n].key != field.key) continue;
        // As a click on the group's option would, under the group rule.
        const int group = int(n) / Prefixes::PerGroup;
        if (group != m_group) {
            m_groups->setCurrent(group);
            changeGroup(group);
        }
        focusOn(m_codes->field(int(n) % Prefixes::PerGroup, 0));
        return;
    }
}

void PrefixCodesDialog::changeGroup(int group) {
    // The group being left is written from its fields before the next one is shown.
    storeGroup();
    m_group = group;
    showStoredValues();
}
