#include "devices/cwmessagedialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/settings.h"
#include "devices/devicefields.h"
#include "formats/sound.h"
#include "ui/prompts.h"
#include "ui/soundplayer.h"

namespace {
constexpr int WordSpaceCode = 38;  // shows as a blank cell in the pick list
constexpr int ListColumns = 12;
}  // namespace

CwMessageDialog::CwMessageDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmCwEdit"), QLatin1String(CwTexts::Title),
                    QStringLiteral("cw.html"), QStringLiteral("cmdOK"), OkPlace::Own},
                   parent) {
    watchFields(DeviceFields::cwMessage());
    setModal(false);

    auto* frame = new QGroupBox(QLatin1String(CwTexts::Frame), this);
    frame->setObjectName(QStringLiteral("fraMessage"));
    m_text = new QLabel(frame);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setMinimumHeight(2 * m_text->fontMetrics().height());
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_count = new QLabel(frame);
    m_count->setObjectName(QStringLiteral("lblCount"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_text);
    frameLayout->addWidget(m_count);

    // The characters in code order, in rows of twelve, so the whole set is in view at once.
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("CW characters"));
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    // The highlight marks the character Enter or Space picks; picking never removes it.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize cell(m_list->fontMetrics().horizontalAdvance(QStringLiteral("(SK)")) + 16,
                     m_list->fontMetrics().height() + 12);
    m_list->setGridSize(cell);
    for (int code = 0; code < int(Cw::Characters.size()); ++code) {
        auto* item = new QListWidgetItem(QLatin1String(Cw::Characters[code]), m_list);
        item->setData(Qt::UserRole, code);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(cell);
        if (code == WordSpaceCode) {
            item->setToolTip(tr("Word space"));
            item->setData(Qt::AccessibleTextRole, tr("Word space"));
        }
    }
    const int rows = (int(Cw::Characters.size()) + ListColumns - 1) / ListColumns;
    const int frameWidth = 2 * m_list->frameWidth();
    constexpr int Slack = 8;  // the view's own margins
    m_list->setFixedSize(cell.width() * ListColumns + frameWidth + Slack,
                         cell.height() * rows + frameWidth + Slack);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pickCharacter(item->data(Qt::UserRole).toInt()); });

    auto* clear = new QPushButton(QLatin1String(CwTexts::Clear), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    QPushButton* ok = okButton();
    auto* cancel = new QPushButton(QLatin1String(CwTexts::Cancel), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(clear, &QPushButton::clicked, this, &CwMessageDialog::startMessage);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {clear, ok, cancel}) {
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    // The editor's own: the message heard as the controller keys it, the one being composed or
    // else the stored one, at the speed and pitch kept in the editor's settings.
    m_play = new PlayButton(
        [this] {
            const Sound::Keying keying{m_settings.cwWpm, double(m_settings.cwPitch)};
            return Sound::pcm(Sound::render(Sound::cwMessage(shownCodes(), keying)));
        },
        Sound::SampleRate, this);
    m_play->setObjectName(QStringLiteral("cmdPlay"));
    m_play->setToolTipText(tr("Plays the message in Morse code"));
    const auto spin = [this](const QString& name, const QString& suffix, int lowest, int highest,
                             int step, int value, const QString& help) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(lowest, highest);
        box->setSingleStep(step);
        box->setValue(value);
        box->setSuffix(suffix);
        box->setToolTip(help);
        box->setAccessibleName(help);
        return box;
    };
    m_wpm = spin(QStringLiteral("spnWpm"), tr(" WPM"), SettingKeys::SlowestCwWpm,
                 SettingKeys::FastestCwWpm, 1, m_settings.cwWpm, tr("Speed in words per minute"));
    m_pitch = spin(QStringLiteral("spnPitch"), tr(" Hz"), SettingKeys::LowestCwPitch,
                   SettingKeys::HighestCwPitch, 50, m_settings.cwPitch, tr("Pitch in hertz"));
    connect(m_wpm, &QSpinBox::valueChanged, this, [this](int wpm) { m_settings.cwWpm = wpm; });
    connect(m_pitch, &QSpinBox::valueChanged, this,
            [this](int pitch) { m_settings.cwPitch = pitch; });
    auto* sound = new QHBoxLayout;
    sound->addWidget(m_play);
    sound->addWidget(m_wpm);
    sound->addWidget(m_pitch);
    sound->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(m_list);
    lower->addLayout(buttons);
    QVBoxLayout* layout = body();
    layout->addWidget(frame);
    layout->addLayout(sound);
    layout->addWidget(new PlayUnavailableLabel(this));
    layout->addLayout(lower);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<std::uint8_t> CwMessageDialog::shownCodes() const {
    return m_composition.composing() ? m_composition.codes() : cwStoredCodes(m_image);
}

void CwMessageDialog::showEvent(QShowEvent* event) {
    // The speed and pitch as the settings hold them now (another dialog may have changed them).
    m_wpm->setValue(m_settings.cwWpm);
    m_pitch->setValue(m_settings.cwPitch);
    EditorDialog::showEvent(event);
}

void CwMessageDialog::display() {
    m_composition.reset();
    m_list->setEnabled(false);
    m_text->setText(cwMessageText(m_image));
    m_count->clear();
}

void CwMessageDialog::startMessage() {
    m_composition.clear();
    m_list->setEnabled(true);
    if (!m_list->currentItem()) m_list->setCurrentRow(0);
    m_list->setFocus();
    showComposition();
}

void CwMessageDialog::pickCharacter(int code) {
    // The stored area holds 31 characters; a pick beyond them only beeps.
    if (!m_composition.pick(code)) {
        if (m_composition.composing()) m_prompts.beep();
        return;
    }
    showComposition();
}

void CwMessageDialog::showComposition() {
    m_text->setText(m_composition.text());
    m_count->setText(tr("%1 of %2 characters").arg(m_composition.count()).arg(Cw::MaxCharacters));
}

void CwMessageDialog::confirm() {
    m_composition.store(m_image);
    reportStored();
    accept();
}

bool CwMessageDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (QListWidgetItem* item = m_list->currentItem())
                pickCharacter(item->data(Qt::UserRole).toInt());
            return true;
        }
    }
    return EditorDialog::eventFilter(watched, event);
}

void CwMessageDialog::showField(const Fields::Field&) {
    // The one field: the message text, which can be read and selected from the keyboard.
    m_text->setFocusPolicy(Qt::StrongFocus);
    focusOn(m_text);
}
