// Rows of clickable value fields beside their row labels, as the codes, timers and voice
// messages dialogs show them: optional column headings, an optional unit caption after each row,
// object names by pattern, and the rows optionally split over side-by-side groups. A click, Enter
// or Space on any field is one signal, activated(row, column).
#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class ValueField;

// One column of value fields.
struct ValueColumn {
    QString name = {};         // object name of the column's fields; "%1" stands for the row number
    QString heading = {};      // caption above the column; no heading when empty
    QString headingName = {};  // object name of the heading ("<name>_<group>" in later groups)
    int minimumWidth = 0;      // 0 keeps the value field's own
    bool stretch = false;      // the column takes the width the dialog has to spare
};

// The rows of a grid.
struct ValueRows {
    QStringList labels = {};  // one per row: " 1".." 12", "0".."4" or captions
    QString labelName = {};   // object name of the row labels; "%1" stands for the row number
    QStringList units = {};   // optional: a caption right of each row's last field
    QString unitName = {};    // object name of the unit captions; "%1" stands for the row number
    int firstNumber = 0;      // the row number of row 0 in object names
    int rowsPerGroup = 0;     // rows per side-by-side group (0..7 left, 8..15 right); 0: one group
    int rowSpacing = 6;
};

class ValueFieldGrid : public QWidget {
    Q_OBJECT
public:
    ValueFieldGrid(const ValueRows& rows, const QList<ValueColumn>& columns,
                   QWidget* parent = nullptr);

    int rowCount() const { return int(m_labels.size()); }

    // Row and column count from 0; nullptr outside the grid (and for units without a unit
    // column).
    ValueField* field(int row, int column) const;
    QLabel* rowLabel(int row) const;
    QLabel* unitLabel(int row) const;

    void setValue(int row, int column, const QString& value);
    // The text a field shows; empty outside the grid.
    QString value(int row, int column) const;

signals:
    // The field at (row, column) was clicked, or Enter or Space was pressed on it.
    void activated(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_columnCount;
    QList<QLabel*> m_labels;
    QList<QLabel*> m_units;
    QList<ValueField*> m_fields;  // row by row
};
