// The composition rules of the listing and its plain-text form: columns, number items, ended
// lines and line breaks, page breaks, jobs and the pagination by line budget.
#include <gtest/gtest.h>

#include <functional>

#include "imagecheck.h"
#include "report/reportdocument.h"

namespace {

QString composed(const std::function<void(ReportComposer&)>& compose, LineBudget budget = {}) {
    ReportComposer composer(QStringLiteral("Arial"), budget);
    composer.startJob(QStringLiteral("job"));
    compose(composer);
    return reportText(composer.take());
}

}  // namespace

TEST(ReportComposer, PlacesTextsAtCharacterColumns) {
    struct Case {
        const char* what;
        std::function<void(ReportComposer&)> compose;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"text at column 8", [](ReportComposer& c) { c.text(8, "File: x"); c.endLine(); },
         "       File: x\n"},
        {"a number has one leading space", [](ReportComposer& c) { c.number(8, 5); c.endLine(); },
         "        5\n"},
        {"a two-digit number", [](ReportComposer& c) { c.number(8, 10); c.endLine(); },
         "        10\n"},
        {"a passed column appends", [](ReportComposer& c) {
             c.text(8, "ABCDEFGHIJ"); c.text(12, "X"); c.endLine(); },
         "       ABCDEFGHIJX\n"},
        {"a number right after a text", [](ReportComposer& c) {
             c.text(1, "ABC"); c.number(2, 7); c.endLine(); },
         "ABC 7\n"},
        {"trailing spaces removed", [](ReportComposer& c) {
             c.number(8, 3); c.text(11, " "); c.endLine(); },
         "        3\n"},
        {"an empty text keeps the next column", [](ReportComposer& c) {
             c.text(8, "A"); c.text(15, ""); c.text(21, "-"); c.endLine(); },
         "       A            -\n"},
        {"a title centred in 80 columns", [](ReportComposer& c) {
             c.centredLine("Base Control Codes"); },
         "                               Base Control Codes\n"},
        {"an even shorter title", [](ReportComposer& c) { c.centredLine("CW Message"); },
         "                                   CW Message\n"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(composed(c.compose), QString::fromLatin1(c.text)) << c.what;
}

TEST(ReportComposer, LineBreaksLeaveTwoEmptyLinesAndEntriesOne) {
    struct Case {
        const char* what;
        std::function<void(ReportComposer&)> compose;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"an empty ended line", [](ReportComposer& c) { c.endLine(); }, "\n"},
        {"a line break on its own", [](ReportComposer& c) { c.lineBreak(); }, "\n\n"},
        {"a line break after a text", [](ReportComposer& c) { c.text(8, "A"); c.lineBreak(); },
         "       A\n\n\n"},
        {"an ended line, then a line break", [](ReportComposer& c) {
             c.text(8, "A"); c.endLine(); c.lineBreak(); },
         "       A\n\n\n"},
        {"entry lines", [](ReportComposer& c) {
             c.text(8, "A"); c.endEntry(); c.text(8, "B"); c.endEntry(); },
         "       A\n\n       B\n\n"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(composed(c.compose), QString::fromLatin1(c.text)) << c.what;
}

TEST(ReportComposer, PageBreaksAndJobsStartNewPagesWithoutEmptyOnes) {
    ReportComposer c(QStringLiteral("Arial"));
    c.startJob(QStringLiteral("one"));
    c.text(8, QStringLiteral("A"));
    c.endLine();
    c.pageBreak();
    c.text(8, QStringLiteral("B"));  // ended by the page break
    c.pageBreak();
    c.startJob(QStringLiteral("two"));
    c.text(8, QStringLiteral("C"));
    c.endEntry();
    const ReportDocument document = c.take();

    ASSERT_EQ(document.jobs.size(), 2u);
    EXPECT_EQ(document.jobs[0].name, "one");
    EXPECT_EQ(document.jobs[0].pages.size(), 2u) << "a closing page break adds no page";
    EXPECT_EQ(document.jobs[1].pages.size(), 1u);
    EXPECT_EQ(reportText(document), "       A\n\f\n       B\n\f\n       C\n\n");
}

TEST(ReportComposer, FullPageRunsOnWithoutHeadingInItsOrientation) {
    ReportComposer c(QStringLiteral("Arial"), LineBudget{3, 2});
    c.startJob(QStringLiteral("job"));
    c.setOrientation(PageOrientation::Landscape);
    for (const char* text : {"1", "2", "3", "4", "5"}) {
        c.text(8, QString::fromLatin1(text));
        c.endLine();
    }
    c.setOrientation(PageOrientation::Portrait);  // the page has lines: it applies to the next
    c.pageBreak();
    for (const char* text : {"6", "7", "8", "9"}) {
        c.text(8, QString::fromLatin1(text));
        c.endLine();
    }
    const ReportDocument document = c.take();

    EXPECT_EQ(reportText(document),
              "       1\n       2\n\f\n       3\n       4\n\f\n       5\n\f\n"
              "       6\n       7\n       8\n\f\n       9\n");
    const auto& pages = document.jobs.at(0).pages;
    ASSERT_EQ(pages.size(), 5u);
    const PageOrientation want[] = {PageOrientation::Landscape, PageOrientation::Landscape,
                                    PageOrientation::Landscape, PageOrientation::Portrait,
                                    PageOrientation::Portrait};
    for (int p = 0; p < 5; ++p) EXPECT_EQ(pages[p].orientation, want[p]) << "page " << p + 1;
}

TEST(ReportComposer, ItemsKeepTheirColumnSizeAndBoldness) {
    ReportComposer c(QStringLiteral("Courier New"));
    c.startJob(QStringLiteral("job"));
    c.setSize(12);
    c.setBold(true);
    c.text(8, QStringLiteral("Zone 1"));
    c.setBold(false);
    c.number(60, 1);
    c.endLine();
    c.text(1, QStringLiteral("Frequency"));
    c.text(5, QStringLiteral("-"));  // its column is passed: it follows the text so far
    c.endLine();
    c.setSize(14);
    c.centredLine(QStringLiteral("Title"));
    const ReportDocument document = c.take();

    EXPECT_EQ(document.fontFamily, "Courier New");
    const auto& lines = document.jobs.at(0).pages.at(0).lines;
    ASSERT_EQ(lines.size(), 3u);
    const ReportItem& zone = lines[0].items.at(0);
    EXPECT_TRUE(zone.bold && zone.size == 12 && zone.column == 8 && !zone.centred);
    const ReportItem& number = lines[0].items.at(1);
    EXPECT_TRUE(!number.bold && number.column == 60 && number.text == " 1");
    EXPECT_EQ(lines[1].items.at(1).column, 10);
    EXPECT_TRUE(lines[2].items.at(0).centred && lines[2].items.at(0).size == 14);
}
