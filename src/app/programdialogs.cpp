#include "app/programdialogs.h"

#include <QApplication>

#include "ui/keypaddialog.h"
#include "ui/qtprompts.h"
#include "ui/voicecomposerdialog.h"

void bindProgramDialogs(QtPrompts& prompts) {
    prompts.setKeypad([&prompts](const KeypadRequest& request) {
        KeypadDialog pad(prompts, QApplication::activeWindow());
        return pad.enterKeys(request);
    });
    // One composer for the whole run, hidden between uses, so it keeps the list the user chose.
    prompts.setComposer([&prompts](const ComposeRequest& request) {
        static VoiceComposerDialog* composer = new VoiceComposerDialog(prompts);
        return composer->compose(request);
    });
}
