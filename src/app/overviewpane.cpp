#include "app/overviewpane.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <optional>

#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fields/overview.h"
#include "ui/imagewatch.h"

namespace {
// The catalogue index of the field a row shows; area and block rows have none.
constexpr int FieldRole = Qt::UserRole + 1;
}  // namespace

// Lets through the field rows the pane accepts; the areas and blocks of those rows stay, as
// the filter is recursive.
class OverviewFilter : public QSortFilterProxyModel {
public:
    explicit OverviewFilter(QObject* parent) : QSortFilterProxyModel(parent) {
        setRecursiveFilteringEnabled(true);
    }
    std::function<bool(std::size_t)> accepts;
    // Looks again at every row, keeping the rows that stay.
    void refilter() { invalidateRowsFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QVariant field = sourceModel()->index(row, 0, parent).data(FieldRole);
        return field.isValid() && accepts && accepts(field.toULongLong());
    }
};

OverviewPane::OverviewPane(const Image& image, QWidget* parent)
    : QWidget(parent), m_image(image), m_model(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("Overview"));
    m_filter = new OverviewFilter(this);
    m_filter->accepts = [this](std::size_t field) { return accepts(field); };
    m_filter->setSourceModel(m_model);

    m_filterBox = new QLineEdit(this);
    m_filterBox->setObjectName(QStringLiteral("txtFilter"));
    m_filterBox->setPlaceholderText(tr("Find fields by caption, value or key (Ctrl+F)"));
    m_filterBox->setClearButtonEnabled(true);
    m_filterBox->setAccessibleName(tr("Filter"));
    m_hideEmpty = new QCheckBox(tr("Hide empty values"), this);
    m_hideEmpty->setObjectName(QStringLiteral("chkHideEmpty"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblMatches"));

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("treeOverview"));
    m_tree->setModel(m_filter);
    m_tree->setAccessibleName(tr("Configuration overview"));
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->header()->setStretchLastSection(true);
    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (const Fields::Field* field = fieldAt(index)) emit fieldActivated(field->key);
    });

    connect(m_filterBox, &QLineEdit::textChanged, this, &OverviewPane::setFilter);
    // Enter opens the first field the filter found; Down goes into the tree. The undo and redo
    // keys are the document's, not the filter text's, and its menu offers neither.
    connect(m_filterBox, &QLineEdit::returnPressed, this, [this] {
        if (const Fields::Field* field = fieldAt(firstMatch()); field && m_matches > 0)
            emit fieldActivated(field->key);
    });
    m_filterBox->installEventFilter(this);
    m_filterBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_filterBox, &QLineEdit::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = m_filterBox->createStandardContextMenu();
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("edit-undo") ||
                action->objectName() == QLatin1String("edit-redo"))
                menu->removeAction(action);
        // The line that stood under them goes too.
        if (!menu->actions().isEmpty() && menu->actions().constFirst()->isSeparator())
            menu->removeAction(menu->actions().constFirst());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_filterBox->mapToGlobal(at));
    });
    m_noMatch = new QLabel(m_tree->viewport());
    m_noMatch->setObjectName(QStringLiteral("lblNoMatch"));
    m_noMatch->setAlignment(Qt::AlignCenter);
    m_noMatch->setWordWrap(true);
    m_noMatch->hide();
    m_tree->viewport()->installEventFilter(this);
    connect(m_hideEmpty, &QCheckBox::toggled, this, &OverviewPane::setHidingEmpty);

    auto* top = new QHBoxLayout;
    top->addWidget(m_filterBox, 1);
    top->addWidget(m_hideEmpty);
    top->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
}

void OverviewPane::rebuild(bool fourMemorySaves) {
    // The other layout's tree has other rows: what the user had open is kept by the titles of
    // its rows, the selection by its field's key.
    QSet<QString> open;
    forEachRow([this, &open](const QString& path, const QModelIndex& index) {
        if (m_tree->isExpanded(index)) open.insert(path);
    });
    const Fields::Field* selected = fieldAt(m_tree->currentIndex());
    const QString selectedKey = selected ? selected->key : QString();
    m_fields = &Fields::catalogue(fourMemorySaves);
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("Field"), tr("Value")});
    m_values.assign(m_fields->size(), nullptr);
    const std::span<const Fields::Area> areas = Fields::areas();
    std::vector<QStandardItem*> areaItems(areas.size(), nullptr);
    std::vector<std::vector<QStandardItem*>> blockItems(areas.size());
    const auto row = [](QStandardItem* parent, const QString& caption) {
        auto* item = new QStandardItem(caption);
        parent->appendRow({item, new QStandardItem});
        return item;
    };
    // The areas in menu order, each made when its first field comes.
    for (std::size_t a = 0; a < areas.size(); ++a) {
        areaItems[a] = new QStandardItem(Overview::areaTitle(int(a)));
        blockItems[a].assign(6, nullptr);
    }
    // A record of more than one field is a level of its own, named with its summary.
    m_records.clear();
    QStandardItem* record = nullptr;
    for (std::size_t i = 0; i < m_fields->size(); ++i) {
        const Fields::Field& field = (*m_fields)[i];
        QStandardItem* parent = areaItems[std::size_t(field.area)];
        if (field.block) {
            QStandardItem*& block = blockItems[std::size_t(field.area)][std::size_t(*field.block)];
            if (!block) block = row(parent, Overview::blockTitle(*field.block));
            parent = block;
        }
        const auto sameRecord = [this, &field](std::size_t other) {
            const Fields::Field& o = (*m_fields)[other];
            return o.record && o.area == field.area && o.block == field.block &&
                   o.record->name == field.record->name;
        };
        if (!field.record) {
            record = nullptr;
        } else if (i == 0 || !sameRecord(i - 1)) {
            record = i + 1 < m_fields->size() && sameRecord(i + 1)
                         ? row(parent, Overview::recordTitle(*field.record, m_image))
                         : nullptr;
            if (record && field.record->summary) m_records.push_back({record, i});
        }
        if (record) parent = record;
        auto* caption = new QStandardItem(field.caption);
        caption->setData(qulonglong(i), FieldRole);
        caption->setToolTip(field.key);  // the key orvtool writes it under
        auto* value = new QStandardItem(Overview::shownValue(field, m_image));
        value->setToolTip(field.key);
        value->setAccessibleText(field.caption + QStringLiteral(": ") + value->text());
        parent->appendRow({caption, value});
        m_values[i] = value;
    }
    for (QStandardItem* area : areaItems) {
        if (area->hasChildren())
            m_model->appendRow({area, new QStandardItem});
        else
            delete area;
    }
    // The Field column as wide as its widest caption at its depth (area, block, record, field),
    // and never wider than half the pane.
    int widest = 0;
    for (const Fields::Field& field : *m_fields)
        widest = std::max(widest, fontMetrics().horizontalAdvance(field.caption) +
                                      m_tree->indentation() *
                                          (2 + (field.block ? 1 : 0) + (field.record ? 1 : 0)));
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_tree->setColumnWidth(0, std::min(widest + 24, std::max(width() / 2, 300)));
    applyFilter();
    forEachRow([this, &open, &selectedKey](const QString& path, const QModelIndex& index) {
        if (open.contains(path)) m_tree->expand(index);
        const Fields::Field* field = fieldAt(index);
        if (field && field->key == selectedKey) m_tree->setCurrentIndex(index);
    });
}

void OverviewPane::forEachRow(
    const std::function<void(const QString&, const QModelIndex&)>& visit) const {
    std::function<void(const QModelIndex&, const QString&)> walk = [&](const QModelIndex& parent,
                                                                       const QString& above) {
        for (int row = 0; row < m_filter->rowCount(parent); ++row) {
            const QModelIndex index = m_filter->index(row, 0, parent);
            const QString path = above + QLatin1Char('/') + index.data().toString();
            visit(path, index);
            walk(index, path);
        }
    };
    walk({}, {});
}

void OverviewPane::refresh(const Fields::ByteRanges& changed) {
    if (!m_fields) return;
    for (std::size_t i = 0; i < m_fields->size(); ++i) {
        QStandardItem* value = m_values[i];
        if (!value || !Fields::readsFrom((*m_fields)[i], m_image, changed)) continue;
        const QString text = Overview::shownValue((*m_fields)[i], m_image);
        if (text == value->text()) continue;
        value->setText(text);
        value->setAccessibleText((*m_fields)[i].caption + QStringLiteral(": ") + text);
    }
    for (const auto& [item, field] : m_records) {
        const QString title = Overview::recordTitle(*(*m_fields)[field].record, m_image);
        if (item->text() != title) item->setText(title);
    }
    // The filter model looks again at the rows whose values changed by itself; only the count
    // is read afresh, so the tree keeps its expansion, selection and scroll position. A row
    // may become empty or not with another's value (a review's command, a record's use).
    if (m_hideEmpty->isChecked()) {
        const std::vector<bool> before = m_empty;
        findEmptyValues();
        if (m_empty != before) m_filter->refilter();
    }
    if (!m_filterBox->text().isEmpty() || m_hideEmpty->isChecked()) showCount();
}

bool OverviewPane::accepts(std::size_t field) const {
    if (!m_fields || field >= m_fields->size() || !m_values[field]) return false;
    if (m_hideEmpty->isChecked() && field < m_empty.size() && m_empty[field]) return false;
    return Overview::matches((*m_fields)[field], m_values[field]->text(), m_filterBox->text());
}

void OverviewPane::findEmptyValues() {
    m_empty.clear();
    if (!m_fields || !m_hideEmpty->isChecked()) return;
    std::vector<QString> shown;
    shown.reserve(m_values.size());
    for (const QStandardItem* value : m_values) shown.push_back(value ? value->text() : QString());
    m_empty = Overview::emptyValues(*m_fields, shown, m_image);
}

void OverviewPane::applyFilter() {
    // The tree remembers each expanded row for good, also once the filter has taken it away, so a
    // filter that expands everything would keep a little more memory with every key typed. Its
    // memory is emptied first; what the filter shows is expanded anew anyway.
    const bool expand = !m_filterBox->text().isEmpty();
    if (expand) m_tree->collapseAll();
    findEmptyValues();
    m_filter->invalidate();
    showCount();
    if (expand) m_tree->expandAll();
}

void OverviewPane::showCount() {
    m_matches = 0;
    if (m_fields)
        for (std::size_t i = 0; i < m_fields->size(); ++i)
            if (accepts(i)) ++m_matches;
    const int all = m_fields ? int(m_fields->size()) : 0;
    m_count->setText(m_matches == all ? tr("%1 fields").arg(all)
                                      : tr("%1 of %2 fields").arg(m_matches).arg(all));
    m_noMatch->setText(tr("No field matches \"%1\"").arg(m_filterBox->text()));
    m_noMatch->setGeometry(m_tree->viewport()->rect());
    m_noMatch->setVisible(m_fields && m_matches == 0 && !m_filterBox->text().isEmpty());
}

void OverviewPane::setFilter(const QString& text) {
    if (m_filterBox->text() != text) {
        m_filterBox->setText(text);  // its change comes back here
        return;
    }
    applyFilter();
}

void OverviewPane::setHidingEmpty(bool hide) {
    if (m_hideEmpty->isChecked() != hide) {
        m_hideEmpty->setChecked(hide);  // its toggle comes back here
        return;
    }
    applyFilter();
}

const Fields::Field* OverviewPane::fieldAt(const QModelIndex& index) const {
    const QModelIndex source = m_filter->mapToSource(index.siblingAtColumn(0));
    const QVariant field = source.data(FieldRole);
    if (!field.isValid() || !m_fields) return nullptr;
    return &(*m_fields)[field.toULongLong()];
}

QModelIndex OverviewPane::firstMatch() const {
    // Down the first branch of the filtered tree to its first field row.
    QModelIndex index = m_filter->index(0, 0);
    while (index.isValid() && !fieldAt(index)) index = m_filter->index(0, 0, index);
    return index;
}

bool OverviewPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree->viewport()) {
        if (event->type() == QEvent::Resize) m_noMatch->setGeometry(m_tree->viewport()->rect());
        return false;
    }
    if (watched != m_filterBox) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (ImageWatch::undoKeys().contains(pressed) || ImageWatch::redoKeys().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        const QModelIndex first = firstMatch();
        if (!first.isValid()) return false;
        m_tree->setCurrentIndex(first);
        m_tree->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void OverviewPane::focusFilter() {
    m_filterBox->setFocus(Qt::ShortcutFocusReason);
    m_filterBox->selectAll();
}
