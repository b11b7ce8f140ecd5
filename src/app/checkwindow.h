// Tools > Check Configuration: every finding of the configuration check, with its severity, place
// and sentence, checked again whenever the configuration or the memory layout changes; a finding
// opens the editor of the field it concerns. Below, "What do these keys do?" tells what keys keyed
// on the radio reach in a block.
#pragma once

#include <QDialog>
#include <functional>

#include "core/image.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    CheckWindow(const Image& document, std::function<bool()> fourMemorySaves,
                QWidget* parent = nullptr);

    // Checks again (the document or the memory layout changed).
    void refresh();

    QTreeWidget* findings() const { return m_findings; }
    QListWidget* keyAnswers() const { return m_answers; }

signals:
    // A double click or Enter on a finding: open its first field's editor in the document.
    void fieldActivated(const QString& key);

private:
    void showWhatKeysDo();

    const Image& m_document;
    std::function<bool()> m_fourMemorySaves;
    QLabel* m_heading;
    QTreeWidget* m_findings;
    QLineEdit* m_keys;
    QComboBox* m_block;
    QListWidget* m_answers;
};
