// The model's share of the user's actions, without widgets: the modified check (and memcmp as its
// yardstick), opening a file, each area's field table, comparing two files, undo and redo, and
// applying a whole dump.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "core/document.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fields/changes.h"
#include "fields/checker.h"
#include "fields/compare.h"
#include "fields/dump.h"
#include "fields/overview.h"
#include "fullimage.h"
#include "registration.h"
#include "ui/imagewatch.h"

namespace {

// A configuration file of the full image in a temporary folder.
class ImageFile {
public:
    explicit ImageFile(const Image& image) {
        if (!m_dir.isValid()) return;
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly)) return;
        m_written = file.write(reinterpret_cast<const char*>(image.data()), ImageSize) == ImageSize;
    }
    QString path() const { return m_dir.filePath(QStringLiteral("club-repeater.orv")); }
    bool written() const { return m_written; }

private:
    QTemporaryDir m_dir;
    bool m_written = false;
};

// The yardstick of the modified check: two 8 KB buffers compared with memcmp.
void BM_Memcmp8K(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image a = Bench::fullImage();
    const Image b = Bench::fullImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(b.data());
        int result = std::memcmp(a.data(), b.data(), ImageSize);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * ImageSize);
}
BENCHMARK(BM_Memcmp8K);

// The check the main window makes for the title bar and the status bar: is the image what was
// opened? An unchanged image is the slowest case, as every byte is compared.
void BM_ModifiedCheck(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const ImageFile file(Bench::fullImage());
    Document document;
    if (!file.written() || document.open(file.path()) != OpenStatus::Loaded) {
        state.SkipWithError("the full image could not be opened as a file");
        return;
    }
    if (document.isModified()) {
        state.SkipWithError("a document just opened counts as modified");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.image.data());
        bool modified = document.isModified();
        benchmark::DoNotOptimize(modified);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * ImageSize);
}
BENCHMARK(BM_ModifiedCheck);

// File > Open on a configuration file: the name and length checked, the file read whole and the
// document taking it as its saved image.
void BM_OpenFile(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const ImageFile file(Bench::fullImage());
    if (!file.written()) {
        state.SkipWithError("the temporary configuration file could not be written");
        return;
    }
    {
        Document document;
        if (document.open(file.path()) != OpenStatus::Loaded ||
            document.image != Bench::fullImage()) {
            state.SkipWithError("opening the file did not load the full image");
            return;
        }
    }
    for (auto _ : state) {
        Document document;
        OpenStatus status = document.open(file.path());
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(document.image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMicrosecond);

// The fields of one area (its row of the area table), from the catalogue of the layout that has
// them: the area-code and prefix tables exist only with three memory saves.
struct AreaFields {
    Fields::FieldList fields;
    bool fourMemorySaves = Bench::FourMemorySaves;
};
AreaFields areaFields(int area) {
    for (const bool four : {Bench::FourMemorySaves, !Bench::FourMemorySaves}) {
        Fields::FieldList fields;
        for (const Fields::Field& field : Fields::catalogue(four))
            if (field.area == area) fields.push_back(field);
        if (!fields.empty()) return {std::move(fields), four};
    }
    return {};
}

// An editor's or the overview's reading of an area: every field's shown text.
void fieldTable(benchmark::State& state, int areaRow) {
    const AreaFields area = areaFields(areaRow);
    if (area.fields.empty()) {
        state.SkipWithError("the area has no fields in either memory layout");
        return;
    }
    if (!Bench::haveFullImage(state, area.fourMemorySaves)) return;
    const Image& image = Bench::fullImage(area.fourMemorySaves);
    qsizetype characters = 0;
    for (const Fields::Field& field : area.fields) characters += field.text(image).size();
    for (auto _ : state) {
        for (const Fields::Field& field : area.fields) {
            QString text = field.text(image);
            benchmark::DoNotOptimize(text);
        }
    }
    state.counters["fields"] = double(area.fields.size());
    state.counters["chars"] = double(characters);
    state.counters["saves"] = area.fourMemorySaves ? 4 : 3;
    state.SetItemsProcessed(state.iterations() * qint64(area.fields.size()));
}

// Comparing the document with another file: the sample against the same sample with one edit
// (the usual check before a save), and against a blank image (every field differs).
void BM_Compare(benchmark::State& state, bool blank) {
    const std::optional<Image> compared = Bench::comparedImage(state, blank);
    if (!compared) return;
    const Image& document = Bench::fullImage();
    const Image& other = *compared;
    const Compare::Comparison first = Compare::compare(document, other, Bench::FourMemorySaves);
    if (first.identical || first.rows.empty()) {
        state.SkipWithError("the comparison found no differing field");
        return;
    }
    for (auto _ : state) {
        Compare::Comparison comparison = Compare::compare(document, other, Bench::FourMemorySaves);
        benchmark::DoNotOptimize(comparison.rows.data());
    }
    state.counters["rows"] = double(first.rows.size());
}
BENCHMARK_CAPTURE(BM_Compare, OneEdit, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Compare, Blank, true)->Unit(benchmark::kMicrosecond);

// Edit > Undo and Edit > Redo of one edit in the undo history (without the views that follow it;
// BM_UndoRedo/WithOverview adds the overview).
void BM_UndoRedo_History(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    Image image = Bench::fullImage();
    ImageWatch watch(image);
    Bench::TimeOutEdit edit;
    if (!edit.valid() || !edit.apply(image)) {
        state.SkipWithError("the time-out edit was refused");
        return;
    }
    watch.look(edit.field().caption);
    const Image edited = image;
    watch.undo();
    if (image != Bench::fullImage() || !watch.canRedo()) {
        state.SkipWithError("undo did not bring back the full image");
        return;
    }
    watch.redo();
    if (image != edited) {
        state.SkipWithError("redo did not bring back the edit");
        return;
    }
    for (auto _ : state) {
        watch.undo();
        watch.redo();
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UndoRedo_History)->Name("BM_UndoRedo/History")->Unit(benchmark::kMicrosecond);

// The configuration check of the full image (the catalogue already built), as Tools > Check
// Configuration and orvtool check run it.
void BM_CheckConfiguration(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    std::size_t findings = 0;
    for (auto _ : state) {
        std::vector<Check::Finding> found = Check::check(image, Bench::FourMemorySaves);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_CheckConfiguration)->Unit(benchmark::kMicrosecond);

// orvtool dump of the full image: every field's value as a "key = value" text.
void BM_DumpText(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    for (auto _ : state) {
        QString text = Dump::dumpText(Dump::fields(image, Bench::FourMemorySaves));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_DumpText)->Unit(benchmark::kMillisecond);

// orvtool apply of a whole dump of the full image to a blank image: the text read, then every
// line stored by its field's rule and checked.
void BM_ApplyFullDump(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const QString text = Dump::dumpText(Dump::fields(Bench::fullImage(), Bench::FourMemorySaves));
    const Image blank{};
    {
        const Changes::Request request = Changes::readText(text);
        const Changes::Outcome outcome =
            Changes::apply(blank, request.lines, Bench::FourMemorySaves);
        if (!request.refusals.empty() || !outcome.refusals.empty()) {
            state.SkipWithError("the dump of the full image does not apply cleanly");
            return;
        }
        if (outcome.image == blank) {
            state.SkipWithError("applying the dump changed nothing");
            return;
        }
        state.counters["lines"] = double(request.lines.size());
    }
    for (auto _ : state) {
        const Changes::Request request = Changes::readText(text);
        Changes::Outcome outcome = Changes::apply(blank, request.lines, Bench::FourMemorySaves);
        benchmark::DoNotOptimize(outcome.image.data());
    }
}
BENCHMARK(BM_ApplyFullDump)->Unit(benchmark::kMillisecond);

}  // namespace

void registerFieldTableBenchmarks() {
    for (int a = 0; a < int(Fields::areas().size()); ++a) {
        benchmark::RegisterBenchmark(
            ("BM_FieldTable/" + std::string(Fields::areas()[std::size_t(a)].key)).c_str(),
            [a](benchmark::State& state) { fieldTable(state, a); })
            ->Unit(benchmark::kMicrosecond);
    }
}
