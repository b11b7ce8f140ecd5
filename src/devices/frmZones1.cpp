#include "devices/frmZones1.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

frmZones1::frmZones1(Image& image, int zoneStart, const QString& title, QWidget* parent)
    : OrvDialog(parent), m_image(image), m_start(zoneStart) {
    Q_ASSERT(zoneStart >= 0 && zoneStart + ZoneCount <= ImageSize);
    setObjectName(QStringLiteral("frmZones1"));
    setHelpTopic(QStringLiteral("zones.html"));
    setWindowTitle(title);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // All eight zone tabs in view at once, never behind scroll arrows.
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    for (int z = 0; z < ZoneCount; ++z) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("tabZone%1").arg(z + 1));
        auto* column = new QVBoxLayout(page);
        column->setSpacing(8);
        for (int k = 0; k < FlagsPerZone; ++k) {
            auto* box = new QCheckBox(ZoneFlagCaption(z + 1, k + 1));
            box->setObjectName(QStringLiteral("chkZ%1_%2").arg(z + 1).arg(k));
            connect(box, &QCheckBox::clicked, this, [this] { m_pending = true; });
            column->addWidget(box);
            chkZ[z][k] = box;
        }
        column->addStretch();
        SSTab1->addTab(page, ZoneTabCaption(z + 1));
    }
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmZones1::SSTab1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    cmdOK = addOkRow(layout);
    connect(cmdOK, &QPushButton::clicked, this, &frmZones1::cmdOK_Click);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    DisplayGroup1();
}

void frmZones1::DisplayGroup1() {
    for (int z = 0; z < ZoneCount; ++z)
        for (int k = 0; k < FlagsPerZone; ++k)
            chkZ[z][k]->setChecked(GetBit(m_image[m_start + z], k) == 1);
    m_pending = false;
}

std::uint8_t frmZones1::SetBitZ(int zone) const {
    std::array<bool, FlagsPerZone> flags{};
    for (int k = 0; k < FlagsPerZone; ++k) flags[k] = chkZ[zone - 1][k]->isChecked();
    return ZoneByte(flags);
}

void frmZones1::SaveGroup1() {
    for (int z = 1; z <= ZoneCount; ++z) m_image[m_start + z - 1] = SetBitZ(z);
    m_pending = false;
}

void frmZones1::cmdOK_Click() {
    SaveGroup1();
    accept();
}

void frmZones1::display() {
    // Re-reading while boxes hold changes not yet written would throw them away (the window
    // becomes active again after any other window had the focus), so only an unchanged set of
    // boxes is refreshed from the image.
    if (!m_pending) DisplayGroup1();
}

void frmZones1::showEvent(QShowEvent* event) {
    // Every opening starts on "Zone 1" with the remembered tab 0 and the boxes read afresh; a
    // window restored from the task bar (a spontaneous show) keeps its tab and its boxes.
    if (!event->spontaneous()) {
        const QSignalBlocker quiet(SSTab1);
        SSTab1->setCurrentIndex(0);
        m_shownTab = 0;
        m_rememberedTab = 0;
        m_pending = false;
    }
    OrvDialog::showEvent(event);
}

void frmZones1::SSTab1_Click(int newIndex) {
    // The controller's rule: leaving a tab writes all eight bytes only when the tab left is not
    // the remembered one, which it then becomes.
    const int left = m_shownTab;
    m_shownTab = newIndex;
    if (left != m_rememberedTab) {
        m_rememberedTab = left;
        SaveGroup1();
    }
}
