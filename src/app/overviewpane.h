// The main window's overview of the open configuration: every field the editors show, as a tree
// of areas (in menu order), blocks and fields with their shown values, a filter that narrows it
// as you type, and a switch that hides empty values. It follows the image through the watch:
// only the fields read from changed bytes are read again, and the tree keeps its expansion,
// selection and scroll position.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QStandardItem;
class QStandardItemModel;
class QTreeView;
class OverviewFilter;

class OverviewPane : public QWidget {
    Q_OBJECT
public:
    // The tree column that holds the shown values.
    static constexpr int ValueColumn = 1;

    OverviewPane(const Image& image, QWidget* parent = nullptr);

    // Builds the tree for the fields of a memory layout.
    void rebuild(bool fourMemorySaves);
    // Reads again the fields read from `changed`.
    void refresh(const Fields::ByteRanges& changed);

    // The filter text; the number of fields it (and the empty switch) lets through.
    void setFilter(const QString& text);
    int matchCount() const { return m_matches; }
    void setHidingEmpty(bool hide);

    QTreeView* tree() const { return m_tree; }
    // The field a tree row shows; nothing for an area or block row.
    const Fields::Field* fieldAt(const QModelIndex& index) const;
    // Puts the focus on the filter box (Ctrl+F).
    void focusFilter();
    // The first field row the tree shows, in its order; invalid when it shows none.
    QModelIndex firstMatch() const;

signals:
    // Enter or a double click on a field row.
    void fieldActivated(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool accepts(std::size_t field) const;
    // Visits every row the tree shows, with the path of titles that leads to it.
    void forEachRow(const std::function<void(const QString&, const QModelIndex&)>& visit) const;
    // Reads which fields show no value, while empty values are hidden.
    void findEmptyValues();
    void applyFilter();
    void showCount();

    const Image& m_image;
    const Fields::FieldList* m_fields = nullptr;
    std::vector<QStandardItem*> m_values;  // the value item of each field, in catalogue order
    std::vector<bool> m_empty;
    // The record rows whose titles sum up their values, with a field of each record.
    std::vector<std::pair<QStandardItem*, std::size_t>>
        m_records;  // while hiding empty values: which fields show none
    QStandardItemModel* m_model;
    OverviewFilter* m_filter;
    QLineEdit* m_filterBox;
    QCheckBox* m_hideEmpty;
    QLabel* m_count;
    QLabel* m_noMatch;  // over the tree while the filter finds nothing
    QTreeView* m_tree;
    int m_matches = 0;
};
