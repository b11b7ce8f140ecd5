// The overview of the whole configuration: its model (every field placed under its area and read,
// the fields one edit touches read again, the filter) and the main window's pane drawn from it,
// built, refreshed after an edit and filtered on screen; and undo and redo with the pane following.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QTreeView>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "app/checkwindow.h"
#include "app/overviewpane.h"
#include "core/regions.h"
#include "fields/catalogue.h"
#include "fields/overview.h"
#include "fullimage.h"
#include "settle.h"
#include "ui/imagewatch.h"

namespace {

const Fields::FieldList& catalogue() { return Fields::catalogue(Bench::FourMemorySaves); }

// The filter text the filter benchmarks type, and a second one they alternate with so every
// iteration changes what is shown.
const QString FilterText = QStringLiteral("time");
const QString OtherFilterText = QStringLiteral("code");

// The model's part of building the overview: each field's shown text (its area and block are
// values of the field).
void BM_OverviewModel_Build(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    for (auto _ : state) {
        for (const Fields::Field& field : catalogue()) {
            QString text = field.text(image);
            benchmark::DoNotOptimize(text);
        }
    }
    state.counters["fields"] = double(catalogue().size());
}
BENCHMARK(BM_OverviewModel_Build)->Name("BM_OverviewModel/Build")->Unit(benchmark::kMicrosecond);

// The model's part of a refresh after one edit: the changed bytes found, and the fields read
// from them read again.
void BM_OverviewModel_RefreshAfterEdit(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    Image image = Bench::fullImage();
    Image seen = image;
    Bench::TimeOutEdit edit;
    int touched = 0;
    if (!edit.valid() || !edit.apply(image)) {
        state.SkipWithError("the time-out edit was refused");
        return;
    }
    const Fields::ByteRanges first = Fields::differingRanges(seen, image);
    for (const Fields::Field& field : catalogue())
        if (Fields::readsFrom(field, image, first)) ++touched;
    if (touched == 0) {
        state.SkipWithError("the edit touched no field");
        return;
    }
    seen = image;
    for (auto _ : state) {
        edit.apply(image);
        const Fields::ByteRanges changed = Fields::differingRanges(seen, image);
        for (const Fields::Field& field : catalogue()) {
            if (!Fields::readsFrom(field, image, changed)) continue;
            QString text = field.text(image);
            benchmark::DoNotOptimize(text);
        }
        seen = image;
    }
    state.counters["touched"] = touched;
}
BENCHMARK(BM_OverviewModel_RefreshAfterEdit)
    ->Name("BM_OverviewModel/RefreshAfterEdit")
    ->Unit(benchmark::kMicrosecond);

// The model's part of filtering: every field's caption, shown value and key searched.
void BM_OverviewModel_Filter(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    std::vector<QString> shown;
    for (const Fields::Field& field : catalogue()) shown.push_back(field.text(Bench::fullImage()));
    int matches = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (Overview::matches(catalogue()[i], shown[i], FilterText)) ++matches;
    if (matches == 0 || matches == int(shown.size())) {
        state.SkipWithError("the filter lets through no field or every field");
        return;
    }
    for (auto _ : state) {
        int count = 0;
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (Overview::matches(catalogue()[i], shown[i], FilterText)) ++count;
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = matches;
}
BENCHMARK(BM_OverviewModel_Filter)->Name("BM_OverviewModel/Filter")->Unit(benchmark::kMicrosecond);

// The pane as the main window shows it, on screen at a usual window size.
struct ShownPane {
    explicit ShownPane(const Image& image) : pane(image) {
        pane.resize(1000, 700);
        pane.rebuild(Bench::FourMemorySaves);
        pane.show();
        const PaintProbe probe(pane.tree()->viewport());
        shown = waitForPaint(probe);
    }
    OverviewPane pane;
    bool shown = false;
};

// The tree's value shown for `field`, found through the pane's own rows.
std::optional<QString> shownValue(const OverviewPane& pane, const Fields::Field& field,
                                  const QModelIndex& parent = {}) {
    const QAbstractItemModel* model = pane.tree()->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (pane.fieldAt(index) == &field)
            return index.siblingAtColumn(OverviewPane::ValueColumn).data().toString();
        if (std::optional<QString> found = shownValue(pane, field, index)) return found;
    }
    return std::nullopt;
}

// Opening a file: the whole tree built anew for the image and drawn.
void BM_OverviewPane_Build(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    ShownPane shown(image);
    if (!shown.shown || shown.pane.matchCount() != int(catalogue().size()) ||
        shown.pane.tree()->model()->rowCount() == 0) {
        state.SkipWithError("the overview was not shown with every field");
        return;
    }
    PaintProbe probe(shown.pane.tree()->viewport());
    for (auto _ : state) {
        shown.pane.rebuild(Bench::FourMemorySaves);
        probe.painted = false;
        if (!waitForPaint(probe)) {
            state.SkipWithError("the rebuilt overview was not drawn");
            return;
        }
    }
    state.counters["fields"] = shown.pane.matchCount();
}
BENCHMARK(BM_OverviewPane_Build)->Name("BM_OverviewPane/Build")->Unit(benchmark::kMillisecond);

// One edit in an editor: the bytes that changed found and the fields read from them read again,
// as the main window's watch hands them to the pane, and the events that follow processed.
void BM_OverviewPane_RefreshAfterEdit(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    Image image = Bench::fullImage();
    ShownPane shown(image);
    Bench::TimeOutEdit edit;
    if (!shown.shown || !edit.valid()) {
        state.SkipWithError("the overview was not shown");
        return;
    }
    Image seen = image;
    const std::optional<QString> before = shownValue(shown.pane, edit.field());
    edit.apply(image);
    shown.pane.refresh(Fields::differingRanges(seen, image));
    seen = image;
    const std::optional<QString> after = shownValue(shown.pane, edit.field());
    if (!before || !after || *before == *after ||
        *after != Overview::shownValue(edit.field(), image)) {
        state.SkipWithError("the overview did not show the edited value");
        return;
    }
    for (auto _ : state) {
        edit.apply(image);
        shown.pane.refresh(Fields::differingRanges(seen, image));
        seen = image;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OverviewPane_RefreshAfterEdit)
    ->Name("BM_OverviewPane/RefreshAfterEdit")
    ->Unit(benchmark::kMicrosecond);

// Typing a filter: the tree narrowed to the matching fields, opened out and drawn. Two filters
// take turns, so each iteration is a change of the filter.
void BM_OverviewPane_Filter(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    ShownPane shown(Bench::fullImage());
    if (!shown.shown) {
        state.SkipWithError("the overview was not shown");
        return;
    }
    shown.pane.setFilter(FilterText);
    const int matches = shown.pane.matchCount();
    if (matches == 0 || matches == int(catalogue().size())) {
        state.SkipWithError("the filter lets through no field or every field");
        return;
    }
    PaintProbe probe(shown.pane.tree()->viewport());
    bool other = false;
    for (auto _ : state) {
        other = !other;
        shown.pane.setFilter(other ? OtherFilterText : FilterText);
        probe.painted = false;
        if (!waitForPaint(probe)) {
            state.SkipWithError("the filtered overview was not drawn");
            return;
        }
    }
    state.counters["matches"] = matches;
}
BENCHMARK(BM_OverviewPane_Filter)->Name("BM_OverviewPane/Filter")->Unit(benchmark::kMillisecond);

// Edit > Undo and Edit > Redo of one edit as the main window does them: the history writes the
// bytes back and the overview follows.
void BM_UndoRedo_WithOverview(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    Image image = Bench::fullImage();
    ShownPane shown(image);
    ImageWatch watch(image);
    QObject::connect(&watch, &ImageWatch::changed, &shown.pane, &OverviewPane::refresh);
    Bench::TimeOutEdit edit;
    if (!shown.shown || !edit.valid() || !edit.apply(image)) {
        state.SkipWithError("the overview was not shown or the edit was refused");
        return;
    }
    watch.look(edit.field().caption);
    const std::optional<QString> edited = shownValue(shown.pane, edit.field());
    watch.undo();
    const std::optional<QString> undone = shownValue(shown.pane, edit.field());
    if (!edited || !undone || *edited == *undone ||
        *undone != Overview::shownValue(edit.field(), Bench::fullImage())) {
        state.SkipWithError("the overview did not follow the undo");
        return;
    }
    watch.redo();
    for (auto _ : state) {
        watch.undo();
        watch.redo();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_UndoRedo_WithOverview)
    ->Name("BM_UndoRedo/WithOverview")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Tools > Check Configuration reading the configuration again after an edit: the check and its
// list of findings, with the window on screen.
void BM_CheckWindow_Recheck(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    Image image = Bench::fullImage();
    CheckWindow window(image, [] { return Bench::FourMemorySaves; });
    PaintProbe shown(&window);
    window.show();
    if (!waitForPaint(shown)) {
        state.SkipWithError("the check window was not painted");
        return;
    }
    for (auto _ : state) {
        image[Region::Macros + 8] ^= 0x11;  // macro 1's first command, back and forth
        window.refresh();
    }
    state.counters["findings"] = double(window.findings()->topLevelItemCount());
}
BENCHMARK(BM_CheckWindow_Recheck)->Name("BM_CheckWindow/Recheck")->Unit(benchmark::kMicrosecond);

}  // namespace
