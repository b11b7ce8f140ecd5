// The comparison of the open document with another configuration file (or its own saved file):
// every field whose value differs, with both values, and the count of differing bytes no field
// shows. One modeless window; it compares again whenever the document changes. The other file
// is read once and never written; "Copy to Document" stores its values through the fields' own
// store rules, as if typed in their dialogs.
#pragma once

#include <QDialog>
#include <functional>

#include "core/image.h"
#include "fields/compare.h"

class QLabel;
class QPushButton;
class QTreeWidget;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // `stored` runs after "Copy to Document" changed the document.
    CompareWindow(Image& document, std::function<bool()> fourMemorySaves,
                  std::function<void()> stored, QWidget* parent = nullptr);

    // Compares the document with `other`, read from `name`: the document's own saved file when
    // `saved`, which the window then follows to the next file opened.
    void compareWith(const Image& other, const QString& name, bool saved = false);
    bool comparesWithSaved() const { return m_saved; }
    // Compares again (the document changed).
    void refresh();

    QTreeWidget* rows() const { return m_rows; }
    const Compare::Comparison& comparison() const { return m_comparison; }
    // Copies the other file's values of the selected rows; false (and the reason shown) when
    // refused.
    bool copySelected();

signals:
    // A double click on a row: open the field's editor in the document.
    void fieldActivated(const QString& key);

private:
    std::vector<std::size_t> selectedFields() const;
    void updateCopyButton();

    Image& m_document;
    std::function<bool()> m_fourMemorySaves;
    std::function<void()> m_stored;
    Image m_other{};
    Compare::Comparison m_comparison;
    bool m_saved = false;
    QLabel* m_summary;
    QTreeWidget* m_rows;
    QPushButton* m_copy;
};
