#include "app/checkwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/regions.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fields/checker.h"
#include "fields/overview.h"

namespace {
constexpr int KeyRole = Qt::UserRole + 1;  // the key of the field a finding opens
}  // namespace

CheckWindow::CheckWindow(const Image& document, std::function<bool()> fourMemorySaves,
                         QWidget* parent)
    : QDialog(parent), m_document(document), m_fourMemorySaves(std::move(fourMemorySaves)) {
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(tr("Check Configuration"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblCounts"));
    m_heading->setWordWrap(true);
    m_findings = new QTreeWidget(this);
    m_findings->setObjectName(QStringLiteral("lstFindings"));
    m_findings->setAccessibleName(tr("Findings"));
    m_findings->setRootIsDecorated(false);
    m_findings->setAlternatingRowColors(true);
    m_findings->setWordWrap(true);
    m_findings->setHeaderLabels({tr("Severity"), tr("Place"), tr("Finding")});
    m_findings->header()->setStretchLastSection(true);
    connect(m_findings, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit fieldActivated(item->data(0, KeyRole).toString());
    });

    auto* keysLabel = new QLabel(tr("What do these keys do?"), this);
    m_keys = new QLineEdit(this);
    m_keys->setObjectName(QStringLiteral("txtKeys"));
    m_keys->setPlaceholderText(tr("Keys as keyed on the radio: 0-9, A-D, * and #"));
    m_keys->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Da-d*#]{0,16}")), m_keys));
    keysLabel->setBuddy(m_keys);
    m_block = new QComboBox(this);
    m_block->setObjectName(QStringLiteral("cboBlock"));
    m_block->setAccessibleName(tr("Block"));
    for (int block = 0; block <= Region::MemorySaveCount; ++block)
        m_block->addItem(Overview::blockTitle(block));
    m_answers = new QListWidget(this);
    m_answers->setObjectName(QStringLiteral("lstKeyAnswers"));
    m_answers->setAccessibleName(tr("What the keys do"));
    m_answers->setMaximumHeight(fontMetrics().lineSpacing() * 7);
    connect(m_keys, &QLineEdit::textChanged, this, &CheckWindow::showWhatKeysDo);
    connect(m_block, &QComboBox::currentIndexChanged, this, &CheckWindow::showWhatKeysDo);

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* keysRow = new QHBoxLayout;
    keysRow->addWidget(keysLabel);
    keysRow->addWidget(m_keys, 1);
    keysRow->addWidget(m_block);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_findings, 1);
    layout->addLayout(keysRow);
    layout->addWidget(m_answers);
    layout->addLayout(buttons);
    resize(760, 480);
    refresh();
}

void CheckWindow::refresh() {
    const bool four = m_fourMemorySaves();
    const Fields::FieldList& fields = Fields::catalogue(four);
    const std::vector<Check::Finding> found = Check::check(m_document, four);
    int counts[3] = {};
    const QString current =
        m_findings->currentItem() ? m_findings->currentItem()->text(2) : QString();
    m_findings->clear();
    for (const Check::Finding& finding : found) {
        ++counts[int(finding.severity)];
        const auto field = std::ranges::find(fields, finding.keys.value(0), &Fields::Field::key);
        QString place;
        if (field != fields.end()) {
            place = Overview::areaTitle(field->area);
            if (const QString within = Overview::placeOf(*field); !within.isEmpty())
                place += QStringLiteral(", ") + within;
        }
        auto* item = new QTreeWidgetItem(
            m_findings, {Check::severityWord(finding.severity), place, finding.message});
        const QStyle::StandardPixmap icon =
            finding.severity == Check::Severity::Error     ? QStyle::SP_MessageBoxCritical
            : finding.severity == Check::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                           : QStyle::SP_MessageBoxInformation;
        item->setIcon(0, style()->standardIcon(icon));
        item->setData(0, KeyRole, finding.keys.value(0));
        item->setToolTip(2, finding.message + QLatin1Char('\n') + finding.keys.join(", "));
        if (finding.message == current) m_findings->setCurrentItem(item);
    }
    m_findings->resizeColumnToContents(0);
    m_findings->resizeColumnToContents(1);
    const auto count = [](int n, const QString& one, const QString& many) {
        return n == 1 ? one : many.arg(n);
    };
    m_heading->setText(
        found.empty()
            ? tr("No finding: nothing in this configuration asks what the controller cannot do.")
            : tr("%1, %2, %3.")
                  .arg(count(counts[0], tr("1 error"), tr("%1 errors")),
                       count(counts[1], tr("1 warning"), tr("%1 warnings")),
                       count(counts[2], tr("1 note"), tr("%1 notes"))));
    // Memory save #4 is the area-code table's place in the other layout.
    const int blocks = Region::memorySaves(four) + 1;
    while (m_block->count() > blocks) m_block->removeItem(m_block->count() - 1);
    while (m_block->count() < blocks) m_block->addItem(Overview::blockTitle(m_block->count()));
    showWhatKeysDo();
}

void CheckWindow::showWhatKeysDo() {
    m_answers->clear();
    if (m_keys->text().isEmpty()) return;
    const QStringList lines =
        Check::whatKeysDo(m_document, m_keys->text(), std::max(0, m_block->currentIndex()));
    m_answers->addItems(lines.isEmpty() ? QStringList{tr("Nothing in this block answers to "
                                                         "these keys.")}
                                        : lines);
}
