// The program's help viewer: HTML pages built into the program, a contents page and a keyword
// search over the keywords each page declares in its <meta name="keywords"> line.
#pragma once

#include <QMap>
#include <QWidget>

class QTextBrowser;
class QLineEdit;
class QListWidget;
class QTabWidget;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static HelpViewer* instance();

    void showContents();
    void showSearch();
    void showTopic(const QString& page);

    // Keyword -> page, gathered from every page's keywords line.
    const QMap<QString, QString>& keywords() const { return m_keywords; }
    QTextBrowser* browser() const { return m_browser; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    HelpViewer();
    void loadKeywords();
    void filterKeywords(const QString& text);
    void present();

    QTabWidget* m_tabs;
    QLineEdit* m_search;
    QListWidget* m_matches;
    QTextBrowser* m_browser;
    QMap<QString, QString> m_keywords;
};
