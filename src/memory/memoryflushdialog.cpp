#include "memory/memoryflushdialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "ui/prompts.h"

using namespace MemoryBlocks;

namespace {
const char* const FilledProperty = "filled";
}

MemoryFlushDialog::MemoryFlushDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmFlush"), QString::fromLatin1(FlushTitle),
                    QStringLiteral("flush.html")},
                   parent) {
    auto* legend = new QLabel(QString::fromLatin1(FlushLegend));
    legend->setObjectName(QStringLiteral("lblLegend"));
    QFont bold = legend->font();
    bold.setBold(true);
    legend->setFont(bold);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(0, 1);
    for (int row = 0; row < FlushRowCount; ++row) {
        auto* caption = new QLabel;
        caption->setObjectName(QStringLiteral("lblCaption%1").arg(row));
        m_caption[row] = caption;

        auto* box = new QFrame;
        box->setObjectName(QStringLiteral("shpBox%1").arg(row));
        box->setFrameShape(QFrame::Box);
        box->setLineWidth(1);
        box->setFixedSize(22, 16);
        box->setAutoFillBackground(true);
        box->setFocusPolicy(Qt::NoFocus);
        m_box[row] = box;
        setFilled(row, false);

        auto* button = new QPushButton(QString::fromLatin1(FlushButton));
        button->setObjectName(QStringLiteral("cmdFlush%1").arg(row));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, row] { flushRow(row); });
        caption->setBuddy(button);

        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignCenter);
        grid->addWidget(button, row, 2);
    }

    QVBoxLayout* layout = body();
    layout->addWidget(legend);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(10);
}

std::optional<QByteArray> MemoryFlushDialog::shownValues() const {
    QByteArray values(1, m_settings.fourMemorySaves ? '1' : '0');
    for (int row = 0; row < FlushRowCount; ++row) values += holdsData(m_image, row) ? '1' : '0';
    return values;
}

bool MemoryFlushDialog::isFilled(int row) const {
    return row >= 0 && row < FlushRowCount && m_box[row]->property(FilledProperty).toBool();
}

void MemoryFlushDialog::setFilled(int row, bool filled) {
    QFrame* box = m_box[row];
    box->setProperty(FilledProperty, filled);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, filled ? Qt::red : Qt::white);
    box->setPalette(palette);
    // The colour alone says nothing to a screen-reader user.
    box->setAccessibleDescription(filled ? tr("contains data") : tr("empty"));
}

void MemoryFlushDialog::display() {
    const bool fourSaves = m_settings.fourMemorySaves;
    for (int row = 0; row < FlushRowCount; ++row) {
        const QString caption = QString::fromLatin1(flushCaption(row, fourSaves));
        m_caption[row]->setText(caption);
        m_box[row]->setAccessibleName(caption);
        if (QWidget* button = m_caption[row]->buddy()) button->setAccessibleDescription(caption);
        setFilled(row, holdsData(m_image, row));
    }
}

void MemoryFlushDialog::flushRow(int row) {
    if (!m_prompts.askYesNo(Icon::Warning, QString::fromLatin1(EraseTitle),
                            QString::fromLatin1(EraseQuestion)))
        return;
    flush(m_image, row);
    reportStored(tr("Flush %1").arg(QString::fromLatin1(FlushRows[row].caption).trimmed()));
    showStoredValues();
}
