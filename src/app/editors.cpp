#include "app/editors.h"

#include <QApplication>

#include "codes/frmKeyPad.h"
#include "ui/qtprompts.h"
#include "voice/frmVoice.h"

void bindProgramDialogs(QtPrompts& prompts) {
    prompts.setKeyPad([&prompts](int keySet, int limit, const QString& heading,
                                 const QString& initial, int checkKind) {
        frmKeyPad pad(prompts, QApplication::activeWindow());
        return pad.ShowKeyPad(keySet, limit, heading, initial, checkKind);
    });
    // One composer for the whole run, hidden between uses, so it keeps the list the user chose.
    prompts.setComposer([&prompts](const ComposeRequest& request) {
        static frmVoice* composer = new frmVoice(prompts);
        return composer->ComposeWords(request);
    });
}
