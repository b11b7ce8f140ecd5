// The set-up every editor dialog test starts with: an image (patterned unless the test gives
// another), the scripted prompts, the dialog under test built on both and shown settled, and the
// image as it was when the dialog opened, for expectOnlyWritten.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include "dialogcheck.h"
#include "imagecheck.h"
#include "scriptedprompts.h"
#include "ui/valuefield.h"

class DialogHarness {
public:
    explicit DialogHarness(const Image& start = patternedImage()) : image(start), before(start) {}

    // Remembers the image as it is now in `before`, builds the dialog on it, with the prompts when
    // the dialog takes them, then `args`, and shows the dialog settled.
    template <typename Dialog, typename... Args>
    Dialog& open(Args&&... args) {
        before = image;
        std::unique_ptr<Dialog> made;
        if constexpr (std::is_constructible_v<Dialog, Image&, Prompts&, Args...>)
            made = std::make_unique<Dialog>(image, prompts, std::forward<Args>(args)...);
        else
            made = std::make_unique<Dialog>(image, std::forward<Args>(args)...);
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

private:
    std::unique_ptr<QWidget> m_dialog;  // declared last, so it goes while the image still lives
};
