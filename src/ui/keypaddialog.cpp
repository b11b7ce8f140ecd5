#include "ui/keypaddialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "core/texts.h"
#include "ui/armingdelay.h"
#include "ui/prompts.h"
#include "ui/windows.h"

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

KeypadDialog::KeypadDialog(Prompts& prompts, QWidget* parent, int armDelayMs)
    : PlainDialog(parent), m_prompts(prompts), m_arming(new ArmingDelay(armDelayMs, this)) {
    setObjectName(QStringLiteral("frmKeyPad"));
    connect(m_arming, &ArmingDelay::armed, this, &KeypadDialog::applyTypedEarly);
    setHelpTopic(QStringLiteral("keypad.html"));

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    m_heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    m_heading->setFont(headingFont);

    auto* pad = new QGridLayout;
    pad->setSpacing(6);
    QFont keyFont = font();
    keyFont.setBold(true);
    keyFont.setPointSizeF(keyFont.pointSizeF() * 1.8);
    for (int row = 0; row < Keypad::PadRows; ++row) {
        for (int column = 0; column < Keypad::PadColumns; ++column) {
            const QChar key = QLatin1Char(Keypad::PadKeys[row][column]);
            QPushButton* button = addButton(key, keyButtonName(key));
            button->setFixedSize(KeyWidth, KeyHeight);
            button->setFont(keyFont);
            connect(button, &QPushButton::clicked, this, [this, key] { typeKey(key); });
            pad->addWidget(button, row, column);
            m_keys.append(button);
        }
    }

    auto* commands = new QVBoxLayout;
    commands->setSpacing(6);
    m_ok = addButton(QString::fromLatin1(Texts::OkCaption), QStringLiteral("cmdOK"));
    QPushButton* cmdCancel =
        addButton(QString::fromLatin1(Keypad::CancelCaption), QStringLiteral("cmdCancel"));
    QPushButton* cmdClear =
        addButton(QString::fromLatin1(Keypad::ClearCaption), QStringLiteral("cmdClear"));
    m_delay = addButton(QString::fromLatin1(Keypad::DelayCaption), QStringLiteral("cmdDelay"));
    for (QPushButton* button : {m_ok, cmdCancel, cmdClear, m_delay}) {
        button->setFixedSize(CommandWidth, KeyHeight);
        commands->addWidget(button);
    }
    commands->addStretch();
    connect(m_ok, &QPushButton::clicked, this, &KeypadDialog::acceptEntry);
    connect(cmdCancel, &QPushButton::clicked, this, &KeypadDialog::cancelEntry);
    connect(cmdClear, &QPushButton::clicked, this, &KeypadDialog::clearDisplay);
    connect(m_delay, &QPushButton::clicked, this, &KeypadDialog::typeDelay);

    m_displayLabel = new QLabel(this);
    m_displayLabel->setObjectName(QStringLiteral("lblDisplay"));
    m_displayLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_displayLabel->setAutoFillBackground(true);
    m_displayLabel->setBackgroundRole(QPalette::Base);
    m_displayLabel->setForegroundRole(QPalette::Text);
    // Right-aligned like a telephone display, so the newest key stays in view; a long initial
    // text is clipped at the left instead of widening the pad.
    m_displayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_displayLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QFont displayFont = QFont(QStringLiteral("monospace"));
    displayFont.setStyleHint(QFont::TypeWriter);
    displayFont.setBold(true);
    displayFont.setPointSizeF(keyFont.pointSizeF());
    m_displayLabel->setFont(displayFont);
    m_displayLabel->setMargin(6);
    m_displayLabel->setMinimumHeight(KeyHeight);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(pad);
    body->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(m_heading);
    layout->addLayout(body);
    layout->addWidget(m_displayLabel);
    // The pad has one right size for each key set.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* KeypadDialog::addButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    // Enter always means OK, whichever button has the focus; the pad handles it itself.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

bool KeypadDialog::isArmed() const { return m_arming->isArmed(); }

void KeypadDialog::arm() { m_arming->arm(); }

void KeypadDialog::begin(const KeypadRequest& request) {
    m_firstKey = true;
    m_lastWasDelay = false;
    m_keySet = request.keySet;
    m_limit = request.limit;
    m_check = request.check;
    m_typedEarly.clear();
    // The key typed on the field that opened the pad is its first press, once it is armed.
    if (!request.firstKey.isEmpty()) m_typedEarly.append({0, request.firstKey});
    m_arming->start();

    for (QPushButton* button : m_keys)
        button->setVisible(Keypad::keyShown(m_keySet, button->text().at(0)));
    m_delay->setVisible(Keypad::keyShown(m_keySet, Keypad::DelayKey));

    m_heading->setText(request.heading);
    // The window manager needs a title; the heading is the only one the pad has.
    setWindowTitle(request.heading);
    m_held = request.initial;
    setDisplay(request.initial);
    m_ok->setFocus();
}

std::optional<QString> KeypadDialog::enterKeys(const KeypadRequest& request) {
    begin(request);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_display;
}

void KeypadDialog::showEvent(QShowEvent* event) {
    PlainDialog::showEvent(event);
    // Each key set gives the pad another size; centre it again for every entry.
    centreOnScreen(this);
    m_ok->setFocus();
}

void KeypadDialog::setDisplay(const QString& text) {
    m_display = text;
    m_displayLabel->setText(text);
    m_displayLabel->setAccessibleName(text);
}

void KeypadDialog::typeKey(QChar key) {
    if (!isArmed() || !Keypad::keyShown(m_keySet, key)) return;
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

void KeypadDialog::typeDelay() {
    if (!isArmed() || !Keypad::keyShown(m_keySet, Keypad::DelayKey)) return;
    if (m_firstKey) {
        setDisplay(QString(Keypad::DelayKey));
        m_firstKey = false;
        m_lastWasDelay = true;
    } else if (m_lastWasDelay) {
        // The controller stores one delay per digit; two in a row cannot be kept.
        m_prompts.message(Icon::Exclamation, QString::fromLatin1(Keypad::DelayRefusedTitle),
                          QString::fromLatin1(Keypad::DelayRefusedText));
    } else if (m_display.size() < m_limit) {
        setDisplay(m_display + Keypad::DelayKey);
        m_lastWasDelay = true;
    }
}

void KeypadDialog::clearDisplay() {
    if (!isArmed()) return;
    // The flags stay: after Delay and Clear another Delay is still refused.
    setDisplay(QString());
}

void KeypadDialog::acceptEntry() {
    if (!isArmed()) return;
    // The rule every store of a keypad field from text applies too. The keys and the limit hold
    // for whatever the pad shows, so only the check kind refuses here.
    const KeypadRequest entry{m_keySet, m_limit, QString(), m_held, m_check};
    if (const auto refusal = Keypad::accepts(entry, m_display)) {
        if (!refusal->text.isEmpty())
            m_prompts.message(Icon::Exclamation, refusal->title, refusal->text);
        return;
    }
    accept();
}

void KeypadDialog::cancelEntry() {
    if (!isArmed()) return;
    reject();
}

void KeypadDialog::reject() {
    setDisplay(m_held);
    PlainDialog::reject();
}

void KeypadDialog::applyTypedEarly() {
    const QList<TypedKey> typed = std::exchange(m_typedEarly, {});
    for (const TypedKey& key : typed) {
        // Enter or Escape among them ends the entry; what follows is dropped with the pad.
        if (!isVisible()) break;
        QKeyEvent press(QEvent::KeyPress, key.key, Qt::NoModifier, key.text);
        keyPressEvent(&press);
    }
}

void KeypadDialog::keyPressEvent(QKeyEvent* event) {
    // A keyboard key (no Ctrl or Alt) typed before the pad is armed waits for it; mouse clicks on
    // the buttons in that time stay ignored.
    if (!isArmed() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        event->key() != Qt::Key_F1) {
        m_typedEarly.append({event->key(), event->text()});
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            acceptEntry();
            return;
        case Qt::Key_Escape:
            cancelEntry();
            return;
        case Qt::Key_Delete:
            clearDisplay();
            return;
        default:
            break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        PlainDialog::keyPressEvent(event);
        return;
    }
    const QString typed = event->text().toUpper();
    if (typed.size() == 1) {
        const QChar key = typed.at(0);
        // Only the keys the key set shows take their keyboard key; others pass on.
        if (Keypad::keyShown(m_keySet, key)) {
            if (key == Keypad::DelayKey) {
                typeDelay();
                return;
            }
            for (const QPushButton* button : m_keys) {
                if (button->text() == typed) {
                    typeKey(key);
                    return;
                }
            }
        }
    }
    PlainDialog::keyPressEvent(event);
}
