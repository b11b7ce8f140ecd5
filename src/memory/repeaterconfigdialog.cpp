#include "memory/repeaterconfigdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings.h"
#include "memory/configfields.h"
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

GroupSelector* RepeaterConfigDialog::groupOf(const Fields::Field& field) const {
    for (GroupSelector* group : {m_dip, m_clock, m_dvr})
        if (group->title() == field.caption) return group;
    return nullptr;
}

std::optional<QByteArray> RepeaterConfigDialog::shownValues() const {
    return EditorDialog::shownValues().value_or(QByteArray()) +
           (m_settings.fourMemorySaves ? '1' : '0');
}

void RepeaterConfigDialog::display() {
    // The table shows the memory layout as the settings hold it now.
    watchFields(ConfigFields::configuration(m_settings.fourMemorySaves));
    for (const Fields::Field& field : fields()) {
        GroupSelector* group = groupOf(field);
        const QString shown = field.text(m_image);
        for (int option = 0; option < group->count(); ++option)
            if (group->option(option)->text() == shown) group->setCurrent(option);
    }
}

void RepeaterConfigDialog::confirm() {
    m_settings.fourMemorySaves = m_dip->current() != 1;
    for (const Fields::Field& field : fields()) {
        GroupSelector* group = groupOf(field);
        if (field.store) field.store(m_image, group->option(std::max(0, group->current()))->text());
    }
    reportStored(tr("Repeater Configuration"));
    if (context().layoutChanged) context().layoutChanged();
    accept();
}

void RepeaterConfigDialog::showField(const Fields::Field& field) {
    // The focus goes to the chosen option of the field's group.
    if (GroupSelector* group = groupOf(field))
        if (QRadioButton* chosen = group->option(std::max(0, group->current()))) focusOn(chosen);
}
