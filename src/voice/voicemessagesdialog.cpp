#include "voice/voicemessagesdialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "formats/sound.h"
#include "ui/soundplayer.h"
#include "ui/valuefield.h"
#include "ui/valuefieldgrid.h"
#include "ui/voicetexts.h"
#include "voice/speech.h"
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

    // The editor's own: the message as the controller will say it, through a speech synthesiser.
    m_play = new PlayButton(
        [this] {
            const Fields::ByteRanges& ranges = fields()[m_playedRow].writes;
            return Sound::pcm(ranges.empty()
                                  ? Sound::Samples{}
                                  : Speech::render(Speech::wordNumbers(m_image, ranges.front())));
        },
        Sound::SampleRate, this);
    m_play->setObjectName(QStringLiteral("cmdPlay"));
    m_played = new QLabel(this);
    m_played->setObjectName(QStringLiteral("lblPlaying"));
    for (int m = 0; m < VoiceMessages::Count; ++m)
        m_messages->field(m, 0)->installEventFilter(this);
    connect(m_messages, &ValueFieldGrid::activated, this,
            [this](int row, int) { choosePlayed(row); });
    auto* sound = new QHBoxLayout;
    sound->addWidget(m_play);
    sound->addWidget(m_played, 1);

    QVBoxLayout* layout = body();
    layout->addWidget(m_messages);
    layout->addSpacing(8);
    layout->addLayout(sound);
    layout->addWidget(new PlayUnavailableLabel(this));
    choosePlayed(0);
}

bool VoiceMessagesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        for (int m = 0; m < VoiceMessages::Count; ++m)
            if (watched == m_messages->field(m, 0)) choosePlayed(m);
    return EditorDialog::eventFilter(watched, event);
}

void VoiceMessagesDialog::choosePlayed(int row) {
    m_playedRow = row;
    m_played->setText(tr("Play speaks message %1").arg(row + 1));
    const Fields::ByteRanges& ranges = fields()[row].writes;
    m_play->setPlayable(!ranges.empty() && !Speech::wordNumbers(m_image, ranges.front()).empty());
    m_play->setToolTipText(tr("Speaks message %1").arg(row + 1));
}

void VoiceMessagesDialog::showMessages() {
    for (std::size_t m = 0; m < fields().size(); ++m) {
        const QString text = fields()[m].text(m_image);
        m_messages->setValue(int(m), 0, text);
    }
    if (m_play) choosePlayed(m_playedRow);
}

void VoiceMessagesDialog::showField(const Fields::Field& field) {
    for (std::size_t m = 0; m < fields().size(); ++m)
        if (fields()[m].key == field.key) focusOn(m_messages->field(int(m), 0));
}
