#include "ui/voicecomposerdialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/texts.h"
#include "formats/vocabulary.h"
#include "ui/soundplayer.h"
#include "ui/voicetexts.h"

namespace {
VoiceComposerDialog::Speaker g_speaker;
int g_speakerRate = 22050;
}  // namespace

void VoiceComposerDialog::setSpeaker(Speaker speaker, int sampleRate) {
    g_speaker = std::move(speaker);
    g_speakerRate = sampleRate;
}

namespace {
constexpr Vocabulary::PickList Lists[] = {Vocabulary::PickList::AllWords,
                                          Vocabulary::PickList::CallLetters,
                                          Vocabulary::PickList::Special};
constexpr const char* OptionNames[] = {"optAll", "optCall", "optSpecial"};
constexpr const char* ListNames[] = {"lstAll", "lstCall", "lstSpecial"};
constexpr int NumberRole = Qt::UserRole;

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter is handled by the dialog itself: it must never fall through to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
}  // namespace

VoiceComposerDialog::VoiceComposerDialog(Prompts& prompts, QWidget* parent, int armDelayMs)
    : PlainDialog(parent), m_prompts(prompts), m_arming(new ArmingDelay(armDelayMs, this)) {
    setObjectName(QStringLiteral("frmVoice"));
    setWindowTitle(QString::fromUtf8(VoiceTexts::ComposerCaption));
    setHelpTopic(QString::fromUtf8(VoiceTexts::HelpPage));

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);

    // Read-only: the text shows the chosen words; typed text could never become stored words.
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 4 + 12);
    m_text->setAccessibleName(QStringLiteral("Message text"));
    // How many words the composition holds, of the most the field takes; empty until composing
    // starts, as a shown text's words are not known.
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblCount"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* group = new QGroupBox(QString::fromUtf8(VoiceTexts::WordsGroup), this);
    group->setObjectName(QStringLiteral("fraWords"));
    auto* groupLayout = new QHBoxLayout(group);
    auto* optionColumn = new QVBoxLayout;
    auto* listColumn = new QVBoxLayout;
    for (int i = 0; i < Vocabulary::PickListCount; ++i) {
        m_options[i] =
            new QRadioButton(QString::fromUtf8(Vocabulary::pickListName(Lists[i])), group);
        m_options[i]->setObjectName(QString::fromLatin1(OptionNames[i]));
        optionColumn->addWidget(m_options[i]);
        connect(m_options[i], &QRadioButton::clicked, this, [this, i] { showList(i); });

        QListWidget* list = new QListWidget(group);
        list->setObjectName(QString::fromLatin1(ListNames[i]));
        list->setAccessibleName(QString::fromUtf8(Vocabulary::pickListName(Lists[i])));
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Newspaper columns: the words run down and wrap into the next column, so a long list
        // takes less scrolling.
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setSpacing(1);
        list->setMinimumSize(420, 300);
        for (const Vocabulary::PickEntry& entry : Vocabulary::pickList(Lists[i])) {
            auto* item = new QListWidgetItem(QString::fromUtf8(entry.label), list);
            item->setData(NumberRole, entry.number);
        }
        list->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list](QListWidgetItem* item) { chooseEntry(list, item); });
        listColumn->addWidget(list);
        m_lists[i] = list;
    }
    optionColumn->addStretch();
    groupLayout->addLayout(optionColumn);
    groupLayout->addLayout(listColumn, 1);

    m_backSpace = makeButton(VoiceTexts::BackSpace, "cmdBackSpace", this);
    m_clear = makeButton(VoiceTexts::Clear, "cmdClear", this);
    m_ok = makeButton(Texts::OkCaption, "cmdExit", this);
    m_cancel = makeButton(VoiceTexts::Cancel, "cmdCancel", this);
    connect(m_backSpace, &QPushButton::clicked, this, &VoiceComposerDialog::takeBackWord);
    connect(m_clear, &QPushButton::clicked, this, &VoiceComposerDialog::clearWords);
    connect(m_ok, &QPushButton::clicked, this, &VoiceComposerDialog::acceptWords);
    connect(m_cancel, &QPushButton::clicked, this, &VoiceComposerDialog::cancelComposing);
    // The editor's own: the words composed so far, spoken.
    m_play = new PlayButton(
        [this] {
            std::vector<int> numbers;
            for (const QString& slot : std::as_const(m_slots)) numbers.push_back(slot.toInt());
            return g_speaker ? g_speaker(numbers) : QByteArray();
        },
        g_speakerRate, this);
    m_play->setObjectName(QStringLiteral("cmdPlay"));
    m_play->setToolTipText(tr("Speaks the words composed"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button :
         {m_backSpace, m_clear, m_ok, m_cancel, static_cast<QPushButton*>(m_play)}) {
        button->setMinimumWidth(100);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(group, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_text);
    layout->addWidget(m_count);
    layout->addLayout(middle, 1);
    layout->addWidget(new PlayUnavailableLabel(this));

    // Loading: "All Words" chosen, no list usable until an opening decides the state.
    m_options[0]->setChecked(true);
    showList(0);
    for (QListWidget* list : m_lists) list->setEnabled(false);
    m_newWords = false;
    setMinimumWidth(720);
}

ComposeResult VoiceComposerDialog::compose(const ComposeRequest& request) {
    m_wordLimit = request.wordLimit;
    if (request.messageNumber) m_messageNumber = *request.messageNumber;
    m_initialText = request.initialText.trimmed();
    m_resultText = m_initialText;

    m_heading->setText(QString::fromUtf8(VoiceTexts::ComposerHeading) +
                       QString::number(m_messageNumber));
    m_labels.clear();
    m_slots.clear();
    m_text->setPlainText(m_initialText);
    setComposing(m_initialText.isEmpty());

    int visible = 0;
    for (int i = 0; i < Vocabulary::PickListCount; ++i)
        if (m_options[i]->isChecked()) visible = i;
    if (m_lists[visible]->isEnabled())
        m_lists[visible]->setFocus();
    else
        m_ok->setFocus();

    m_arming->start();
    exec();
    m_arming->stop();

    return ComposeResult{m_resultText, m_newWords, m_newWords ? m_slots : QStringList()};
}

void VoiceComposerDialog::setComposing(bool composing) {
    for (QListWidget* list : m_lists) list->setEnabled(composing);
    m_backSpace->setEnabled(composing);
    m_newWords = composing;
    showCount();
}

void VoiceComposerDialog::showText() {
    m_text->setPlainText(m_labels.join(QLatin1Char(' ')));
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
    showCount();
}

void VoiceComposerDialog::showCount() {
    m_play->setPlayable(g_speaker && !m_slots.isEmpty());
    if (!m_newWords) {
        m_count->clear();
        return;
    }
    m_count->setText(tr("%1 of %2 words").arg(m_slots.size()).arg(m_wordLimit));
}

void VoiceComposerDialog::showList(int list) {
    for (int i = 0; i < Vocabulary::PickListCount; ++i) m_lists[i]->setVisible(i == list);
}

void VoiceComposerDialog::chooseEntry(QListWidget* list, QListWidgetItem* item) {
    if (!item || !list->isEnabled() || !list->isVisible()) return;
    // A word beyond the limit is ignored without a sound: the count shows in the text.
    if (m_slots.size() >= m_wordLimit) return;
    m_labels.append(item->text());
    m_slots.append(Vocabulary::wordNumberText(item->data(NumberRole).toInt()));
    showText();
}

void VoiceComposerDialog::takeBackWord() {
    if (!isArmed()) return;
    if (m_text->toPlainText().trimmed().isEmpty()) {
        m_prompts.beep();
        return;
    }
    // The whole last word goes, label and slot together, whatever spaces its label holds.
    if (m_labels.isEmpty()) return;
    m_labels.removeLast();
    m_slots.removeLast();
    showText();
}

void VoiceComposerDialog::clearWords() {
    if (!isArmed()) return;
    m_labels.clear();
    m_slots.clear();
    showText();
    setComposing(true);
}

void VoiceComposerDialog::acceptWords() {
    if (!isArmed()) return;
    m_resultText = m_text->toPlainText();
    accept();
}

void VoiceComposerDialog::cancelComposing() {
    if (!isArmed()) return;
    reject();
}

void VoiceComposerDialog::reject() {
    m_resultText = m_initialText;
    m_newWords = false;
    PlainDialog::reject();
}

bool VoiceComposerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* list = qobject_cast<QListWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (list && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            chooseEntry(list, list->currentItem());
            return true;
        }
    }
    return PlainDialog::eventFilter(watched, event);
}

void VoiceComposerDialog::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus and nothing else: there is no default button,
    // so a word chosen with Enter can never also close the composer.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        return;
    }
    PlainDialog::keyPressEvent(event);
}
