#include "memory/memorycopydialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "memory/memoryblocks.h"
#include "ui/prompts.h"
#include "ui/windows.h"

using namespace MemoryBlocks;

MemoryCopyDialog::MemoryCopyDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmMemory"), QString::fromLatin1(MemoryTitle),
                    QStringLiteral("memory.html")},
                   parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);

    grid->addWidget(
        columnHeading(QString::fromLatin1(IntoMemorySaves), QStringLiteral("lblInto"), this), 0, 1,
        1, Region::MemorySaveCount);
    grid->addWidget(columnHeading(QString::fromLatin1(FromBase), QStringLiteral("lblFrom"), this,
                                  Qt::AlignLeft),
                    1, 0);
    for (int n = 1; n <= Region::MemorySaveCount; ++n)
        grid->addWidget(columnHeading(QString::number(n), QStringLiteral("lblSave%1").arg(n), this),
                        1, n);

    for (int row = 0; row < CopyRowCount; ++row) {
        const QString caption = QString::fromLatin1(CopyRows[row].caption);
        auto* label = new QLabel(caption);
        label->setObjectName(QStringLiteral("lblRow%1").arg(row));
        grid->addWidget(label, row + 2, 0);
        for (int n = 1; n <= Region::MemorySaveCount; ++n) {
            auto* copy = new QPushButton(QString::fromLatin1(CopyButton));
            copy->setObjectName(QStringLiteral("cmdCopy_%1_%2").arg(row).arg(n));
            copy->setAutoDefault(false);
            // Sixteen buttons share one caption; the description tells a screen-reader user which.
            copy->setAccessibleDescription(tr("%1 into memory save %2").arg(caption).arg(n));
            connect(copy, &QPushButton::clicked, this, [this, row, n] { copyBlock(row, n); });
            grid->addWidget(copy, row + 2, n);
            m_copy[row][n - 1] = copy;
        }
    }

    QVBoxLayout* layout = body();
    layout->addLayout(grid);
    layout->addSpacing(10);
}

std::optional<QByteArray> MemoryCopyDialog::shownValues() const {
    return QByteArray(1, m_settings.fourMemorySaves ? '1' : '0');
}

void MemoryCopyDialog::display() {
    // With DIP switch #5 on, the region of memory save #4 holds the area-code and prefix tables,
    // which a copy must not overwrite.
    const bool enabled = m_settings.fourMemorySaves;
    for (auto& row : m_copy) row[Region::MemorySaveCount - 1]->setEnabled(enabled);
}

void MemoryCopyDialog::copyBlock(int row, int memorySave) {
    if (memorySave == Region::MemorySaveCount && !m_settings.fourMemorySaves) return;
    copyToMemorySave(m_image, row, memorySave);
    // "Copy Voice Messages to Memory Save #2": the row's caption without its trailing stop.
    QString caption = QString::fromLatin1(CopyRows[row].caption);
    while (caption.endsWith(QLatin1Char('.')) || caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    reportStored(tr("Copy %1 to Memory Save #%2").arg(caption).arg(memorySave));
    m_prompts.beep();
    m_prompts.message(Icon::Information, QString::fromLatin1(MemoryTitle),
                      QString::fromLatin1(CopyDoneText));
}
