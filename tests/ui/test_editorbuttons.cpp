// The real editor dialogs, shown: none has a default button, whichever button has the focus, so
// Enter never presses "OK" or "Copy" behind the user's back; and all have the same margins.
#include <gtest/gtest.h>

#include <QLayout>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>

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
    // Every dialog has the same margins: its own layout's, none added by a layout inside it.
    std::optional<QMargins> margins;
    const std::function<void(const QLayout*)> expectNoInnerMargins = [&](const QLayout* layout) {
        for (int i = 0; i < layout->count(); ++i) {
            if (const QLayout* inner = layout->itemAt(i)->layout()) {
                EXPECT_EQ(inner->contentsMargins(), QMargins());
                expectNoInnerMargins(inner);
            }
        }
    };
    for (const auto& make : editors) {
        const std::unique_ptr<QDialog> dialog = make();
        SCOPED_TRACE(dialog->objectName().toStdString());
        showSettled(*dialog);
        if (!margins) margins = dialog->layout()->contentsMargins();
        EXPECT_EQ(dialog->layout()->contentsMargins(), *margins);
        expectNoInnerMargins(dialog->layout());
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
