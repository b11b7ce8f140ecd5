#include "voice/voicemessagesdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/valuefield.h"
#include "voice/voicetexts.h"

VoiceMessagesDialog::VoiceMessagesDialog(Image& image, Prompts& prompts, Block block,
                                         QWidget* parent)
    : EditorDialog(parent), m_image(image), m_prompts(prompts), m_block(block) {
    setObjectName(QStringLiteral("frmVoc"));
    setHelpTopic(QString::fromUtf8(VoiceTexts::HelpPage));
    setWindowTitle(blockTitle(BlockArea::Voice, m_block));

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    for (int m = 1; m <= VoiceMessages::Count; ++m) {
        auto* row = new QLabel(VoiceMessages::rowNumberText(m), this);
        row->setObjectName(QStringLiteral("Label1_%1").arg(m));
        auto* field = new ValueField(this);
        field->setObjectName(QStringLiteral("lblMsg%1").arg(m));
        // A message of 23 words is long: the field keeps its width and shows the whole text as a
        // tool tip (and to screen readers as its accessible name).
        field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        field->setMinimumWidth(620);
        field->setRowLabel(row);
        connect(field, &ValueField::clicked, this, [this, m] { editMessage(m); });
        grid->addWidget(row, m - 1, 0);
        grid->addWidget(field, m - 1, 1);
        m_rows[m - 1] = row;
        m_fields[m - 1] = field;
    }

    auto* ok = new QPushButton(QString::fromUtf8(VoiceTexts::Ok), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAutoDefault(false);
    ok->setMinimumWidth(100);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void VoiceMessagesDialog::showMessages() {
    setWindowTitle(blockTitle(BlockArea::Voice, m_block));
    for (int m = 1; m <= VoiceMessages::Count; ++m) {
        m_rows[m - 1]->setText(VoiceMessages::rowNumberText(m));
        const QString text = VoiceMessages::messageText(m_image, blockIndex(m_block), m);
        m_fields[m - 1]->setValue(text);
        m_fields[m - 1]->setToolTip(text);
    }
}

void VoiceMessagesDialog::editMessage(int message) {
    ValueField* field = m_fields[message - 1];
    const ComposeResult result = m_prompts.composeWords(
        ComposeRequest{VoiceMessages::WordLimit, message, field->value().trimmed()});
    field->setValue(result.text);
    if (result.newWords)
        VoiceMessages::storeMessage(m_image, blockIndex(m_block), message, result.words);
    showMessages();
}
