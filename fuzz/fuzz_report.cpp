// The printed report: all thirteen boxes composed in both memory layouts and rendered as plain
// text, for an arbitrary image.
#include "fuzzimage.h"
#include "report/report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image image = fuzzImage(data, size);
    for (const bool fourMemorySaves : {true, false}) {
        ReportInputs inputs;
        inputs.headings = {QStringLiteral("/tmp/club.orv"), QStringLiteral("/tmp/club.orv"),
                           QStringLiteral("07/12/26")};
        inputs.fourMemorySaves = fourMemorySaves;
        inputs.boxes.fill(true);
        const ReportDocument document = composeReport(image, inputs);
        FUZZ_CHECK(document.jobs.size() > 0);
        const QString text = reportText(document);
        // One form feed before every page but the first.
        FUZZ_CHECK(text.count(QChar(12)) == document.pageCount() - 1);
        consume(text);
    }
    return 0;
}
