// The memory flush dialog: shows which large memory areas hold data (red box) and clears one of
// them to zero after a question.
#pragma once

#include <array>

#include "core/image.h"
#include "memory/memoryblocks.h"
#include "ui/editordialog.h"

class Prompts;
class QFrame;
class QLabel;
struct Settings;

class MemoryFlushDialog : public EditorDialog {
    Q_OBJECT
public:
    // Rows 0..8: caption lblCaption<row>, indicator box shpBox<row> (property "filled"),
    // button cmdFlush<row>; cmdOK closes.
    explicit MemoryFlushDialog(const EditorContext& context, QWidget* parent = nullptr);

    // True when the row's box shows red, i.e. its area held data at the last display.
    bool isFilled(int row) const;

protected:
    void display() override;
    // The memory layout setting and which areas hold data.
    std::optional<QByteArray> shownValues() const override;

private:
    void flushRow(int row);
    void setFilled(int row, bool filled);

    std::array<QLabel*, MemoryBlocks::FlushRowCount> m_caption{};
    std::array<QFrame*, MemoryBlocks::FlushRowCount> m_box{};
};
