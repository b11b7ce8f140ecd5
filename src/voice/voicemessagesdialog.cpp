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
    for (const Fields::Field& message : fields()) rows.labels.append(message.caption);
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
            [this](int row, int) { composeField(fields()[row]); });

    QVBoxLayout* layout = body();
    layout->addWidget(m_messages);
    layout->addSpacing(8);
}

void VoiceMessagesDialog::showMessages() {
    for (std::size_t m = 0; m < fields().size(); ++m) {
        const QString text = fields()[m].text(m_image);
        m_messages->setValue(int(m), 0, text);
    }
}

void VoiceMessagesDialog::showField(const Fields::Field& field) {
    for (std::size_t m = 0; m < fields().size(); ++m)
        if (fields()[m].key == field.key)
            m_messages->field(int(m), 0)->setFocus(Qt::OtherFocusReason);
}
