#include "ui/helpviewer.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/texts.h"
#include "ui/windows.h"

namespace {
const QString HelpRoot = QStringLiteral(":/help/");
const QString ContentsPage = QStringLiteral("index.html");
}  // namespace

HelpViewer* HelpViewer::instance() {
    static HelpViewer* viewer = new HelpViewer;
    return viewer;
}

void HelpViewer::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    releaseWhileHidden(this, [this] { destroy(); });
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QString::fromLatin1(Texts::AppTitle) + QStringLiteral(" Help"));

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setSearchPaths({HelpRoot});
    m_browser->setOpenExternalLinks(false);

    // The contents list: the topics the contents page links to, in its order.
    auto* contents = new QListWidget;
    contents->setObjectName(QStringLiteral("helpContents"));
    contents->addItem(tr("Contents"));
    contents->item(0)->setData(Qt::UserRole, ContentsPage);
    QFile index(HelpRoot + ContentsPage);
    if (index.open(QIODevice::ReadOnly)) {
        static const QRegularExpression link(QStringLiteral("<a href=\"([^\"]+)\">([^<]+)</a>"));
        auto it = link.globalMatch(QString::fromUtf8(index.readAll()));
        while (it.hasNext()) {
            const auto match = it.next();
            auto* entry = new QListWidgetItem(match.captured(2), contents);
            entry->setData(Qt::UserRole, match.captured(1));
        }
    }
    connect(contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) m_browser->setSource(QUrl(item->data(Qt::UserRole).toString()));
    });

    auto* searchPage = new QWidget;
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(tr("Type a keyword"));
    m_matches = new QListWidget;
    m_matches->setObjectName(QStringLiteral("helpMatches"));
    auto* searchLabel = new QLabel(tr("&Keyword:"));
    searchLabel->setBuddy(m_search);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_matches);
    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::filterKeywords);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_matches->count() > 0) m_matches->setCurrentRow(0);
    });
    connect(m_matches, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) m_browser->setSource(QUrl(m_keywords.value(item->text())));
    });

    m_tabs = new QTabWidget;
    m_tabs->addTab(contents, tr("Contents"));
    m_tabs->addTab(searchPage, tr("Search"));

    // The contents pane is wide enough for its longest title: no title cut, no sideways scrolling.
    contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int titles = contents->sizeHintForColumn(0) + 2 * contents->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    m_tabs->setMinimumWidth(titles);

    // Back and Forward through the pages shown, by button or Alt+Left and Alt+Right.
    const auto historyButton = [this](const char* name, const QString& text,
                                      QStyle::StandardPixmap icon, QKeySequence::StandardKey key) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(key);
        button->setEnabled(false);
        return button;
    };
    QToolButton* back =
        historyButton("helpBack", tr("Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
    QToolButton* forward =
        historyButton("helpForward", tr("Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    pageLayout->addLayout(buttons);
    pageLayout->addWidget(m_browser);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({std::max(240, titles), 580});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(std::max(820, titles + 600), 600);

    // Escape and Ctrl+W close the window, as they close other help and document windows.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    loadKeywords();
    filterKeywords({});
    m_browser->setSource(QUrl(ContentsPage));
}

void HelpViewer::loadKeywords() {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList pages = QDir(HelpRoot).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& page : pages) {
        QFile file(HelpRoot + page);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const auto match = meta.match(QString::fromUtf8(file.readAll()));
        if (!match.hasMatch()) continue;
        for (const QString& word : match.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            m_keywords.insert(word.trimmed(), page);
    }
}

void HelpViewer::filterKeywords(const QString& text) {
    m_matches->clear();
    for (auto it = m_keywords.cbegin(); it != m_keywords.cend(); ++it)
        if (it.key().contains(text.trimmed(), Qt::CaseInsensitive)) m_matches->addItem(it.key());
}

void HelpViewer::present() {
    if (!isVisible()) centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void HelpViewer::showContents() {
    m_tabs->setCurrentIndex(0);
    m_browser->setSource(QUrl(ContentsPage));
    present();
}

void HelpViewer::showSearch() {
    m_tabs->setCurrentIndex(1);
    present();
    m_search->setFocus();
}

void HelpViewer::showTopic(const QString& page) {
    m_browser->setSource(QUrl(page));
    present();
}
