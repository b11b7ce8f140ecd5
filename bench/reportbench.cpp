// The printed report of the full image with every box checked and four memory saves, as
// `orvtool report` and the print dialog make it: composed, then as text and as a PDF file.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/settings.h"
#include "fullimage.h"
#include "report/report.h"
#include "report/reportpainter.h"

namespace {

ReportInputs allBoxes() {
    ReportBoxes boxes{};
    boxes.fill(true);
    Settings settings;
    settings.fourMemorySaves = true;
    const QString name = QStringLiteral("/tmp/club-repeater.orv");
    return reportInputs(settings, {name, name, todaysPrintDate()}, boxes);
}

void BM_Report_Compose(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const ReportInputs inputs = allBoxes();
    const ReportDocument first = composeReport(Bench::fullImage(), inputs);
    if (first.jobs.empty() || first.pageCount() == 0) {
        state.SkipWithError("the report has no page");
        return;
    }
    for (auto _ : state) {
        ReportDocument document = composeReport(Bench::fullImage(), inputs);
        benchmark::DoNotOptimize(document.jobs.data());
    }
    state.counters["jobs"] = double(first.jobs.size());
    state.counters["pages"] = first.pageCount();
}
BENCHMARK(BM_Report_Compose)->Name("BM_Report/Compose")->Unit(benchmark::kMillisecond);

// orvtool report: composed and written as text.
void BM_Report_Text(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const ReportInputs inputs = allBoxes();
    const QString first = reportText(composeReport(Bench::fullImage(), inputs));
    if (first.trimmed().isEmpty()) {
        state.SkipWithError("the report text is empty");
        return;
    }
    for (auto _ : state) {
        QString text = reportText(composeReport(Bench::fullImage(), inputs));
        benchmark::DoNotOptimize(text);
    }
    state.counters["chars"] = double(first.size());
}
BENCHMARK(BM_Report_Text)->Name("BM_Report/Text")->Unit(benchmark::kMillisecond);

// orvtool report --pdf: composed, drawn page by page and written to a file.
void BM_Report_Pdf(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const ReportInputs inputs = allBoxes();
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const QString problem = writeReportPdf(composeReport(Bench::fullImage(), inputs), path);
    QFile written(path);
    if (!problem.isEmpty() || !written.open(QIODevice::ReadOnly) || written.size() == 0 ||
        !written.read(5).startsWith("%PDF-")) {
        state.SkipWithError(qPrintable(QStringLiteral("no PDF was written: ") + problem));
        return;
    }
    state.counters["bytes"] = double(written.size());
    written.close();
    for (auto _ : state) {
        QString result = writeReportPdf(composeReport(Bench::fullImage(), inputs), path);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Report_Pdf)->Name("BM_Report/Pdf")->Unit(benchmark::kMillisecond);

}  // namespace
