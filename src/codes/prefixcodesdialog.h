// The prefix codes dialog: the hundred three-digit telephone prefixes, twenty at a time by group,
// each edited on the keypad; the shown group is written as soon as the keypad closes and when
// another group is chosen.
#pragma once

#include "core/image.h"
#include "ui/editordialog.h"

class GroupSelector;
class ValueFieldGrid;

class PrefixCodesDialog : public EditorDialog {
    Q_OBJECT
public:
    // The frame fraGroup holds the group options optGrp0..optGrp4; twenty fields lblPFX0..lblPFX19
    // in four columns of five (column l holds line l of the group) beside their prefix numbers
    // lblPos0..lblPos19; cmdOK closes. The dialog opens on group 0.
    explicit PrefixCodesDialog(const EditorContext& context, QWidget* parent = nullptr);

    int group() const { return m_group; }

protected:
    void display() override;
    void showField(const Fields::Field& field) override;

private:
    int prefix(int c) const;
    // Writes the four lines of the shown group from its twenty fields.
    void storeGroup();
    void changeGroup(int group);

    GroupSelector* m_groups;
    ValueFieldGrid* m_codes;
    int m_group = 0;
};
