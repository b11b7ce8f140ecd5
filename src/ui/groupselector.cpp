#include "ui/groupselector.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

GroupSelector::GroupSelector(const QString& caption, const QStringList& options,
                             const QString& frameName, const QString& optionName,
                             Qt::Orientation orientation, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    setObjectName(frameName);
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    for (int index = 0; index < int(options.size()); ++index) {
        auto* option = new QRadioButton(options[index], this);
        option->setObjectName(optionName.arg(index));
        m_group->addButton(option, index);
        layout->addWidget(option);
        m_options.append(option);
    }
    if (orientation == Qt::Horizontal) layout->addStretch();
    // A toggle to "checked" is a change of the choice, whether by mouse, arrow keys or Space;
    // clicking the selected option toggles nothing.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked && !m_quiet) emit changed(index);
    });
}

QRadioButton* GroupSelector::option(int index) const {
    return index >= 0 && index < count() ? m_options[index] : nullptr;
}

int GroupSelector::current() const { return m_group->checkedId(); }

void GroupSelector::setCurrent(int index) {
    m_quiet = true;
    if (QRadioButton* chosen = option(index)) {
        chosen->setChecked(true);
    } else if (QAbstractButton* checked = m_group->checkedButton()) {
        // An exclusive group cannot be emptied by unchecking its one checked button.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    m_quiet = false;
}

void GroupSelector::placeBeside(int index, const QList<QWidget*>& widgets) {
    auto* lines = qobject_cast<QBoxLayout*>(layout());
    QRadioButton* chosen = option(index);
    if (!lines || !chosen) return;
    const int at = lines->indexOf(chosen);
    lines->removeWidget(chosen);
    auto* line = new QHBoxLayout;
    line->addWidget(chosen);
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    lines->insertLayout(at, line);
}
