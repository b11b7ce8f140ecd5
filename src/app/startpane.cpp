#include "app/startpane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/filewriter.h"

namespace {

QPushButton* choice(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);  // Enter presses the choice that has the focus
    button->setMinimumWidth(320);
    return button;
}

}  // namespace

StartPane::StartPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StartPane"));
    m_hint = new QLabel(tr("No configuration file is open.\n\n"
                           "Choose File > Open... to open an ORVANE file (.orv)."),
                        this);
    m_hint->setObjectName(QStringLiteral("lblWelcome"));
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);
    // The colour of placeholder texts, so the hint stays readable in a dark colour scheme.
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    QFont hintFont = m_hint->font();
    hintFont.setPointSizeF(14);
    m_hint->setFont(hintFont);

    m_open = choice(tr("&Open..."), QStringLiteral("cmdStartOpen"), this);
    connect(m_open, &QPushButton::clicked, this, &StartPane::openRequested);
    m_sample = choice(tr("Open a &copy of the sample configuration"),
                      QStringLiteral("cmdStartSample"), this);
    m_sample->setToolTip(tr("Saves a copy of the sample where you choose and opens the copy"));
    m_sample->hide();
    connect(m_sample, &QPushButton::clicked, this, [this] { emit sampleRequested(m_samplePath); });

    auto* choices = new QVBoxLayout;
    choices->addWidget(m_open);
    choices->addWidget(m_sample);
    for (int n = 1; n <= RecentFileCount; ++n) {
        QPushButton* recent = choice(QString(), QStringLiteral("cmdStartRecent%1").arg(n), this);
        recent->hide();
        connect(recent, &QPushButton::clicked, this, [this, n] { emit recentRequested(n); });
        m_recent[std::size_t(n - 1)] = recent;
        choices->addWidget(recent);
    }
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addLayout(choices);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_hint);
    layout->addSpacing(16);
    layout->addLayout(row);
    layout->addStretch();
    setSample(foundSample());
}

void StartPane::setRecentFiles(const std::array<QString, RecentFileCount>& files) {
    for (std::size_t n = 0; n < files.size(); ++n) {
        // The whole name (the File menu shortens long ones), the number its mnemonic.
        const QString name = visibleFileName(files[n]);
        m_recent[n]->setText(QStringLiteral("&%1 ").arg(n + 1) +
                             QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        m_recent[n]->setToolTip(name);
        m_recent[n]->setVisible(!files[n].isEmpty());
    }
}

void StartPane::setSample(const QString& path) {
    m_samplePath = path;
    m_sample->setVisible(!path.isEmpty());
}

QString StartPane::foundSample() {
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const char* relative : {ORV_SAMPLE_BUILT, ORV_SAMPLE_INSTALLED}) {
        const QString path = QDir::cleanPath(folder.filePath(QLatin1String(relative)));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void StartPane::focusFirstChoice() { m_open->setFocus(Qt::TabFocusReason); }

void StartPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    focusFirstChoice();
}
