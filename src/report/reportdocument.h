// The composed report, independent of any printer: jobs of pages, pages of lines, lines of texts
// placed at character columns. The composer builds it the way the listing is printed (items at
// columns, ended lines, line breaks, page breaks) and owns the pagination; the renderers only
// place what it composed.
#pragma once

#include <QString>
#include <vector>

enum class PageOrientation { Portrait, Landscape };

// One text on a line. Column n is the n-th character position, the first being 1; a centred
// item stands in the middle of the page and has no column.
struct ReportItem {
    int column = 1;
    QString text;
    int size = 10;  // points
    bool bold = false;
    bool centred = false;
};

struct ReportLine {
    std::vector<ReportItem> items;  // left to right, none for an empty line
    int size = 10;                  // the font size when the line ended: an empty line's height
};

struct ReportPage {
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<ReportLine> lines;
};

// Lines a page holds. They fit A4 and Letter at the default size of 10 points with room to
// spare; the fullest sections (zones, a scheduler page) take 53 portrait lines, the voice
// messages 37 landscape lines.
struct LineBudget {
    int portrait = 60;
    int landscape = 42;
    int lines(PageOrientation orientation) const {
        return orientation == PageOrientation::Portrait ? portrait : landscape;
    }
};

// One print job: sent to the printer as a document of its own.
struct ReportJob {
    QString name;  // the job's title, also the printer's document name
    std::vector<ReportPage> pages;
};

struct ReportDocument {
    QString fontFamily;
    LineBudget budget;
    std::vector<ReportJob> jobs;

    int pageCount() const;
};

// Builds a document the way the listing is printed: texts are placed at columns of the line
// being built, which a statement ends. Lines fill the page up to the budget of its orientation;
// the next line then starts a new page of the same orientation, with no heading.
class ReportComposer {
public:
    explicit ReportComposer(const QString& fontFamily, LineBudget budget = {});

    // A new job on a new page; the previous job is finished.
    void startJob(const QString& name);

    // The orientation of the page being filled, or of the next page when this one already has
    // lines.
    void setOrientation(PageOrientation orientation);
    void setSize(int points) { m_size = points; }
    void setBold(bool bold) { m_bold = bold; }

    // A text at a column of the line being built. A column the line has already passed places
    // the text right after the text so far.
    void text(int column, const QString& text);
    // A number as the listing writes integers: one leading space for the sign (5 at column 8
    // fills columns 8 and 9 as " 5").
    void number(int column, int value);
    // A line of its own holding the text centred on the page.
    void centredLine(const QString& text);

    // Ends the line being built; with nothing on it, an empty line.
    void endLine();
    // A line break printed as a line of its own: the line being built ends, then two empty lines.
    void lineBreak();
    // An entry line that ends with a line break: it ends, then one empty line.
    void endEntry();
    // The line being built ends and the next line starts a new page. A page break that nothing
    // follows in the job leaves no empty page.
    void pageBreak();

    // The finished document; the composer is empty afterwards.
    ReportDocument take();

private:
    void pushLine(ReportLine line);
    void finishJob();
    ReportPage& currentPage();

    ReportDocument m_document;
    bool m_inJob = false;
    PageOrientation m_orientation = PageOrientation::Portrait;
    int m_size = 10;
    bool m_bold = false;
    ReportLine m_line;   // the line being built
    int m_position = 0;  // characters of the line being built, padding included
};

// The plain-text form: column n is the n-th character, trailing spaces removed, centred titles
// centred in 80 columns; every page after the first starts after a line holding only a form
// feed (character 12), so each job starts on a new page.
QString reportText(const ReportDocument& document);

inline constexpr int TextPageWidth = 80;
