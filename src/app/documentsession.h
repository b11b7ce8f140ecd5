// The open document's life: Open with its checks and messages, Save and Save As with their
// questions, the unsaved-changes question, the recovery copy and the start's offer to take it up,
// files handed over by a later start, and the undo history the memory layout bounds. Every
// question goes through the prompts port; the window shows what the signals say.
#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "core/document.h"
#include "core/recovery.h"
#include "core/settings.h"
#include "formats/fieldtable.h"

class ImageWatch;
class Prompts;

class DocumentSession : public QObject {
    Q_OBJECT
public:
    // `settings` gives the memory layout and takes the files opened and saved as recent files.
    DocumentSession(Prompts& prompts, Settings& settings, QObject* parent = nullptr);

    Document& document() { return m_doc; }
    // Where the image changes hands: the views refresh from its change signal.
    ImageWatch* watch() const { return m_watch; }
    const Recovery::Keeper* recoveryKeeper() const { return m_recovery.get(); }
    // The path the Open / Save As chooser confirmed the last time it was shown; empty when it
    // was cancelled. The voice-message pages of the report print it.
    const QString& chooserFileName() const { return m_chooserFileName; }
    // The folder the file choosers open in: the open file's, else the last recent file's.
    QString lastFolder() const;
    static QString fileFilter();

    bool open(const QString& path);
    void openWithChooser();
    // Opens `path` as a recent-file entry would: the unsaved-changes question first.
    void openNamed(const QString& path);
    // A file handed over by a later start. While `editorOpen` (an editor or another dialog whose
    // image must not change under it) the user is told instead.
    void openHanded(const QString& path, bool editorOpen);
    // The open rules' messages for a file that could not be read; true when it was.
    bool acceptOpened(OpenStatus status);
    bool save();
    bool saveAs();
    // Opens a copy of the configuration at `sample` (which may lie where nothing can be saved):
    // the user names the copy in the Save As chooser, it is written, then opened.
    bool openSampleCopy(const QString& sample);
    // The question before unsaved changes are left (another file, the end); true when they may be.
    bool askToSaveChanges();

    // At start: offers the unsaved document a run that ended without the user's leave kept at
    // `path`, then keeps this run's unsaved document there.
    void takeUpRecovery(const QString& path);
    // The modified check's tick: any store the editors did not report yet is looked at, and the
    // recovery copy follows the document.
    void check();
    // The program ends: the unsaved document is kept for the next run (`keep`), or its copy goes
    // with the changes the user saved or let go. Nothing is kept after.
    void end(bool keep);
    bool ended() const { return m_ended; }

signals:
    // Opened, recovered or saved: the document's file, its names or its saved copy changed.
    void fileStateChanged();
    // The recovery copy was taken on or its failure changed.
    void keepingChanged();
    // A recovered document brought back the memory layout it was edited in.
    void memoryLayoutChanged();

private:
    bool confirmAccessFlags();
    // Reports a write that failed; true when it went through, and the file written is the
    // document's.
    bool written(const QString& path, const WriteStatus& status);
    // Says why a write failed; true when it went through.
    bool writeWentThrough(const QString& path, const WriteStatus& status);
    // The Save As name rule: a name ending in .orv, or its message.
    bool acceptSaveName(const QString& path);
    // Asked just before the document's own file is written over: true when it is unchanged on
    // disk since it was opened or saved, or the user chose to save over the other program's
    // changes.
    bool confirmOverwriteOtherChanges();
    // The question before a save replaces a file by one of another owner or splits its names.
    ReplacementCheck replacementCheck(const QString& path);
    // Reads the copy at `path` for the start; one that cannot be used is put aside and reported.
    Recovery::Found lookAtCopy(const QString& path);
    // Puts a recovered document in place of the image, marked modified; its file keeps its name
    // while it still exists.
    void recover(DocumentState state);

    Prompts& m_prompts;
    Settings& m_settings;
    Document m_doc;
    ImageWatch* m_watch = nullptr;
    QString m_chooserFileName;
    std::unique_ptr<Recovery::Keeper> m_recovery;  // none until the program starts keeping
    QString m_noticedFailure;                      // the keeper's failure last said
    bool m_ended = false;
};
