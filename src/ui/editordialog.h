// Base of the editor dialogs: centred on the screen when first shown, shows the stored values it
// edits and reads them again when they changed behind its back, has no default button, and opens
// its help page on F1.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>

#include "core/image.h"
#include "formats/fieldtable.h"

class QBoxLayout;
class QPushButton;

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditorDialog(QWidget* parent = nullptr);

    void setHelpTopic(const QString& page) { m_helpTopic = page; }

    // Closes the dialog because the program ends: without the questions a user's close may ask,
    // so nothing holds up the end.
    virtual void closeForEnd() { close(); }

    // Adds the dialog's "OK" button, right-aligned on a row of its own, at the foot of `layout`.
    // Like every button of an editor it is never the default button: Enter on a value field
    // edits the field, and Enter on a list, combo box or check box leaves the dialog open.
    QPushButton* addOkRow(QBoxLayout* layout, const QString& objectName = QStringLiteral("cmdOK"));

protected:
    // Reads every field from the image (and the settings) and shows it.
    virtual void display() {}

    // The stored values the fields show (image bytes, settings values) as they stand now. When
    // the dialog becomes active again it reads its fields afresh only if these differ from the
    // ones it showed last, so a choice made but not yet confirmed survives a click on another
    // window or a look at the help. By default, the bytes the watched fields are read from;
    // nothing (no fields watched) reads afresh on every activation.
    virtual std::optional<QByteArray> shownValues() const;

    // The image bytes offset .. offset + length - 1 (those inside the image), for shownValues.
    static QByteArray storedBytes(const Image& image, int offset, int length);

    // The fields the dialog shows, from its area's table: unless the dialog says otherwise, the
    // stored values it watches are the bytes these fields are read from.
    void watchFields(const Image& image, Fields::FieldList fields);

    // Reads and shows every field now; the dialogs call it after each keypad or composer return.
    void showStoredValues();
    // After the dialog wrote its fields into the image: the fields show what is stored.
    void rememberShownValues();

    // An opening always reads the fields; a window restored from the task bar only when the
    // stored values changed.
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool storedValuesChanged() const;
    void dropDefaultButtons();

    bool m_centred = false;
    QString m_helpTopic;
    std::optional<QByteArray> m_shown;  // the stored values as last shown
    const Image* m_watchedImage = nullptr;
    Fields::FieldList m_watched;
};
