// Base of the editor dialogs: built on the editor context (the image, the prompts, the settings,
// the block) and the dialog's identity (object name, title, help page), it holds the dialog's
// fields above an "OK" row of its own, shows the stored values it edits when it opens and reads
// them again when they changed behind its back.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "core/image.h"
#include "formats/blocks.h"
#include "formats/fieldtable.h"
#include "ui/plaindialog.h"

class Prompts;
class ImageWatch;
class QAction;
class QVBoxLayout;
class ValueField;
struct Settings;

// What an editor dialog is built on.
struct EditorContext {
    Image& image;
    Prompts& prompts;
    Settings& settings;
    Block block = Block::Base;                 // the block a block editor shows
    std::function<void()> layoutChanged = {};  // re-applies a changed memory layout to the menus
    ImageWatch* watch = nullptr;               // looks after every store; holds the undo history
};

// Where an editor's "OK" button stands.
enum class OkPlace {
    Row,  // right-aligned on a row of its own under the fields
    Own,  // where the dialog puts it, beside buttons of its own
};

// What names an editor dialog: its object name, window title and help page, and the object name
// and place of its "OK" button.
struct DialogIdentity {
    QString objectName;
    QString title;
    QString helpPage;
    QString okName = QStringLiteral("cmdOK");
    OkPlace okPlace = OkPlace::Row;
};

class EditorDialog : public PlainDialog {
    Q_OBJECT
public:
    EditorDialog(const EditorContext& context, const DialogIdentity& identity,
                 QWidget* parent = nullptr);

    // Closes the dialog because the program ends: without the questions a user's close may ask,
    // so nothing holds up the end.
    virtual void closeForEnd() { close(); }

    // The overview's way in: shows `field` (its group, tab or bank) and puts the keyboard focus on
    // it. By default the focus goes to the value field of the row the field's caption names.
    virtual void showField(const Fields::Field& field);

    // Puts the keyboard focus on `widget` as Tab would, so its focus mark shows. An editor opens
    // with the focus on its first value field (a check box, a switch or the chosen option where
    // it has none), so typing and Enter act on a value, never on "OK".
    void focusOn(QWidget* widget);
    void focusFirstField();

protected:
    // Where the dialog puts its fields: above the "OK" row.
    QVBoxLayout* body() const { return m_body; }
    // The "OK" button; a dialog whose identity places it puts it in its own layout.
    QPushButton* okButton() const { return m_ok; }
    const EditorContext& context() const { return m_context; }

    // What "OK" does; by default it closes the dialog.
    virtual void confirm() { accept(); }

    // Reads every field from the image (and the settings) and shows it; called when the dialog
    // opens and whenever the stored values changed behind its back.
    virtual void display() {}

    // The stored values the fields show (image bytes, settings values) as they stand now. When
    // the dialog becomes active again it reads its fields afresh only if these differ from the
    // ones it showed last, so a choice made but not yet confirmed survives a click on another
    // window or a look at the help. By default, the bytes the watched fields are read from;
    // nothing (no fields watched) reads afresh on every activation.
    virtual std::optional<QByteArray> shownValues() const;

    // The fields the dialog shows, from its area's table: unless the dialog says otherwise, the
    // stored values it watches are the bytes these fields are read from.
    void watchFields(Fields::FieldList fields);
    // The fields given to watchFields, in their table's order.
    const Fields::FieldList& fields() const { return m_watched; }

    // Edits a keypad field of the area's table: the keypad opens on the field's entry, an answer
    // is stored by the field's rule (a refused one gets the field's message) and every field
    // shows what is stored then. A cancelled keypad writes nothing; a field with no keypad entry
    // does nothing.
    void editField(const Fields::Field& field);
    // Edits a composer field: the composer opens on the field's composition, words composed anew
    // are stored by the field's rule, and every field shows what is stored then. A cancelled or
    // closed composer writes nothing; a field with no composition does nothing.
    void composeField(const Fields::Field& field);
    // Lets a key of the keypad field's key set typed on `widget` open its keypad with that key
    // pressed first.
    void typingOpensKeypad(ValueField* widget, const Fields::Field& field);

    // Reads and shows every field now; the dialogs call it after each keypad or composer return.
    void showStoredValues();
    // After the dialog wrote its fields into the image: the fields show what is stored.
    void rememberShownValues();
    // Tells the program the image may have changed (a store the fields do not show, such as a
    // copy between blocks, or one right before the dialog closes); a change is one undo step,
    // named `step` ("Flush Macro Memory") or after the field it changed.
    void reportStored(const QString& step = {});
    // The same after a store of `field`.
    void reportStoredField(const Fields::Field& field);

    // An opening always reads the fields; a window restored from the task bar only when the
    // stored values changed.
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    Image& m_image;
    Prompts& m_prompts;
    Settings& m_settings;
    const Block m_block;

private:
    bool storedValuesChanged() const;
    void addUndoActions(ImageWatch* watch);

    EditorContext m_context;
    QVBoxLayout* m_body;
    QPushButton* m_ok;
    std::optional<QByteArray> m_shown;  // the stored values as last shown
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    Fields::FieldList m_watched;
    bool m_watching = false;
};
