// Base of the editor dialogs: centred on the screen when first shown, reads its fields from the
// image whenever it becomes active, and opens its help page on F1.
#pragma once

#include <QDialog>
#include <QString>

class QBoxLayout;
class QPushButton;

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditorDialog(QWidget* parent = nullptr);

    void setHelpTopic(const QString& page) { m_helpTopic = page; }

    // Adds the dialog's "OK" button, right-aligned on a row of its own, at the foot of `layout`.
    // It is not an automatic default, so Enter on a value field edits the field instead.
    QPushButton* addOkRow(QBoxLayout* layout, const QString& objectName = QStringLiteral("cmdOK"));

protected:
    // Reads every field from the image and shows it; run on showing and on every activation.
    virtual void display() {}

    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_centred = false;
    QString m_helpTopic;
};

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// Shows the busy mouse pointer for its lifetime (file operations, opening the slower dialogs).
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
