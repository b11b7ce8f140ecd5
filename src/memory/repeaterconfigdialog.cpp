#include "memory/repeaterconfigdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/settings.h"
#include "memory/memoryblocks.h"
#include "ui/groupselector.h"

using namespace MemoryBlocks;

namespace {

// The frame and the two option buttons of one choice.
GroupSelector* optionFrame(const OptionGroup& group, const QString& name, QWidget* owner) {
    QStringList options;
    for (const char* option : group.options) options.append(QString::fromLatin1(option));
    return new GroupSelector(QString::fromLatin1(group.frame), options,
                             QStringLiteral("fra") + name, QStringLiteral("opt") + name + "%1",
                             Qt::Vertical, owner);
}

}  // namespace

RepeaterConfigDialog::RepeaterConfigDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmConfig"), QString::fromLatin1(ConfigTitle),
                    QStringLiteral("repeater.html")},
                   parent),
      m_dip(optionFrame(MemoryLayoutGroup, QStringLiteral("Dip"), this)),
      m_clock(optionFrame(ClockGroup, QStringLiteral("Clock"), this)),
      m_dvr(optionFrame(RecorderGroup, QStringLiteral("Dvr"), this)) {
    setModal(false);

    // The explanation stands below the DIP switch frame, not inside it.
    auto* dipText = new QLabel(QString::fromLatin1(DipSwitchText), this);
    dipText->setObjectName(QStringLiteral("lblDip"));
    dipText->setWordWrap(true);

    auto* lower = new QHBoxLayout;
    lower->addWidget(m_clock);
    lower->addWidget(m_dvr);
    lower->addStretch();

    QVBoxLayout* layout = body();
    layout->addWidget(m_dip);
    layout->addWidget(dipText);
    layout->addLayout(lower);
    setMinimumWidth(480);
}

std::optional<QByteArray> RepeaterConfigDialog::shownValues() const {
    QByteArray values = storedBytes(m_image, Region::VoiceRecorderType, 1) +
                        storedBytes(m_image, Region::ClockAnnouncements, 1);
    return values + (m_settings.fourMemorySaves ? '1' : '0');
}

void RepeaterConfigDialog::display() {
    const ConfigChoices choices = readConfig(m_image, m_settings);
    m_dip->setCurrent(choices.fourMemorySaves ? 0 : 1);
    m_clock->setCurrent(choices.clock);
    m_dvr->setCurrent(choices.recorder);
}

void RepeaterConfigDialog::confirm() {
    ConfigChoices choices;
    choices.fourMemorySaves = m_dip->current() != 1;
    choices.clock = m_clock->current() == 1 ? 1 : 0;
    choices.recorder = m_dvr->current() == 1 ? 1 : 0;
    storeConfig(m_image, m_settings, choices);
    reportStored(tr("Repeater Configuration"));
    if (context().layoutChanged) context().layoutChanged();
    accept();
}

void RepeaterConfigDialog::showField(const Fields::Field& field) {
    // Each field is one of the three option groups: the focus goes to its chosen option.
    for (GroupSelector* group : {m_dip, m_clock, m_dvr}) {
        if (field.caption != group->title() && !field.key.endsWith(Fields::keyWord(group->title())))
            continue;
        if (QRadioButton* chosen = group->option(std::max(0, group->current())))
            chosen->setFocus(Qt::OtherFocusReason);
        return;
    }
}
