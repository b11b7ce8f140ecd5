#include "codes/frmCodes_1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codes/codec.h"
#include "codes/codestable.h"
#include "codes/keypadkinds.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

namespace {
constexpr int CodeLimit = 7;
}

frmCodes_1::frmCodes_1(Image& image, Prompts& prompts, int block, QWidget* parent)
    : OrvDialog(parent),
      m_image(image),
      m_prompts(prompts),
      m_block(qBound(0, block, Region::BlockCount - 1)) {
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
        connect(field, &ValueField::clicked, this, [this, k] { lblCode_Click(k); });
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        lblCode.append(field);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    connect(addOkRow(layout), &QPushButton::clicked, this, &QDialog::accept);

    DisplayCodes();
}

void frmCodes_1::DisplayCodes() {
    setWindowTitle(QString::fromLatin1(Codes::Titles[m_block]));
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        lblCode[k]->setValue(DecodeDigits(m_image, Codes::codeOffset(m_block, k), CodeLimit));
}

void frmCodes_1::SaveCodes() {
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        EncodeDigits(m_image, Codes::codeOffset(m_block, k), lblCode[k]->value(),
                     LengthRule::Characters);
}

void frmCodes_1::lblCode_Click(int k) {
    const QString text =
        m_prompts.showKeyPad(KeySet::Codes, CodeLimit, QString::fromLatin1(Codes::CodeHeading(k)),
                             lblCode[k]->value(), CheckKind::None);
    lblCode[k]->setValue(text);
    // Every code of the block is rewritten from its field, the unchanged ones too.
    SaveCodes();
    DisplayCodes();
}
