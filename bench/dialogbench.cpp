// Every editor of the main window's editor table, built on the full image as the main window builds
// it, shown, filled and drawn; and the compare window showing a comparison.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QTreeWidget>
#include <memory>

#include "app/comparewindow.h"
#include "app/editortable.h"
#include "benchprompts.h"
#include "core/settings.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fullimage.h"
#include "registration.h"
#include "settle.h"
#include "ui/imagewatch.h"
#include "ui/valuefield.h"

namespace {

// What the main window gives its editors: the image with its watch (and so the undo history),
// the prompts, the settings, the report's headings and the files no export may replace.
struct EditorHost {
    explicit EditorHost(bool fourMemorySaves = Bench::FourMemorySaves)
        : image(Bench::fullImage(fourMemorySaves)), watch(image) {
        settings.fourMemorySaves = fourMemorySaves;
    }

    EditorSources sources() {
        return {{image, prompts, settings, Block::Base, [] {}, &watch},
                &mainWindow,
                [] {
                    return ReportHeadings{QStringLiteral("/tmp/club-repeater.orv"),
                                          QStringLiteral("/tmp/club-repeater.orv"),
                                          todaysPrintDate()};
                },
                [] { return QStringList{QStringLiteral("/tmp/club-repeater.orv")}; }};
    }

    Image image;
    ImageWatch watch;
    BenchPrompts prompts;
    Settings settings;
    QWidget mainWindow;  // never shown: the editors' parent, as the main window is
};

// The memory layout in which the menu item is enabled: the layout whose fields it edits (the
// area-code and prefix tables only with three memory saves); an editor of no field in either.
bool layoutOf(const EditorRow& row) {
    for (const bool four : {Bench::FourMemorySaves, !Bench::FourMemorySaves})
        for (const Fields::Field& field : Fields::catalogue(four))
            if (Fields::editorItem(field) == row.action) return four;
    return Bench::FourMemorySaves;
}

// Why the shown dialog does not look filled, or empty: a dialog of value fields must show a
// value; one without must show some text, a checked choice or a row of a list.
QString notFilled(const QDialog& dialog) {
    const QList<ValueField*> values = dialog.findChildren<ValueField*>();
    if (!values.isEmpty()) {
        for (const ValueField* value : values)
            if (!value->value().trimmed().isEmpty()) return {};
        return QStringLiteral("every value field is empty");
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isCheckable() && button->isChecked()) return {};
    for (const QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
        if (view->model() && view->model()->rowCount() > 0) return {};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible() && !label->text().trimmed().isEmpty()) return {};
    // A dialog of choices only (the print dialog): its captions.
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->text().trimmed().isEmpty()) return {};
    return QStringLiteral("the dialog shows nothing");
}

// Destroys a dialog and lets the deletions it leaves behind run.
void destroy(QDialog* dialog) {
    delete dialog;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// From the menu item to the editor on screen: built, shown with its fields read and drawn.
void dialogShown(benchmark::State& state, const EditorRow& row) {
    const bool fourMemorySaves = layoutOf(row);
    if (!Bench::haveFullImage(state, fourMemorySaves)) return;
    EditorHost host(fourMemorySaves);
    {
        QDialog* dialog = row.build(host.sources());
        const PaintProbe probe(dialog);
        dialog->show();
        dialog->activateWindow();
        const bool painted = waitForPaint(probe);
        const QString problem = painted ? notFilled(*dialog) : QStringLiteral("never drawn");
        destroy(dialog);
        if (!problem.isEmpty() || host.prompts.calls > 0) {
            const QString reason = !problem.isEmpty()
                                       ? problem
                                       : QStringLiteral("it asked: ") + host.prompts.lastTitle;
            state.SkipWithError(qPrintable(reason));
            return;
        }
    }
    for (auto _ : state) {
        QDialog* dialog = row.build(host.sources());
        const PaintProbe probe(dialog);
        dialog->show();
        dialog->activateWindow();
        if (!waitForPaint(probe)) {
            destroy(dialog);
            state.SkipWithError("the dialog was not drawn");
            return;
        }
        state.PauseTiming();
        destroy(dialog);
        state.ResumeTiming();
    }
}

// The compare window on screen with the comparison of the document and another file.
void BM_CompareWindow(benchmark::State& state, bool blank) {
    const std::optional<Image> compared = Bench::comparedImage(state, blank);
    if (!compared) return;
    Image document = Bench::fullImage();
    const Image& other = *compared;
    QWidget mainWindow;
    const auto open = [&] {
        auto* window = new CompareWindow(
            document, [] { return Bench::FourMemorySaves; }, [] {}, &mainWindow);
        window->compareWith(other, QStringLiteral("other.orv"));
        return window;
    };
    {
        CompareWindow* window = open();
        const PaintProbe probe(window);
        window->show();
        const bool painted = waitForPaint(probe);
        const int rows = window->rows()->topLevelItemCount();
        destroy(window);
        if (!painted || rows == 0) {
            state.SkipWithError("the compare window was not drawn with a differing field");
            return;
        }
        state.counters["rows"] = rows;
    }
    for (auto _ : state) {
        CompareWindow* window = open();
        const PaintProbe probe(window);
        window->show();
        if (!waitForPaint(probe)) {
            destroy(window);
            state.SkipWithError("the compare window was not drawn");
            return;
        }
        state.PauseTiming();
        destroy(window);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_CompareWindow, OneEdit, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompareWindow, Blank, true)->Unit(benchmark::kMillisecond);

}  // namespace

void registerDialogBenchmarks() {
    // Each editor is built once here for its class name; the menu item's name (without "mnu")
    // tells the block editors apart.
    EditorHost host;
    for (const EditorRow& row : editorTable()) {
        QDialog* dialog = row.build(host.sources());
        const QString name =
            QStringLiteral("BM_DialogShown/%1/%2")
                .arg(QLatin1String(dialog->metaObject()->className()),
                     row.action.startsWith(QLatin1String("mnu")) ? row.action.mid(3) : row.action);
        destroy(dialog);
        benchmark::RegisterBenchmark(name.toStdString().c_str(), [row](benchmark::State& state) {
            dialogShown(state, row);
        })->Unit(benchmark::kMillisecond);
    }
}
