// The real editor dialogs, shown: none has a default button, whichever button has the focus, so
// Enter never presses "OK" or "Copy" behind the user's back.
#include <gtest/gtest.h>

#include <QPushButton>
#include <functional>
#include <memory>

#include "codes/controlcodesdialog.h"
#include "core/settings.h"
#include "devices/timersdialog.h"
#include "devices/zonesdialog.h"
#include "dialogcheck.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"
#include "memory/repeaterconfigdialog.h"
#include "scriptedprompts.h"
#include "voice/voicemessagesdialog.h"

TEST(EditorButtons, NoEditorHasADefaultButtonOnceShown) {
    Image image = patternedImage();
    ScriptedPrompts prompts;
    Settings settings;
    const std::function<std::unique_ptr<QDialog>()> editors[] = {
        [&] {
            return std::make_unique<ControlCodesDialog>(EditorContext{image, prompts, settings});
        },
        [&] {
            return std::make_unique<TimersDialog>(
                EditorContext{image, prompts, settings, Block::MemorySave2});
        },
        [&] {
            return std::make_unique<VoiceMessagesDialog>(EditorContext{image, prompts, settings});
        },
        [&] {
            return std::make_unique<ZonesDialog>(
                EditorContext{image, prompts, settings, Block::MemorySave1});
        },
        [&] {
            return std::make_unique<MemoryCopyDialog>(EditorContext{image, prompts, settings});
        },
        [&] {
            return std::make_unique<MemoryFlushDialog>(EditorContext{image, prompts, settings});
        },
        [&] {
            return std::make_unique<RepeaterConfigDialog>(EditorContext{image, prompts, settings});
        },
    };
    for (const auto& make : editors) {
        const std::unique_ptr<QDialog> dialog = make();
        SCOPED_TRACE(dialog->objectName().toStdString());
        showSettled(*dialog);
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        // A button that is an automatic default turns default when it takes the focus.
        for (QPushButton* focused : buttons) {
            focused->setFocus();
            for (const QPushButton* button : buttons)
                EXPECT_FALSE(button->isDefault())
                    << button->objectName().toStdString() << ", focus on "
                    << focused->objectName().toStdString();
        }
    }
}
