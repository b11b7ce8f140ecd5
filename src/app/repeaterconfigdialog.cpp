#include "app/repeaterconfigdialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "app/memoryblocks.h"
#include "core/settings.h"

using namespace MemoryBlocks;

namespace {

// A frame with the two option buttons of one choice, stacked or side by side.
QGroupBox* optionFrame(const OptionGroup& group, const QString& name, QButtonGroup* buttons,
                       Qt::Orientation orientation, QWidget* owner) {
    auto* frame = new QGroupBox(QString::fromLatin1(group.frame), owner);
    frame->setObjectName(QStringLiteral("fra%1").arg(name));
    QBoxLayout* layout =
        orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    for (int index = 0; index < int(group.options.size()); ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(group.options[index]), frame);
        option->setObjectName(QStringLiteral("opt%1%2").arg(name).arg(index));
        buttons->addButton(option, index);
        layout->addWidget(option);
    }
    if (orientation == Qt::Horizontal) layout->addStretch();
    frame->setLayout(layout);
    return frame;
}

}  // namespace

RepeaterConfigDialog::RepeaterConfigDialog(Image& image, Settings& settings,
                                           std::function<void()> layoutChanged, QWidget* parent)
    : EditorDialog(parent),
      m_image(image),
      m_settings(settings),
      m_layoutChanged(std::move(layoutChanged)),
      m_dip(new QButtonGroup(this)),
      m_clock(new QButtonGroup(this)),
      m_dvr(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QString::fromLatin1(ConfigTitle));
    setHelpTopic(QStringLiteral("repeater.html"));
    setModal(false);

    QGroupBox* dip =
        optionFrame(MemoryLayoutGroup, QStringLiteral("Dip"), m_dip, Qt::Vertical, this);
    auto* dipText = new QLabel(QString::fromLatin1(DipSwitchText));
    dipText->setObjectName(QStringLiteral("lblDip"));
    dipText->setWordWrap(true);
    static_cast<QVBoxLayout*>(dip->layout())->addWidget(dipText);

    QGroupBox* clock =
        optionFrame(ClockGroup, QStringLiteral("Clock"), m_clock, Qt::Vertical, this);
    QGroupBox* dvr = optionFrame(RecorderGroup, QStringLiteral("Dvr"), m_dvr, Qt::Vertical, this);

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &RepeaterConfigDialog::storeChoices);

    auto* lower = new QHBoxLayout;
    lower->addWidget(clock);
    lower->addWidget(dvr);
    lower->addStretch();
    lower->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(dip);
    layout->addLayout(lower);
    setMinimumWidth(480);
}

void RepeaterConfigDialog::display() {
    const ConfigChoices choices = readConfig(m_image, m_settings);
    m_dip->button(choices.memoryLayout)->setChecked(true);
    m_clock->button(choices.clock)->setChecked(true);
    m_dvr->button(choices.recorder)->setChecked(true);
}

void RepeaterConfigDialog::storeChoices() {
    ConfigChoices choices;
    choices.memoryLayout = m_dip->checkedId() == 1 ? 1 : 0;
    choices.clock = m_clock->checkedId() == 1 ? 1 : 0;
    choices.recorder = m_dvr->checkedId() == 1 ? 1 : 0;
    storeConfig(m_image, m_settings, choices);
    if (m_layoutChanged) m_layoutChanged();
    accept();
}
