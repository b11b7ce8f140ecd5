// The macro dialog: the ten macros as a grid of trigger codes and commands, each edited on the
// keypad and stored at once; a click on a macro's number opens the review of its commands.
#pragma once

#include <vector>

#include "core/image.h"
#include "ui/editordialog.h"

class MacroReviewDialog;
class Prompts;
class ValueFieldGrid;

class MacrosDialog : public EditorDialog {
    Q_OBJECT
public:
    // Row n (1..10): the number Label1_n (opens the review), the trigger code Label2_n and the
    // commands Label3_n .. Label7_n; cmdOK stores all ten macros and closes.
    explicit MacrosDialog(const EditorContext& context, QWidget* parent = nullptr);

    MacroReviewDialog* review() const { return m_review; }

protected:
    void display() override { showMacros(); }
    void showField(const Fields::Field& field) override;
    // "OK": stores all ten macros from their rows and closes.
    void confirm() override;

private:
    void showMacros();
    // The table's field shown in a cell of the trigger or a command column.
    const Fields::Field& cell(int row, int column) const;
    void activateCell(int row, int column);
    // Stores macro n from its row of the grid.
    void storeMacro(int n);
    void showReview(int n);

    std::vector<const Fields::Field*> m_cells;
    ValueFieldGrid* m_grid;
    MacroReviewDialog* m_review;
};

// The review of one macro: its five commands spelled out from the image.
class MacroReviewDialog : public EditorDialog {
    Q_OBJECT
public:
    // Rows lblRow1..lblRow5 with the texts lblCommand1..lblCommand5; cmdOK hides it.
    explicit MacroReviewDialog(const EditorContext& context, QWidget* parent = nullptr);

    void setMacro(int n);
    int macro() const { return m_macro; }

protected:
    void display() override;
    void confirm() override { hide(); }

private:
    int m_macro = 1;
    class QLabel* m_texts[5] = {};
};
