// The plain dialog every window of the editor opens from: centred on the screen when first shown,
// no default button (Enter presses only the button that has the focus), and its help page on F1.
// The keypad and the composer are plain dialogs; the editors build on it (EditorDialog).
#pragma once

#include <QDialog>
#include <QString>

class QBoxLayout;
class QPushButton;

class PlainDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlainDialog(QWidget* parent = nullptr);

    void setHelpTopic(const QString& page) { m_helpTopic = page; }

    // Adds an "OK" button, right-aligned on a row of its own, at the foot of `layout`. Like every
    // button of these dialogs it is never the default button: Enter on a value field edits the
    // field, and Enter on a list, combo box or check box leaves the dialog open.
    static QPushButton* addOkRow(QBoxLayout* layout,
                                 const QString& objectName = QStringLiteral("cmdOK"));

    // Runs the dialog modally to the window it belongs to: its opener and the opener's own
    // openers wait, while the parentless help window stays usable, so F1 help can be read, scrolled
    // and searched with the dialog still open. A parentless dialog stays modal to the whole
    // program.
    int exec() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dropDefaultButtons();

    bool m_centred = false;
    QString m_helpTopic;
};
