#include "ui/editordialog.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/texts.h"
#include "ui/imagewatch.h"
#include "ui/prompts.h"
#include "ui/valuefield.h"

EditorDialog::EditorDialog(const EditorContext& context, const DialogIdentity& identity,
                           QWidget* parent)
    : PlainDialog(parent),
      m_image(context.image),
      m_prompts(context.prompts),
      m_settings(context.settings),
      m_block(context.block),
      m_context(context),
      m_body(new QVBoxLayout) {
    setObjectName(identity.objectName);
    setWindowTitle(identity.title);
    setHelpTopic(identity.helpPage);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    if (identity.okPlace == OkPlace::Row) {
        m_ok = addOkRow(layout, identity.okName);
    } else {
        m_ok = new QPushButton(QLatin1String(Texts::OkCaption), this);
        m_ok->setObjectName(identity.okName);
    }
    connect(m_ok, &QPushButton::clicked, this, [this] { confirm(); });
    if (context.watch) addUndoActions(context.watch);
}

void EditorDialog::addUndoActions(ImageWatch* watch) {
    // The main window's Undo and Redo do not reach into a modal dialog: the dialog has its own,
    // on the same keys. The keypad, the composer and the event dialog are windows of their own,
    // so the keys do nothing while one of them is open.
    m_undo = new QAction(tr("Undo"), this);
    m_undo->setObjectName(QStringLiteral("actUndo"));
    m_undo->setShortcuts(ImageWatch::undoKeys());
    m_redo = new QAction(tr("Redo"), this);
    m_redo->setObjectName(QStringLiteral("actRedo"));
    m_redo->setShortcuts(ImageWatch::redoKeys());
    for (QAction* action : {m_undo, m_redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(m_undo, &QAction::triggered, watch, &ImageWatch::undo);
    connect(m_redo, &QAction::triggered, watch, &ImageWatch::redo);
    const auto enable = [this, watch] {
        m_undo->setEnabled(watch->canUndo());
        m_redo->setEnabled(watch->canRedo());
    };
    connect(watch, &ImageWatch::historyChanged, this, enable);
    enable();
    // An undo or redo that changed what the dialog shows is read at once; choices made but not
    // yet written go with it.
    connect(watch, &ImageWatch::restored, this, [this] {
        if (isVisible() && storedValuesChanged()) showStoredValues();
    });
}

void EditorDialog::watchFields(Fields::FieldList fields) {
    m_watching = true;
    m_watched = std::move(fields);
}

std::optional<QByteArray> EditorDialog::shownValues() const {
    if (!m_watching) return std::nullopt;
    QByteArray values;
    for (const Fields::Field& field : m_watched)
        for (const Fields::ByteRange& range : field.reads(m_image))
            values += bytesOf(m_image, range.first, range.length);
    return values;
}

void EditorDialog::editField(const Fields::Field& field) {
    if (!field.request) return;
    if (const std::optional<QString> entry =
            m_prompts.enterKeys(ValueField::withTypedKey(field.request(m_image)))) {
        if (field.store(m_image, *entry) == Fields::Stored::Refused)
            m_prompts.message(Icon::Exclamation, field.refusalTitle, field.refusal);
        reportStoredField(field);
    }
    showStoredValues();
}

void EditorDialog::showField(const Fields::Field& field) {
    for (ValueField* value : findChildren<ValueField*>()) {
        const QString row = value->accessibleDescription();
        if (value->isVisible() &&
            (row == field.caption || row.startsWith(field.caption + QStringLiteral(", ")))) {
            focusOn(value);
            return;
        }
    }
}

void EditorDialog::typingOpensKeypad(ValueField* widget, const Fields::Field& field) {
    if (field.request) widget->setKeypadKeys(field.request(m_image).keySet);
}

void EditorDialog::composeField(const Fields::Field& field) {
    if (!field.compose) return;
    const ComposeResult result = m_prompts.composeWords(field.compose(m_image));
    if (result.newWords) field.store(m_image, Fields::wordsAnswer(result.words));
    reportStoredField(field);
    showStoredValues();
}

void EditorDialog::showStoredValues() {
    display();
    rememberShownValues();
}

void EditorDialog::reportStored(const QString& step) {
    if (m_context.watch) m_context.watch->look(step);
}

void EditorDialog::reportStoredField(const Fields::Field& field) {
    // Named by the place and caption of the value it changed, else by the field's caption.
    if (m_context.watch) m_context.watch->look({}, field.caption);
}

void EditorDialog::rememberShownValues() {
    m_shown = shownValues();
    reportStored();
}

bool EditorDialog::storedValuesChanged() const {
    const std::optional<QByteArray> now = shownValues();
    return !now || !m_shown || *now != *m_shown;
}

void EditorDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous() || storedValuesChanged()) showStoredValues();
    PlainDialog::showEvent(event);
    if (!event->spontaneous()) focusFirstField();
}

void EditorDialog::focusOn(QWidget* widget) {
    setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::TabFocusReason);
}

void EditorDialog::focusFirstField() {
    // The first value field in Tab order that typing reaches (one the keypad edits), else the
    // first value field; else the first check box or switch, the chosen option or any option, or
    // another control that is neither a push button nor a tab bar (a list).
    const auto rank = [](QWidget* w) {
        if (auto* value = qobject_cast<ValueField*>(w)) return value->opensKeypad() ? 0 : 1;
        if (auto* option = qobject_cast<QRadioButton*>(w)) return option->isChecked() ? 3 : 4;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->isCheckable() ? 2 : 6;
        return qobject_cast<QTabBar*>(w) ? 6 : 5;
    };
    QWidget* best = nullptr;
    int bestRank = 6;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() != this || !w->isVisibleTo(this) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus) || rank(w) >= bestRank)
            continue;
        best = w;
        bestRank = rank(w);
    }
    if (best) focusOn(best);
}

bool EditorDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible() && storedValuesChanged())
        showStoredValues();
    return PlainDialog::event(event);
}
