#include "app/comparewindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "fields/catalogue.h"
#include "fields/overview.h"

namespace {
constexpr int FieldRole = Qt::UserRole + 1;  // the catalogue index of a row's field
}  // namespace

CompareWindow::CompareWindow(Image& document, std::function<bool()> fourMemorySaves,
                             std::function<void()> stored, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_fourMemorySaves(std::move(fourMemorySaves)),
      m_stored(std::move(stored)) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("lstDifferences"));
    m_rows->setAccessibleName(tr("Differing fields"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAlternatingRowColors(true);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->setHeaderLabels(
        {tr("Area"), tr("Place"), tr("Field"), tr("This document"), tr("Other file")});
    m_rows->header()->setStretchLastSection(true);

    m_copy = new QPushButton(tr("Copy to Document"), this);
    m_copy->setObjectName(QStringLiteral("cmdCopyToDocument"));
    m_copy->setAutoDefault(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_copy, &QPushButton::clicked, this, &CompareWindow::copySelected);
    connect(m_rows, &QTreeWidget::itemSelectionChanged, this, &CompareWindow::updateCopyButton);
    connect(m_rows, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const Fields::FieldList& fields = Fields::catalogue(m_fourMemorySaves());
        const std::size_t field = item->data(0, FieldRole).toULongLong();
        if (field < fields.size()) emit fieldActivated(fields[field].key);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_rows, 1);
    layout->addLayout(buttons);
    resize(860, 480);
}

void CompareWindow::compareWith(const Image& other, const QString& name, bool saved) {
    m_other = other;
    m_saved = saved;
    setWindowTitle(tr("Compare With %1").arg(name));
    m_rows->headerItem()->setText(4, saved ? tr("Saved file") : tr("Other file"));
    refresh();
}

void CompareWindow::refresh() {
    const bool four = m_fourMemorySaves();
    m_comparison = Compare::compare(m_document, m_other, four);
    const Fields::FieldList& fields = Fields::catalogue(four);
    // The selection is kept by field across the refresh.
    std::vector<std::size_t> selected = selectedFields();
    m_rows->clear();
    for (const Compare::Row& row : m_comparison.rows) {
        const Fields::Field& field = fields[row.field];
        auto* item =
            new QTreeWidgetItem(m_rows, {Overview::areaTitle(field.area), Overview::placeOf(field),
                                         field.caption, row.mine, row.theirs});
        item->setData(0, FieldRole, qulonglong(row.field));
        for (int c = 0; c < item->columnCount(); ++c) item->setToolTip(c, field.key);
        if (std::find(selected.begin(), selected.end(), row.field) != selected.end())
            item->setSelected(true);
    }
    for (int c = 0; c < 4; ++c) m_rows->resizeColumnToContents(c);
    const int fieldCount = int(m_comparison.rows.size());
    const int bytes = m_comparison.otherBytes;
    QString summary = m_comparison.identical ? tr("The files are identical.")
                      : fieldCount == 0      ? tr("No field differs.")
                      : fieldCount == 1      ? tr("1 field differs.")
                                             : tr("%1 fields differ.").arg(fieldCount);
    if (bytes == 1)
        summary += QLatin1Char(' ') + tr("1 other byte differs that no field shows.");
    else if (bytes > 1)
        summary += QLatin1Char(' ') + tr("%1 other bytes differ that no field shows.").arg(bytes);
    m_summary->setText(summary);
    updateCopyButton();
}

std::vector<std::size_t> CompareWindow::selectedFields() const {
    // The selected rows the user can set; a review or an overview column shown only is left
    // out, so "Select All" copies every value that can be copied.
    std::vector<std::size_t> fields;
    for (QTreeWidgetItem* item : m_rows->selectedItems()) {
        const std::size_t field = item->data(0, FieldRole).toULongLong();
        const auto row = std::find_if(m_comparison.rows.begin(), m_comparison.rows.end(),
                                      [field](const Compare::Row& r) { return r.field == field; });
        if (row != m_comparison.rows.end() && row->shownOnly.isEmpty()) fields.push_back(field);
    }
    std::sort(fields.begin(), fields.end());
    return fields;
}

void CompareWindow::updateCopyButton() {
    const std::vector<std::size_t> fields = selectedFields();
    const QString refused =
        fields.empty() ? tr("Select the rows whose values the document should take; a value "
                            "only shown is taken with the value it is shown from.")
                       : Compare::copyRefusal(m_document, m_other, fields, m_fourMemorySaves());
    m_copy->setEnabled(refused.isEmpty());
    m_copy->setToolTip(refused);
    m_copy->setText(fields.empty()       ? tr("Copy to Document")
                    : fields.size() == 1 ? tr("Copy 1 Value to Document")
                                         : tr("Copy %1 Values to Document").arg(fields.size()));
}

bool CompareWindow::copySelected() {
    const QString refused =
        Compare::copyToDocument(m_document, m_other, selectedFields(), m_fourMemorySaves());
    if (!refused.isEmpty()) {
        m_copy->setToolTip(refused);
        return false;
    }
    if (m_stored) m_stored();
    refresh();
    return true;
}
