// The main window's editor table: one row per menu item that opens an editor dialog, saying how
// the dialog is built and how it is shown. The window connects every row once at start.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "report/report.h"
#include "ui/editordialog.h"

class QDialog;
class QWidget;

// What the main window builds its editors on.
struct EditorSources {
    EditorContext context;                       // on Base; a block editor's row sets its block
    QWidget* parent;                             // the main window
    std::function<ReportHeadings()> headings;    // the file names and date the report prints
    std::function<QStringList()> documentFiles;  // the configuration files no export may replace
};

enum class EditorMode {
    Modal,     // built, run until closed, then deleted
    Modeless,  // one at a time beside the main window; a second request brings it to the front
    Kept,      // modal, built once and hidden by "OK", so it keeps its state for the next opening
};

struct EditorRow {
    QString action;  // object name of the menu item
    std::function<QDialog*(const EditorSources&)> build;
    EditorMode mode = EditorMode::Modal;
    bool busyPointer = false;  // the slower dialogs show the busy pointer while they are built
};

// Every editor the menus open.
std::vector<EditorRow> editorTable();
