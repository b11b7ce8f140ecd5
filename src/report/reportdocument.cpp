#include "report/reportdocument.h"

#include <algorithm>

int ReportDocument::pageCount() const {
    int count = 0;
    for (const ReportJob& job : jobs) count += static_cast<int>(job.pages.size());
    return count;
}

ReportComposer::ReportComposer(const QString& fontFamily, LineBudget budget) {
    m_document.fontFamily = fontFamily;
    m_document.budget = budget;
}

void ReportComposer::startJob(const QString& name) {
    finishJob();
    m_document.jobs.push_back({name, {}});
    m_inJob = true;
}

ReportPage& ReportComposer::currentPage() {
    if (!m_inJob) startJob(QString());
    std::vector<ReportPage>& pages = m_document.jobs.back().pages;
    if (pages.empty()) pages.push_back({m_orientation, {}});
    return pages.back();
}

void ReportComposer::setOrientation(PageOrientation orientation) {
    m_orientation = orientation;
    if (!m_inJob) return;
    std::vector<ReportPage>& pages = m_document.jobs.back().pages;
    if (!pages.empty() && pages.back().lines.empty()) pages.back().orientation = orientation;
}

void ReportComposer::text(int column, const QString& text) {
    ReportItem item;
    item.column = std::max(column, m_position + 1);
    item.text = text;
    item.size = m_size;
    item.bold = m_bold;
    m_position = item.column - 1 + static_cast<int>(text.size());
    m_line.items.push_back(std::move(item));
}

void ReportComposer::number(int column, int value) {
    text(column, (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value));
}

void ReportComposer::centredLine(const QString& text) {
    if (!m_line.items.empty()) endLine();
    ReportItem item;
    item.text = text;
    item.size = m_size;
    item.bold = m_bold;
    item.centred = true;
    m_line.items.push_back(std::move(item));
    endLine();
}

void ReportComposer::pushLine(ReportLine line) {
    ReportPage* page = &currentPage();
    if (static_cast<int>(page->lines.size()) >= m_document.budget.lines(page->orientation)) {
        // The page is full: the text runs on on a new page of the same orientation.
        m_document.jobs.back().pages.push_back({page->orientation, {}});
        page = &m_document.jobs.back().pages.back();
    }
    page->lines.push_back(std::move(line));
}

void ReportComposer::endLine() {
    m_line.size = m_size;
    pushLine(std::move(m_line));
    m_line = {};
    m_position = 0;
}

void ReportComposer::lineBreak() {
    if (!m_line.items.empty()) endLine();
    endLine();
    endLine();
}

void ReportComposer::endEntry() {
    endLine();
    endLine();
}

void ReportComposer::pageBreak() {
    if (!m_line.items.empty()) endLine();
    currentPage();
    m_document.jobs.back().pages.push_back({m_orientation, {}});
}

void ReportComposer::finishJob() {
    if (!m_inJob) return;
    if (!m_line.items.empty()) endLine();
    std::vector<ReportPage>& pages = m_document.jobs.back().pages;
    if (pages.size() > 1 && pages.back().lines.empty()) pages.pop_back();
    m_inJob = false;
}

ReportDocument ReportComposer::take() {
    finishJob();
    ReportDocument document = std::move(m_document);
    m_document = {};
    m_document.fontFamily = document.fontFamily;
    m_document.budget = document.budget;
    return document;
}

namespace {

QString lineText(const ReportLine& line) {
    QString text;
    for (const ReportItem& item : line.items) {
        const int start =
            item.centred ? std::max(0, (TextPageWidth - static_cast<int>(item.text.size())) / 2)
                         : item.column - 1;
        if (text.size() < start) text += QString(start - text.size(), QLatin1Char(' '));
        text += item.text;
    }
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

}  // namespace

QString reportText(const ReportDocument& document) {
    QString text;
    bool first = true;
    for (const ReportJob& job : document.jobs) {
        for (const ReportPage& page : job.pages) {
            if (!first) text += QLatin1String("\f\n");
            first = false;
            for (const ReportLine& line : page.lines) text += lineText(line) + QLatin1Char('\n');
        }
    }
    return text;
}
