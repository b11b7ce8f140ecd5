#include "codes/speeddialdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codefields.h"
#include "ui/groupselector.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"

namespace {
constexpr char HelpPage[] = "speeddial.html";
// An identification of eight words can be long: its field keeps this width and shows the whole
// text as a tool tip.
constexpr int IdentificationWidth = 520;
constexpr int NumberWidth = 150;
}  // namespace

SpeedDialTableDialog::SpeedDialTableDialog(const EditorContext& context, const QString& objectName,
                                           const QString& title, QWidget* parent)
    : EditorDialog(context, {objectName, title, QLatin1String(HelpPage)}, parent) {}

ValueFieldGrid* SpeedDialTableDialog::buildRows(const QStringList& positions, Order order) {
    ValueRows rows;
    rows.labels = positions;
    rows.labelName = QStringLiteral("lblPos%1");
    rows.rowSpacing = 4;
    const ValueColumn number{.name = QStringLiteral("lblNum%1"),
                             .heading = QLatin1String(SpeedDial::NumberColumn),
                             .headingName = QStringLiteral("lblHeadNum"),
                             .minimumWidth = NumberWidth};
    const ValueColumn identification{.name = QStringLiteral("lblID%1"),
                                     .heading = QLatin1String(SpeedDial::IdentificationColumn),
                                     .headingName = QStringLiteral("lblHeadID"),
                                     .minimumWidth = IdentificationWidth,
                                     .stretch = true};
    const bool idFirst = order == Order::IdentificationFirst;
    m_identificationColumn = idFirst ? 0 : 1;
    m_numberColumn = idFirst ? 1 : 0;
    m_rows = new ValueFieldGrid(
        rows, idFirst ? QList{identification, number} : QList{number, identification}, this);
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        m_rows->field(r, m_identificationColumn)
            ->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        // Room for a two-digit entry number, so the rows keep their place when the group changes.
        QLabel* position = m_rows->rowLabel(r);
        position->setMinimumWidth(position->fontMetrics().horizontalAdvance(QStringLiteral("99")));
        position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    connect(m_rows, &ValueFieldGrid::activated, this, &SpeedDialTableDialog::activateCell);
    for (int r = 0; r < m_rows->rowCount(); ++r)
        typingOpensKeypad(m_rows->field(r, m_numberColumn), numberField(r));
    return m_rows;
}

const Fields::Field& SpeedDialTableDialog::numberField(int row) const {
    return Fields::recordField(fields(), entry(row), CodeFields::DialNumber);
}

const Fields::Field& SpeedDialTableDialog::identificationField(int row) const {
    return Fields::recordField(fields(), entry(row), CodeFields::DialIdentification);
}

void SpeedDialTableDialog::showRows() {
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        const QString identification = identificationField(r).text(m_image);
        m_rows->setValue(r, m_numberColumn, numberField(r).text(m_image));
        m_rows->setValue(r, m_identificationColumn, identification);
        // The position label may have changed with the group: the fields say which entry they
        // belong to.
        const QString position = m_rows->rowLabel(r)->text();
        m_rows->field(r, 0)->setAccessibleDescription(position);
        m_rows->field(r, 1)->setAccessibleDescription(
            position + QStringLiteral(", ") +
            QLatin1String(m_numberColumn == 1 ? SpeedDial::NumberColumn
                                              : SpeedDial::IdentificationColumn));
    }
}

void SpeedDialTableDialog::activateCell(int row, int column) {
    // A cancelled keypad writes nothing: an erased or over-long digit count stays, and with it
    // the identification the row shows. After OK the identification bytes of the record stay as
    // they are; after the composer only words composed anew are written.
    if (column == m_numberColumn)
        editField(numberField(row));
    else
        composeField(identificationField(row));
}

SpeedDialDialog::SpeedDialDialog(const EditorContext& context, QWidget* parent)
    : SpeedDialTableDialog(context, QStringLiteral("frmSpeed"), QLatin1String(SpeedDial::UserTitle),
                           parent) {
    watchFields(CodeFields::userSpeedDials());

    QStringList options;
    for (const char* option : SpeedDial::GroupOptions) options << QLatin1String(option);
    m_groups =
        new GroupSelector(QLatin1String(SpeedDial::GroupFrame), options, QStringLiteral("fraGroup"),
                          QStringLiteral("optGrp%1"), Qt::Vertical, this);
    m_groups->setCurrent(0);
    connect(m_groups, &GroupSelector::changed, this, &SpeedDialDialog::changeGroup);

    QStringList positions;
    for (int a = 0; a < SpeedDial::RowsPerGroup; ++a) positions << QString::number(a);
    ValueFieldGrid* rows = buildRows(positions, Order::IdentificationFirst);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_groups, 0, Qt::AlignTop);
    columns->addSpacing(12);
    columns->addWidget(rows, 1, Qt::AlignTop);
    QVBoxLayout* layout = body();
    layout->addLayout(columns);
    layout->addSpacing(8);
}

void SpeedDialDialog::display() {
    for (int a = 0; a < SpeedDial::RowsPerGroup; ++a)
        m_rows->rowLabel(a)->setText(QString::number(entry(a)));
    showRows();
}

bool SpeedDialTableDialog::focusShownField(const Fields::Field& field) {
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        const int column = numberField(r).key == field.key           ? m_numberColumn
                           : identificationField(r).key == field.key ? m_identificationColumn
                                                                     : -1;
        if (column < 0) continue;
        focusOn(m_rows->field(r, column));
        return true;
    }
    return false;
}

void SpeedDialTableDialog::showField(const Fields::Field& field) { focusShownField(field); }

void SpeedDialDialog::showField(const Fields::Field& field) {
    for (int group = 0; group < m_groups->count(); ++group) {
        m_groups->setCurrent(group);
        changeGroup(group);
        if (focusShownField(field)) return;
    }
    m_groups->setCurrent(0);
    changeGroup(0);
}

void SpeedDialDialog::changeGroup(int group) {
    // Every edit is already stored: a group change only shows the other ten entries.
    m_group = group;
    showStoredValues();
}

EmergencySpeedDialDialog::EmergencySpeedDialDialog(const EditorContext& context, QWidget* parent)
    : SpeedDialTableDialog(context, QStringLiteral("frmEmer"),
                           QLatin1String(SpeedDial::EmergencyTitle), parent) {
    watchFields(CodeFields::emergencySpeedDials());

    QStringList positions;
    for (int k = 0; k < SpeedDial::EmergencyCount; ++k) positions << QString::number(k);
    ValueFieldGrid* rows = buildRows(positions, Order::NumberFirst);

    body()->addWidget(rows);
    body()->addSpacing(8);
}
