#include "devices/cwmessagedialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "devices/devicefields.h"
#include "ui/prompts.h"

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

    auto* lower = new QHBoxLayout;
    lower->addWidget(m_list);
    lower->addLayout(buttons);
    QVBoxLayout* layout = body();
    layout->addWidget(frame);
    layout->addLayout(lower);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    m_text->setFocus(Qt::OtherFocusReason);
}
