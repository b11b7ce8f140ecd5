#include "codes/controlcodesdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codes/controlcodes.h"
#include "formats/dtmfcodec.h"
#include "formats/keypadrequest.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr int CodeLimit = 7;
}

ControlCodesDialog::ControlCodesDialog(Image& image, Prompts& prompts, Block block, QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts), m_block(block) {
    setObjectName(QStringLiteral("frmCodes_1"));
    setHelpTopic(QStringLiteral("codes.html"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(2, 24);
    for (int k = 0; k < Region::Rel::CodeCount; ++k) {
        const int row = k % Codes::RowsPerColumn;
        const int column = 3 * (k / Codes::RowsPerColumn);
        auto* label = new QLabel(QString::fromLatin1(Codes::Rows[k].label), this);
        label->setObjectName(QStringLiteral("lblCaption%1").arg(k));
        auto* field = new ValueField(this);
        field->setObjectName(QStringLiteral("lblCode%1").arg(k));
        field->setRowLabel(label);
        field->setMinimumWidth(110);
        connect(field, &ValueField::clicked, this, [this, k] { editCode(k); });
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        m_fields.append(field);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    connect(addOkRow(layout), &QPushButton::clicked, this, &QDialog::accept);

    showCodes();
}

void ControlCodesDialog::showCodes() {
    setWindowTitle(blockTitle(BlockArea::Codes, m_block));
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        m_fields[k]->setValue(
            digitFieldText(m_image, Codes::codeOffset(blockIndex(m_block), k), CodeLimit));
}

void ControlCodesDialog::storeCodes() {
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        storeDigitField(m_image, Codes::codeOffset(blockIndex(m_block), k), m_fields[k]->value(),
                        LengthRule::Characters);
}

void ControlCodesDialog::editCode(int k) {
    const QString text =
        m_prompts.enterKeys({KeySet::Codes, CodeLimit, QString::fromLatin1(Codes::codeHeading(k)),
                             m_fields[k]->value(), EntryCheck::None});
    m_fields[k]->setValue(text);
    // Every code of the block is rewritten from its field, the unchanged ones too.
    storeCodes();
    showCodes();
}
