// The set-up every editor dialog test starts with: an image (patterned unless the test gives
// another), the scripted prompts, the dialog under test built on both and shown settled, and the
// image as it was when the dialog opened, for expectOnlyWritten.
#pragma once

#include <memory>
#include <utility>

#include "blockindex.h"
#include "core/settings.h"
#include "dialogcheck.h"
#include "imagecheck.h"
#include "scriptedprompts.h"
#include "ui/editordialog.h"
#include "ui/valuefield.h"

class DialogHarness {
public:
    explicit DialogHarness(const Image& start = patternedImage()) : image(start), before(start) {}

    // The editor context of the harness: its image, prompts and settings, on `block`.
    EditorContext context(Block block = Block::Base) {
        return {image, prompts, settings, block, [this] { ++layoutChanges; }};
    }

    // Builds the editor on the harness's context (then `args`, where the editor takes more) and
    // adopts it.
    template <typename Dialog, typename... Args>
    Dialog& open(Args&&... args) {
        return adopt(std::make_unique<Dialog>(context(), std::forward<Args>(args)...));
    }
    // The same for the editor of one block.
    template <typename Dialog>
    Dialog& openOn(Block block) {
        return adopt(std::make_unique<Dialog>(context(block)));
    }
    // Takes over a dialog built by the test (one that is no editor, like the scheduled event
    // dialog), remembers the image as it is now in `before` (building a dialog writes nothing)
    // and shows the dialog settled.
    template <typename Dialog>
    Dialog& adopt(std::unique_ptr<Dialog> made) {
        before = image;
        Dialog& opened = *made;
        m_dialog = std::move(made);
        showSettled(opened);
        return opened;
    }

    QWidget& dialog() { return *m_dialog; }

    void click(const QString& name) { ::click(*m_dialog, name); }
    QString shown(const QString& name) { return ::shown(*m_dialog, name); }
    ValueField* field(const QString& name) { return child<ValueField>(*m_dialog, name); }

    // Clicks the value field `name` with `answer` queued as what the keypad returns after OK.
    void enterKeys(const QString& name, const QString& answer) {
        prompts.keypadAnswers.push_back(answer);
        click(name);
    }
    // Clicks the value field `name` with the keypad answering Cancel.
    void cancelKeys(const QString& name) {
        prompts.keypadAnswers.push_back(std::nullopt);
        click(name);
    }

    Image image;
    Image before;  // the image when the dialog opened
    ScriptedPrompts prompts;
    Settings settings;
    int layoutChanges = 0;  // how often an editor said the memory layout changed

private:
    std::unique_ptr<QWidget> m_dialog;  // declared last, so it goes while the image still lives
};
