#include "app/programdialogs.h"

#include <QApplication>
#include <QPointer>

#include "ui/keypaddialog.h"
#include "ui/qtprompts.h"
#include "ui/voicecomposerdialog.h"
#include "voice/speech.h"

void bindProgramDialogs(QtPrompts& prompts) {
    VoiceComposerDialog::setSpeaker(
        [](const std::vector<int>& numbers) { return Sound::pcm(Speech::render(numbers)); },
        Sound::SampleRate);
    prompts.setKeypad([&prompts](const KeypadRequest& request) {
        KeypadDialog pad(prompts, QApplication::activeWindow());
        return pad.enterKeys(request);
    });
    // One composer for the whole run, hidden between uses, so it keeps the list the user chose.
    // Each use lends it to the editor that asks, so it is modal to that editor and its openers
    // only; afterwards it is parentless again, as an editor may be deleted once it closes.
    prompts.setComposer([&prompts](const ComposeRequest& request) {
        static QPointer<VoiceComposerDialog> composer;
        if (!composer) composer = new VoiceComposerDialog(prompts);
        composer->setParent(QApplication::activeWindow(), composer->windowFlags());
        const ComposeResult result = composer->compose(request);
        if (composer) composer->setParent(nullptr, composer->windowFlags());
        return result;
    });
}
