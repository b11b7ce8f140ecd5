// Every editor dialog opened on random images and closed without touching a field: a close other
// than "OK" changes no byte, and "OK" changes only the bytes its dialog must rewrite, exactly as
// the area's own store rules make them, so that a second "OK" changes nothing. On a share of the
// images every value field is activated first with the keypad and the composer answering Cancel,
// which must change no byte and nothing the dialog's "OK" then writes. Covers every row of the
// editor table (a new row is covered by being there), the scheduled event dialog and the macro
// review.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/editortable.h"
#include "codes/telephonecodes.h"
#include "commands/macros.h"
#include "commands/macrosdialog.h"
#include "commands/scheduler.h"
#include "commands/schedulerdialog.h"
#include "core/regions.h"
#include "core/settings.h"
#include "core/texts.h"
#include "dialogcheck.h"
#include "memory/configfields.h"
#include "scriptedprompts.h"
#include "ui/valuefield.h"

namespace {

constexpr int ImageCount = 300;
// Each dialog sees every third image (the rows of the table and the events in turn), which keeps
// the run short and still shows every dialog a hundred images of every kind.
constexpr int Share = 3;
// On every CancelShare-th image a dialog sees, every value field is activated and cancelled first,
// in turn before the close without "OK" and before the "OK".
constexpr int CancelShare = 4;

// Image `seed`: random throughout, or erased memory (0xFF) or cleared memory (0x00) with 3 % to
// 25 % of its bytes replaced, half of those by a small value (a count, a key or tone code, a
// packed hour or minute) and half by any byte.
Image randomImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> anyByte(0, 255), smallByte(0, 0x59), kind(0, 2);
    std::uniform_real_distribution<double> density(0.03, 0.25);
    Image image;
    const int k = kind(random);
    if (k == 0) {
        for (auto& b : image) b = static_cast<std::uint8_t>(anyByte(random));
        return image;
    }
    image.fill(k == 1 ? 0xFF : 0x00);
    std::bernoulli_distribution replaced(density(random)), small(0.5);
    for (auto& b : image)
        if (replaced(random))
            b = static_cast<std::uint8_t>(small(random) ? smallByte(random) : anyByte(random));
    return image;
}

struct Span {
    int first;
    int size;
};

int eventOf(const QDialog& dialog) {
    return qobject_cast<const ScheduledEventDialog*>(&dialog)->editor().event();
}

// What "OK" must rewrite although nothing was touched: the dialog (object name), the bytes it may
// change, and what the area's store rules make of them.
struct OkRewrite {
    const char* dialog;
    Span (*bytes)(const QDialog&);
    void (*store)(const QDialog&, Image&, Settings);
    const char* why;
};

// clang-format off
const OkRewrite OkRewrites[] = {
    {"frmConfig",
     [](const QDialog&) { return Span{Region::VoiceRecorderType, Region::ClockAnnouncements + 1 - Region::VoiceRecorderType}; },
     [](const QDialog&, Image& image, Settings) { for (const Fields::Field& f : ConfigFields::configuration(true)) if (f.store) f.store(image, f.text(image)); },
     "a non-zero recorder or clock byte shows option 1 and is stored as 1"},
    {"frmMacro",
     [](const QDialog&) { return Span{Region::Macros, Region::MacrosSize}; },
     [](const QDialog&, Image& image, Settings) { for (int n = 1; n <= Macros::Count; ++n) Macros::storeMacro(image, n, Macros::macroRow(image, n)); },
     "all ten macros are stored from the grid: an unused macro's commands as 0000, a nibble above 9 as 0"},
    {"frmSetSched",
     [](const QDialog& d) { return Span{Scheduler::eventOffset(eventOf(d)), Scheduler::EventSize}; },
     [](const QDialog& d, Image& image, Settings) { Scheduler::EventEditor(image, eventOf(d)).store(image); },
     "the event's seven bytes are written from the days, time and command the dialog shows"},
};
// The only questions a close may ask: about an empty unlock code, and an event time that cannot
// be stored.
const char* const ClosingQuestions[] = {Unlock::EmptyTitle, Scheduler::TimeRefusalTitle};
// clang-format on

const OkRewrite* okRewrite(const QDialog& dialog) {
    for (const OkRewrite& row : OkRewrites)
        if (dialog.objectName() == QLatin1String(row.dialog)) return &row;
    return nullptr;
}

enum class Close { Ok, Escape, Window, CancelButton };
enum class CancelFields { Never, BeforeNotOk, BeforeOk };

// The button of the dialog itself (not of a dialog it owns) captioned or named `text`.
QPushButton* ownButton(QDialog& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->window() == &dialog && (button->text() == text || button->objectName() == text))
            return button;
    return nullptr;
}

class DialogProperties : public ::testing::Test {
protected:
    enum class Outcome { Closed, Refused, Open };

    // Activates every value field the dialog shows, the keypad and the composer answering Cancel,
    // and checks that no byte changed and nothing was asked. A dialog a field runs (the scheduled
    // event) is closed without "OK"; a window it opens beside (the macro review) is closed after.
    void cancelEveryField(QDialog& dialog) {
        const Image shown = image;
        prompts.cancelUnscripted = true;
        QTimer closer;
        closer.setSingleShot(true);
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&dialog] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                modal && modal != &dialog)
                modal->reject();
        });
        for (ValueField* field : dialog.findChildren<ValueField*>()) {
            if (field->window() != &dialog || !field->isVisible() || !field->isEnabled()) continue;
            ++cancelledFields;
            closer.start();
            field->click();
            closer.stop();
            for (QDialog* opened : dialog.findChildren<QDialog*>())
                if (opened->isVisible()) opened->reject();
            EXPECT_TRUE(image == shown)
                << where << ": Cancel on " << field->objectName().toStdString() << " changed "
                << changedOffsets(shown, image);
            if (image != shown) break;
        }
        prompts.cancelUnscripted = false;
        prompts.keypadCalls.clear();
        prompts.composeCalls.clear();
        for (const RecordedMessage& asked : prompts.messages)
            ADD_FAILURE() << where << " asked on a Cancel " << asked.title.toStdString() << ": "
                          << asked.text.toStdString();
        prompts.messages.clear();
    }

    // Shows the dialog, cancels every value field when asked to, closes it the way asked and tells
    // how that went. A question on the way is answered Cancel, which lets the unlock dialog close
    // on an empty code; an "OK" refused with a message is followed by Escape.
    Outcome showAndClose(QDialog& dialog, Close how, bool cancelFields = false) {
        ++openings;
        dialog.show();
        QApplication::processEvents();
        if (cancelFields) cancelEveryField(dialog);
        prompts.answers.assign(1, Answer::Cancel);
        QPushButton* cancel = ownButton(dialog, QStringLiteral("cmdCancel"));
        if (how == Close::Ok) {
            QPushButton* ok = ownButton(dialog, QLatin1String(Texts::OkCaption));
            EXPECT_NE(ok, nullptr) << where << " has no \"OK\" button";
            if (ok) ok->click();
        } else if (how == Close::Window) {
            dialog.close();
        } else if (how == Close::CancelButton && cancel) {
            cancel->click();
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        prompts.answers.clear();
        for (const RecordedMessage& asked : prompts.messages)
            EXPECT_TRUE(std::any_of(std::begin(ClosingQuestions), std::end(ClosingQuestions),
                                    [&](const char* t) { return asked.title == QLatin1String(t); }))
                << where << " asked " << asked.title.toStdString() << ": "
                << asked.text.toStdString();
        const bool asked = !prompts.messages.empty();
        prompts.messages.clear();
        if (dialog.isVisible() && how == Close::Ok && asked) {
            ++refusals;
            return showAndClose(dialog, Close::Escape) == Outcome::Closed ? Outcome::Refused
                                                                          : Outcome::Open;
        }
        EXPECT_FALSE(dialog.isVisible()) << where << " cannot be closed";
        return dialog.isVisible() ? Outcome::Open : Outcome::Closed;
    }

    // Opens a dialog twice on the current image, closing it once without "OK" and once with "OK",
    // untouched or after every value field was cancelled, and checks what each did to the image;
    // a rewriting "OK" is repeated, which must then change nothing.
    void checkCloses(const std::function<QDialog&()>& open, Close notOk, CancelFields cancel) {
        const Image before = image;
        const bool layout = settings.fourMemorySaves;
        if (showAndClose(open(), notOk, cancel == CancelFields::BeforeNotOk) != Outcome::Closed)
            return;
        if (image != before) {
            ADD_FAILURE() << where
                          << " changed on closing without OK: " << changedOffsets(before, image);
            return;
        }
        QDialog& dialog = open();
        const Outcome ok = showAndClose(dialog, Close::Ok, cancel == CancelFields::BeforeOk);
        if (ok == Outcome::Open) return;
        EXPECT_EQ(settings.fourMemorySaves, layout) << where;
        Image want = before;
        const OkRewrite* rewrite = okRewrite(dialog);
        if (ok == Outcome::Closed && rewrite) {
            rewrite->store(dialog, want, settings);
            const Span span = rewrite->bytes(dialog);
            for (int i = 0; i < ImageSize; ++i) {
                const bool outside = i < span.first || i >= span.first + span.size;
                EXPECT_TRUE(!outside || image[i] == before[i]) << where << " OK changed byte " << i;
            }
        }
        EXPECT_TRUE(image == want)
            << where << " OK wrote (found, expected): " << changedOffsets(image, want)
            << "; OK may only do this: " << (rewrite ? rewrite->why : "nothing");
        if (image == before) return;
        ++rewrites;
        const Image once = image;
        if (showAndClose(open(), Close::Ok) != Outcome::Closed) return;
        EXPECT_TRUE(image == once)
            << where << " a second OK changed " << changedOffsets(once, image);
    }

    // One image after another; the first that fails ends the test, naming its seed.
    template <typename Body>
    void forEachImage(Body body) {
        for (std::uint32_t seed = 1; seed <= ImageCount; ++seed) {
            image = randomImage(seed);
            settings.fourMemorySaves = seed % 2 != 0;
            body(seed);
            if (HasFailure()) {
                ADD_FAILURE() << "first failing image: seed " << seed;
                return;
            }
        }
    }

    void report(const char* what) {
        std::cout << "[ property ] " << ImageCount << " images, " << openings << " " << what
                  << " openings; " << rewrites << " OK rewrote bytes, " << refusals
                  << " OK refused, " << cancelledFields << " fields cancelled" << std::endl;
        RecordProperty("images", ImageCount);
        RecordProperty("openings", openings);
        RecordProperty("cancelledFields", cancelledFields);
    }

    Image image;  // overwritten in place for every image, as opening a file does
    ScriptedPrompts prompts;
    Settings settings;
    EditorSources context{{image, prompts, settings, Block::Base, [] {}},
                          nullptr,
                          [] { return ReportHeadings{}; },
                          [] { return QStringList(); }};
    std::string where;
    int openings = 0;
    int refusals = 0;
    int rewrites = 0;
    int cancelledFields = 0;
};

constexpr Close NotOk[] = {Close::Escape, Close::Window, Close::CancelButton};

// Whether and before which close the fields are cancelled on image `seed`.
CancelFields cancelsFields(std::uint32_t seed) {
    if (seed / Share % CancelShare) return CancelFields::Never;
    return seed / Share / CancelShare % 2 ? CancelFields::BeforeOk : CancelFields::BeforeNotOk;
}

}  // namespace

TEST_F(DialogProperties, EveryEditorChangesNothingButWhatItsOkMustRewrite) {
    std::map<QString, std::unique_ptr<QDialog>> kept;  // built once, as the program keeps them
    std::unique_ptr<QDialog> built;
    const std::vector<EditorRow> rows = editorTable();
    forEachImage([&](std::uint32_t seed) {
        for (int r = 0; r < int(rows.size()); ++r) {
            const EditorRow& row = rows[r];
            if ((seed + r) % Share) continue;
            where = row.action.toStdString() + " on image " + std::to_string(seed);
            const auto open = [&]() -> QDialog& {
                if (row.mode != EditorMode::Kept) {
                    built.reset(row.build(context));
                    return *built;
                }
                std::unique_ptr<QDialog>& dialog = kept[row.action];
                if (!dialog) dialog.reset(row.build(context));
                return *dialog;
            };
            checkCloses(open, NotOk[seed / Share % 3], cancelsFields(seed));
            built.reset();
        }
    });
    report("editor");
}

TEST_F(DialogProperties, TheScheduledEventChangesNothingButItsOwnEvent) {
    std::unique_ptr<ScheduledEventDialog> dialog;
    forEachImage([&](std::uint32_t seed) {
        for (int n = 1; n <= Scheduler::EventCount; ++n) {
            if ((seed + n) % Share) continue;
            where = "event " + std::to_string(n) + " on image " + std::to_string(seed);
            const auto open = [&]() -> QDialog& {
                dialog = std::make_unique<ScheduledEventDialog>(image, prompts, n);
                return *dialog;
            };
            checkCloses(open, NotOk[seed / Share % 3], cancelsFields(seed));
        }
    });
    report("event dialog");
}

TEST_F(DialogProperties, TheMacroReviewChangesNothing) {
    forEachImage([&](std::uint32_t seed) {
        MacrosDialog macros(context.context);
        macros.show();
        const int n = int(seed % Macros::Count) + 1;
        where = "review of macro " + std::to_string(n) + " on image " + std::to_string(seed);
        const Image before = image;
        QTest::mouseClick(child<QWidget>(macros, QStringLiteral("Label1_%1").arg(n)),
                          Qt::LeftButton);
        ASSERT_TRUE(macros.review()->isVisible()) << where;
        showAndClose(*macros.review(), seed % 2 ? Close::Ok : NotOk[seed % 3]);
        EXPECT_TRUE(image == before) << where << ": " << changedOffsets(before, image);
        macros.close();
    });
    report("macro review");
}
