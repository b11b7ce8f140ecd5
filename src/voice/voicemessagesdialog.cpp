#include "voice/voicemessagesdialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"
#include "ui/voicetexts.h"
#include "voice/voicefields.h"
#include "voice/voicemessages.h"

VoiceMessagesDialog::VoiceMessagesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmVoc"), blockTitle(BlockArea::Voice, context.block),
                    QString::fromUtf8(VoiceTexts::HelpPage)},
                   parent) {
    watchFields(VoiceFields::messages(blockIndex(m_block)));

    ValueRows rows;
    for (int m = 1; m <= VoiceMessages::Count; ++m)
        rows.labels.append(VoiceMessages::rowNumberText(m));
    rows.labelName = QStringLiteral("Label1_%1");
    rows.firstNumber = 1;
    rows.rowSpacing = 4;
    const ValueColumn text{
        .name = QStringLiteral("lblMsg%1"), .minimumWidth = 620, .stretch = true};
    m_messages = new ValueFieldGrid(rows, {text}, this);
    for (int m = 1; m <= VoiceMessages::Count; ++m)
        // A message of 23 words is long: the field keeps its width and shows the whole text as a
        // tool tip (and to screen readers as its accessible name).
        m_messages->field(m - 1, 0)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(m_messages, &ValueFieldGrid::activated, this,
            [this](int row, int) { editMessage(row + 1); });

    QVBoxLayout* layout = body();
    layout->addWidget(m_messages);
    layout->addSpacing(8);
}

void VoiceMessagesDialog::showMessages() {
    setWindowTitle(blockTitle(BlockArea::Voice, m_block));
    for (int m = 1; m <= VoiceMessages::Count; ++m) {
        const QString text = VoiceMessages::messageText(m_image, blockIndex(m_block), m);
        m_messages->setValue(m - 1, 0, text);
        m_messages->field(m - 1, 0)->setToolTip(text);
    }
}

void VoiceMessagesDialog::editMessage(int message) {
    const ComposeResult result = m_prompts.composeWords(ComposeRequest{
        VoiceMessages::WordLimit, message, m_messages->value(message - 1, 0).trimmed()});
    m_messages->setValue(message - 1, 0, result.text);
    if (result.newWords)
        VoiceMessages::storeMessage(m_image, blockIndex(m_block), message, result.words);
    showStoredValues();
}
