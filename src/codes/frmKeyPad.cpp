#include "codes/frmKeyPad.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/prompts.h"

namespace {
constexpr int KeyWidth = 56;
constexpr int KeyHeight = 48;
constexpr int CommandWidth = 84;
}  // namespace

QString keyButtonName(QChar key) {
    if (key == QLatin1Char('*')) return QStringLiteral("cmdKeyStar");
    if (key == QLatin1Char('#')) return QStringLiteral("cmdKeyHash");
    return QStringLiteral("cmdKey") + key;
}

frmKeyPad::frmKeyPad(Prompts& prompts, QWidget* parent, int armDelayMs)
    : OrvDialog(parent), m_prompts(prompts), m_armDelayMs(armDelayMs) {
    setObjectName(QStringLiteral("frmKeyPad"));
    setHelpTopic(QStringLiteral("keypad.html"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(armDelayMs);
    // Once armed the pad stays armed for this entry; firing again would change nothing.
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmKeyPad::arm);

    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setAlignment(Qt::AlignCenter);
    QFont headingFont = lblHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    lblHeading->setFont(headingFont);

    auto* pad = new QGridLayout;
    pad->setSpacing(6);
    QFont keyFont = font();
    keyFont.setBold(true);
    keyFont.setPointSizeF(keyFont.pointSizeF() * 1.8);
    for (int row = 0; row < KeyPad::PadRows; ++row) {
        for (int column = 0; column < KeyPad::PadColumns; ++column) {
            const QChar key = QLatin1Char(KeyPad::PadKeys[row][column]);
            QPushButton* button = addButton(key, keyButtonName(key));
            button->setFixedSize(KeyWidth, KeyHeight);
            button->setFont(keyFont);
            connect(button, &QPushButton::clicked, this, [this, key] { keyClicked(key); });
            pad->addWidget(button, row, column);
            m_keys.append(button);
        }
    }

    auto* commands = new QVBoxLayout;
    commands->setSpacing(6);
    cmdOK = addButton(QString::fromLatin1(KeyPad::OkCaption), QStringLiteral("cmdOK"));
    QPushButton* cmdCancel =
        addButton(QString::fromLatin1(KeyPad::CancelCaption), QStringLiteral("cmdCancel"));
    QPushButton* cmdClear =
        addButton(QString::fromLatin1(KeyPad::ClearCaption), QStringLiteral("cmdClear"));
    cmdDelay = addButton(QString::fromLatin1(KeyPad::DelayCaption), QStringLiteral("cmdDelay"));
    for (QPushButton* button : {cmdOK, cmdCancel, cmdClear, cmdDelay}) {
        button->setFixedSize(CommandWidth, KeyHeight);
        commands->addWidget(button);
    }
    commands->addStretch();
    connect(cmdOK, &QPushButton::clicked, this, &frmKeyPad::okClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &frmKeyPad::cancelClicked);
    connect(cmdClear, &QPushButton::clicked, this, &frmKeyPad::clearClicked);
    connect(cmdDelay, &QPushButton::clicked, this, &frmKeyPad::delayClicked);

    lblDisplay = new QLabel(this);
    lblDisplay->setObjectName(QStringLiteral("lblDisplay"));
    lblDisplay->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblDisplay->setAutoFillBackground(true);
    lblDisplay->setBackgroundRole(QPalette::Base);
    lblDisplay->setForegroundRole(QPalette::Text);
    // Right-aligned like a telephone display, so the newest key stays in view; a long initial
    // text is clipped at the left instead of widening the pad.
    lblDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDisplay->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QFont displayFont = QFont(QStringLiteral("monospace"));
    displayFont.setStyleHint(QFont::TypeWriter);
    displayFont.setBold(true);
    displayFont.setPointSizeF(keyFont.pointSizeF());
    lblDisplay->setFont(displayFont);
    lblDisplay->setMargin(6);
    lblDisplay->setMinimumHeight(KeyHeight);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(pad);
    body->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(lblHeading);
    layout->addLayout(body);
    layout->addWidget(lblDisplay);
    // The pad has one right size for each key set.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* frmKeyPad::addButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    // Enter always means OK, whichever button has the focus; the pad handles it itself.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void frmKeyPad::begin(int keySet, int limit, const QString& heading, const QString& initial,
                      int checkKind) {
    m_armed = false;
    m_firstKey = true;
    m_lastWasDelay = false;
    m_keySet = keySet;
    m_limit = limit;
    m_checkKind = checkKind;

    if (m_armDelayMs <= 0) {
        Timer1->stop();
        arm();
    } else {
        Timer1->start();
    }

    for (QPushButton* button : m_keys)
        button->setVisible(KeyPad::keyShown(keySet, button->text().at(0)));
    cmdDelay->setVisible(KeyPad::keyShown(keySet, KeyPad::DelayKey));

    lblHeading->setText(heading);
    // The window manager needs a title; the heading is the only one the pad has.
    setWindowTitle(heading);
    m_held = initial;
    setDisplay(initial);
    cmdOK->setFocus();
}

QString frmKeyPad::ShowKeyPad(int keySet, int limit, const QString& heading, const QString& initial,
                              int checkKind) {
    begin(keySet, limit, heading, initial, checkKind);
    exec();
    return m_display;
}

void frmKeyPad::showEvent(QShowEvent* event) {
    OrvDialog::showEvent(event);
    // Each key set gives the pad another size; centre it again for every entry.
    centreOnScreen(this);
    cmdOK->setFocus();
}

void frmKeyPad::setDisplay(const QString& text) {
    m_display = text;
    lblDisplay->setText(text);
    lblDisplay->setAccessibleName(text);
}

void frmKeyPad::keyClicked(QChar key) {
    if (!m_armed || !KeyPad::keyShown(m_keySet, key)) return;
    if (m_firstKey) {
        // The first key replaces the initial text, whatever the limit.
        setDisplay(QString(key));
        m_firstKey = false;
    } else if (m_display.size() < m_limit) {
        setDisplay(m_display + key);
    } else {
        m_prompts.beep();
    }
    m_lastWasDelay = false;
}

void frmKeyPad::delayClicked() {
    if (!m_armed || !KeyPad::keyShown(m_keySet, KeyPad::DelayKey)) return;
    if (m_firstKey) {
        setDisplay(QString(KeyPad::DelayKey));
        m_firstKey = false;
        m_lastWasDelay = true;
    } else if (m_lastWasDelay) {
        // The controller stores one delay per digit; two in a row cannot be kept.
        m_prompts.message(Icon::Exclamation, QString::fromLatin1(KeyPad::DelayRefusedTitle),
                          QString::fromLatin1(KeyPad::DelayRefusedText));
    } else if (m_display.size() < m_limit) {
        setDisplay(m_display + KeyPad::DelayKey);
        m_lastWasDelay = true;
    }
}

void frmKeyPad::clearClicked() {
    if (!m_armed) return;
    // The flags stay: after Delay and Clear another Delay is still refused.
    setDisplay(QString());
}

void frmKeyPad::okClicked() {
    if (!m_armed) return;
    if (const auto refusal = KeyPad::check(m_checkKind, m_display)) {
        m_prompts.message(Icon::Exclamation, refusal->title, refusal->text);
        return;
    }
    accept();
}

void frmKeyPad::cancelClicked() {
    if (!m_armed) return;
    reject();
}

void frmKeyPad::reject() {
    setDisplay(m_held);
    OrvDialog::reject();
}

void frmKeyPad::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            okClicked();
            return;
        case Qt::Key_Escape:
            cancelClicked();
            return;
        case Qt::Key_Delete:
            clearClicked();
            return;
        default:
            break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        OrvDialog::keyPressEvent(event);
        return;
    }
    const QString typed = event->text().toUpper();
    if (typed.size() == 1) {
        const QChar key = typed.at(0);
        // Only the keys the key set shows take their keyboard key; others pass on.
        if (KeyPad::keyShown(m_keySet, key)) {
            if (key == KeyPad::DelayKey) {
                delayClicked();
                return;
            }
            for (const QPushButton* button : m_keys) {
                if (button->text() == typed) {
                    keyClicked(key);
                    return;
                }
            }
        }
    }
    OrvDialog::keyPressEvent(event);
}
