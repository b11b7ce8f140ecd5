#include "app/aboutdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/texts.h"
#include "ui/editordialog.h"
#include "ui/prompts.h"
#include "ui/windows.h"

AboutDialog::AboutDialog(Prompts& prompts, Mode mode, QWidget* parent)
    : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (mode == Mode::Splash) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    auto* title = new QLabel(QString::fromLatin1(Texts::AppTitle));
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QString::fromLatin1(Texts::VersionLine));
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* subtitle =
        new QLabel(tr("Configuration memory editor for the ORVANE repeater controller"));
    subtitle->setObjectName(QStringLiteral("lblDescription"));

    auto* ok = new QPushButton(QLatin1String(Texts::OkCaption));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(tr("System Info"));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInfo);

    // The buttons stand at the foot, right-aligned, with OK last, as in every other dialog.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {sysInfo, ok}) {
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }
    // The picture stands beside the texts, where the window has room for one.
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("imgIcon"));
    picture->setPixmap(editorIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(subtitle);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(buttons);

    if (mode == Mode::Splash) {
        layout->setContentsMargins(24, 20, 24, 20);  // a frameless window needs room of its own
        ok->hide();
        sysInfo->hide();
        setCursor(Qt::WaitCursor);
        setFrameStyle();
    }
    ok->setFocus();
    adjustSize();
    centreOnScreen(this);
}

void AboutDialog::setFrameStyle() {
    setStyleSheet(QStringLiteral("AboutDialog { border: 2px solid palette(dark); }"));
}

QIcon AboutDialog::editorIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/orvedit.png").arg(size), QSize(size, size));
    return icon;
}

QStringList AboutDialog::systemInfoTools() {
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("gnome-system-monitor")};
}

void AboutDialog::showSystemInfo() {
    for (const QString& tool : systemInfoTools()) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    m_prompts.message(Icon::Information, windowTitle(),
                      QString::fromLatin1(Texts::SystemInfoUnavailable));
}
