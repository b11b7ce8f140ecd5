#include "devices/zonesdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "devices/devicefields.h"

ZonesDialog::ZonesDialog(const EditorContext& context, QWidget* parent)
    : EditorDialog(context,
                   {QStringLiteral("frmZones1"), blockTitle(BlockArea::Zones, context.block),
                    QStringLiteral("zones.html")},
                   parent),
      m_start(firstZoneOffset(blockIndex(context.block))) {
    watchFields(DeviceFields::zones(blockIndex(m_block)));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // All eight zone tabs in view at once, never behind scroll arrows.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    for (int z = 0; z < ZoneCount; ++z) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("tabZone%1").arg(z + 1));
        auto* column = new QVBoxLayout(page);
        column->setSpacing(8);
        for (int k = 0; k < FlagsPerZone; ++k) {
            auto* box = new QCheckBox(flagField(z, k).caption);
            box->setObjectName(QStringLiteral("chkZ%1_%2").arg(z + 1).arg(k));
            column->addWidget(box);
            m_boxes[z][k] = box;
        }
        column->addStretch();
        m_tabs->addTab(page, zoneTabCaption(z + 1));
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &ZonesDialog::changeTab);

    QVBoxLayout* layout = body();
    layout->addWidget(m_tabs);
    QDialog::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

const Fields::Field& ZonesDialog::flagField(int zone, int flag) const {
    return Fields::recordField(fields(), zone, flag);
}

void ZonesDialog::showZones() {
    for (int z = 0; z < ZoneCount; ++z)
        for (int k = 0; k < FlagsPerZone; ++k)
            m_boxes[z][k]->setChecked(flagField(z, k).text(m_image) == Fields::onOff(true));
}

std::uint8_t ZonesDialog::zoneByteFromBoxes(int zone) const {
    std::array<bool, FlagsPerZone> flags{};
    for (int k = 0; k < FlagsPerZone; ++k) flags[k] = m_boxes[zone - 1][k]->isChecked();
    return zoneByte(flags);
}

void ZonesDialog::storeZones() {
    for (int z = 1; z <= ZoneCount; ++z) m_image[m_start + z - 1] = zoneByteFromBoxes(z);
    reportStored(tr("Zones"));
    // The boxes and the bytes agree now; boxes changed later stay until the bytes change.
    rememberShownValues();
}

void ZonesDialog::confirm() {
    storeZones();
    accept();
}

void ZonesDialog::showEvent(QShowEvent* event) {
    // Every opening starts on "Zone 1" with the remembered tab 0 and the boxes read afresh; a
    // window restored from the task bar (a spontaneous show) keeps its tab and its boxes.
    if (!event->spontaneous()) {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(0);
        m_shownTab = 0;
        m_rememberedTab = 0;
    }
    EditorDialog::showEvent(event);
}

void ZonesDialog::changeTab(int newIndex) {
    // The controller's rule: leaving a tab writes all eight bytes only when the tab left is not
    // the remembered one, which it then becomes.
    const int left = m_shownTab;
    m_shownTab = newIndex;
    if (left != m_rememberedTab) {
        m_rememberedTab = left;
        storeZones();
    }
}

void ZonesDialog::showField(const Fields::Field& field) {
    for (int zone = 0; zone < ZoneCount; ++zone)
        for (int flag = 0; flag < FlagsPerZone; ++flag)
            if (flagField(zone, flag).key == field.key) {
                // As a click on the zone's tab would, under the tab rule.
                m_tabs->setCurrentIndex(zone);
                focusOn(m_boxes[zone][flag]);
                return;
            }
}
