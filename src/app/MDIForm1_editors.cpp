// The editor menu commands of the main window: each sets the block the dialog edits and opens it.
#include <QAction>

#include "app/MDIForm1.h"
#include "app/frmConfig.h"
#include "app/frmFlush.h"
#include "app/frmMemory.h"
#include "codes/frmCodes_1.h"
#include "core/regions.h"
#include "devices/frmTimer1.h"
#include "devices/frmZones1.h"
#include "devices/zones.h"
#include "ui/orvdialog.h"
#include "voice/frmVoc.h"

namespace {
// Menu item of block 0 (Base) and the prefix of blocks 1..4, per block editor.
QString blockItem(const char* baseName, const char* memoryPrefix, int block) {
    return block == 0 ? QLatin1String(baseName)
                      : QLatin1String(memoryPrefix) + QString::number(block);
}
}  // namespace

void MDIForm1::connectEditors() {
    Image& image = m_doc.image;
    for (int block = 0; block < Region::BlockCount; ++block) {
        connect(action(blockItem("mnuBaseCodes", "mnuMemCodes", block)), &QAction::triggered, this,
                [this, &image, block] { frmCodes_1(image, m_prompts, block, this).exec(); });
        connect(action(blockItem("mnuBaseTimers", "mnuMemTimers", block)), &QAction::triggered,
                this, [this, &image, block] { frmTimer1(image, m_prompts, block, this).exec(); });
        connect(action(blockItem("mnuBaseVoice", "mnuMemVoice", block)), &QAction::triggered, this,
                [this, &image, block] { frmVoc(image, m_prompts, block, this).exec(); });
        connect(action(blockItem("mnuBaseZones", "mnuMemZones", block)), &QAction::triggered, this,
                [this, &image, block] {
                    std::unique_ptr<frmZones1> zones;
                    {
                        BusyPointer busy;
                        zones = std::make_unique<frmZones1>(image, ZoneStart(block),
                                                            ZoneTitle(block), this);
                    }
                    zones->exec();
                });
    }
    connect(action(QStringLiteral("mnuMemoryConfig")), &QAction::triggered, this, [this, &image] {
        std::unique_ptr<frmMemory> copying;
        {
            BusyPointer busy;
            copying = std::make_unique<frmMemory>(image, m_prompts, m_settings, this);
        }
        copying->exec();
    });
    connect(action(QStringLiteral("mnuFlush")), &QAction::triggered, this,
            [this, &image] { frmFlush(image, m_prompts, m_settings, this).exec(); });
    connect(action(QStringLiteral("mnuRepeaterConfig")), &QAction::triggered, this, [this, &image] {
        // Modeless: a second request brings the open dialog to the front.
        if (!m_config) {
            m_config = new frmConfig(
                image, m_settings, [this] { applyMemoryLayout(); }, this);
            m_config->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_config->show();
        m_config->raise();
        m_config->activateWindow();
    });
}
