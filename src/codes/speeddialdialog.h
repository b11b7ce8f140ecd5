// The speed-dial dialogs: the hundred user entries ten at a time by group, and the five emergency
// entries. A number is edited on the keypad, an identification through the voice composer, and
// each is written into its record as soon as the keypad or the composer closes.
#pragma once

#include "codes/speeddial.h"
#include "core/image.h"
#include "ui/editordialog.h"

class GroupSelector;
class ValueFieldGrid;

// What both speed-dial dialogs share: rows of a position label, a telephone number field and an
// identification field, the keypad edit of the number and the composer edit of the
// identification.
class SpeedDialTableDialog : public EditorDialog {
    Q_OBJECT
public:
    void showField(const Fields::Field& field) override;

protected:
    enum class Order { IdentificationFirst, NumberFirst };

    SpeedDialTableDialog(const EditorContext& context, const QString& objectName,
                         const QString& title, QWidget* parent);

    // Builds the rows (position labels lblPos<row>, numbers lblNum<row>, identifications
    // lblID<row>) with the two column headings in `order`.
    ValueFieldGrid* buildRows(const QStringList& positions, Order order);

    // The entry shown in a row, counted in the dialog's table.
    virtual int entry(int row) const = 0;
    // The row's fields from the table: each entry has its number, then its identification.
    const Fields::Field& numberField(int row) const;
    const Fields::Field& identificationField(int row) const;
    // Focuses the row's field that is `field` among the rows shown; false when none is.
    bool focusShownField(const Fields::Field& field);

    // Every row from its record.
    void showRows();

    ValueFieldGrid* m_rows = nullptr;

private:
    void activateCell(int row, int column);

    int m_numberColumn = 0;
    int m_identificationColumn = 0;
};

class SpeedDialDialog : public SpeedDialTableDialog {
    Q_OBJECT
public:
    // The frame fraGroup holds the group options optGrp0..optGrp9; ten rows with the position
    // labels lblPos0..lblPos9, identifications lblID0..lblID9 and numbers lblNum0..lblNum9;
    // cmdOK closes. The dialog opens on group 0.
    explicit SpeedDialDialog(const EditorContext& context, QWidget* parent = nullptr);

    int group() const { return m_group; }
    void showField(const Fields::Field& field) override;

protected:
    void display() override;

    int entry(int row) const override { return SpeedDial::RowsPerGroup * m_group + row; }

private:
    void changeGroup(int group);

    GroupSelector* m_groups;
    int m_group = 0;
};

class EmergencySpeedDialDialog : public SpeedDialTableDialog {
    Q_OBJECT
public:
    // Five rows with the position labels lblPos0..lblPos4, numbers lblNum0..lblNum4 and
    // identifications lblID0..lblID4; cmdOK closes.
    explicit EmergencySpeedDialDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    void display() override { showRows(); }

    int entry(int row) const override { return row; }
};
