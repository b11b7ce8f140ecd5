// The composition rules the sections alone do not show: a passed column, the columns after an
// empty text, centring, full pages of either orientation and the page between two jobs.
#include <gtest/gtest.h>

#include <functional>

#include "imagecheck.h"
#include "report/reportdocument.h"

TEST(ReportComposer, PlacesTextsAtCharacterColumns) {
    struct Case {
        const char* what;
        std::function<void(ReportComposer&)> compose;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"a number has one leading space", [](ReportComposer& c) { c.number(8, 5); c.endLine(); },
         "        5\n"},
        {"a passed column follows the text so far", [](ReportComposer& c) {
             c.text(8, "ABCDEFGHIJ"); c.text(12, "X"); c.number(13, 7); c.endLine(); },
         "       ABCDEFGHIJX 7\n"},
        {"an empty text keeps the next column", [](ReportComposer& c) {
             c.text(8, "A"); c.text(15, ""); c.text(21, "-"); c.text(24, " "); c.endLine(); },
         "       A            -\n"},
        {"a title centred in 80 columns", [](ReportComposer& c) {
             c.centredLine("Base Control Codes"); },
         "                               Base Control Codes\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ReportComposer composer(QStringLiteral("Arial"));
        composer.startJob(QStringLiteral("job"));
        c.compose(composer);
        const ReportDocument document = composer.take();
        EXPECT_EQ(reportText(document), QString::fromLatin1(c.text)) << c.what;
    }

    // The painter sees the moved column too.
    ReportComposer composer(QStringLiteral("Arial"));
    composer.text(1, QStringLiteral("Frequency"));
    composer.setBold(true);
    composer.text(5, QStringLiteral("-"));
    composer.endLine();
    const ReportItem dash = composer.take().jobs.at(0).pages.at(0).lines.at(0).items.at(1);
    EXPECT_TRUE(dash.column == 10 && dash.bold && dash.size == 10);
}

TEST(ReportComposer, FullPagesRunOnInTheirOrientationAndJobsStartNewPages) {
    ReportComposer c(QStringLiteral("Arial"), LineBudget{3, 2});
    auto lines = [&](std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            c.text(8, QString::fromLatin1(text));
            c.endLine();
        }
    };
    c.startJob(QStringLiteral("one"));
    c.setOrientation(PageOrientation::Landscape);
    lines({"1", "2", "3", "4", "5"});
    c.setOrientation(PageOrientation::Portrait);  // the page has lines: it applies to the next
    c.pageBreak();
    lines({"6", "7", "8", "9"});
    c.pageBreak();  // nothing follows in the job: no empty page
    c.startJob(QStringLiteral("two"));
    lines({"10"});
    const ReportDocument document = c.take();

    EXPECT_EQ(reportText(document),
              "       1\n       2\n\f\n       3\n       4\n\f\n       5\n\f\n"
              "       6\n       7\n       8\n\f\n       9\n\f\n       10\n");
    ASSERT_EQ(document.jobs.size(), 2u);
    const auto& pages = document.jobs[0].pages;
    ASSERT_EQ(pages.size(), 5u);
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(pages[p].orientation,
                  p < 3 ? PageOrientation::Landscape : PageOrientation::Portrait)
            << "page " << p + 1;
}
