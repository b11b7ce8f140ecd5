// The editor menu commands of the main window: each sets the block the dialog edits and opens it.
#include <QAction>

#include "app/mainwindow.h"
#include "app/memorycopydialog.h"
#include "app/memoryflushdialog.h"
#include "app/repeaterconfigdialog.h"
#include "codes/controlcodesdialog.h"
#include "core/regions.h"
#include "devices/timersdialog.h"
#include "devices/zones.h"
#include "devices/zonesdialog.h"
#include "ui/editordialog.h"
#include "voice/voicemessagesdialog.h"

namespace {
// Menu item of block 0 (Base) and the prefix of blocks 1..4, per block editor.
QString blockItem(const char* baseName, const char* memoryPrefix, Block block) {
    return block == Block::Base ? QLatin1String(baseName)
                                : QLatin1String(memoryPrefix) + QString::number(blockIndex(block));
}
}  // namespace

void MainWindow::connectEditors() {
    Image& image = m_doc.image;
    for (const Block block : AllBlocks) {
        connect(
            action(blockItem("mnuBaseCodes", "mnuMemCodes", block)), &QAction::triggered, this,
            [this, &image, block] { ControlCodesDialog(image, m_prompts, block, this).exec(); });
        connect(action(blockItem("mnuBaseTimers", "mnuMemTimers", block)), &QAction::triggered,
                this,
                [this, &image, block] { TimersDialog(image, m_prompts, block, this).exec(); });
        connect(
            action(blockItem("mnuBaseVoice", "mnuMemVoice", block)), &QAction::triggered, this,
            [this, &image, block] { VoiceMessagesDialog(image, m_prompts, block, this).exec(); });
        connect(action(blockItem("mnuBaseZones", "mnuMemZones", block)), &QAction::triggered, this,
                [this, &image, block] {
                    std::unique_ptr<ZonesDialog> zones;
                    {
                        BusyPointer busy;
                        zones = std::make_unique<ZonesDialog>(image, block, this);
                    }
                    zones->exec();
                });
    }
    connect(action(QStringLiteral("mnuMemoryConfig")), &QAction::triggered, this, [this, &image] {
        std::unique_ptr<MemoryCopyDialog> copying;
        {
            BusyPointer busy;
            copying = std::make_unique<MemoryCopyDialog>(image, m_prompts, m_settings, this);
        }
        copying->exec();
    });
    connect(action(QStringLiteral("mnuFlush")), &QAction::triggered, this,
            [this, &image] { MemoryFlushDialog(image, m_prompts, m_settings, this).exec(); });
    connect(action(QStringLiteral("mnuRepeaterConfig")), &QAction::triggered, this, [this, &image] {
        // Modeless: a second request brings the open dialog to the front.
        if (!m_config) {
            m_config = new RepeaterConfigDialog(
                image, m_settings, [this] { applyMemoryLayout(); }, this);
            m_config->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_config->show();
        m_config->raise();
        m_config->activateWindow();
    });
}
