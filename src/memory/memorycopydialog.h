// The memory save copying dialog: copies one kind of Base data (zones, control codes, timers or
// voice messages) into one of the four memory saves.
#pragma once

#include <array>

#include "core/image.h"
#include "ui/editordialog.h"

class Prompts;
class QPushButton;
struct Settings;

class MemoryCopyDialog : public EditorDialog {
    Q_OBJECT
public:
    // The "Copy" buttons are named cmdCopy_<row>_<n>: row 0..3 as listed, n = memory save 1..4.
    explicit MemoryCopyDialog(const EditorContext& context, QWidget* parent = nullptr);

protected:
    // Column 4 follows the memory layout, which the repeater configuration may have changed.
    void display() override;
    // The memory layout setting.
    std::optional<QByteArray> shownValues() const override;

private:
    void copyBlock(int row, int memorySave);

    std::array<std::array<QPushButton*, 4>, 4> m_copy{};
};
