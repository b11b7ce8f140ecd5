#include "app/documentsession.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "core/texts.h"
#include "fields/catalogue.h"
#include "fields/compare.h"
#include "fields/overview.h"
#include "ui/imagewatch.h"
#include "ui/prompts.h"
#include "ui/windows.h"

DocumentSession::DocumentSession(Prompts& prompts, Settings& settings, QObject* parent)
    : QObject(parent), m_prompts(prompts), m_settings(settings) {
    m_watch = new ImageWatch(m_doc.image, this);
    m_watch->setNamer(
        [this](const Image& before, const Image& after, const Fields::ByteRanges& ranges) {
            return Overview::changeName(Fields::catalogue(m_settings.fourMemorySaves), before,
                                        after, ranges);
        });
}

QString DocumentSession::fileFilter() { return QString::fromLatin1(Texts::FileFilter); }

QString DocumentSession::lastFolder() const {
    // The folder only: the chooser proposes no file name of its own.
    const QString last = m_doc.fileName().isEmpty() ? m_settings.recentFiles[0] : m_doc.fileName();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

bool DocumentSession::open(const QString& path) {
    // A name the system gave in another encoding than UTF-8 comes with replacement characters, and
    // the file under that name does not exist.
    if (path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path)) {
        m_prompts.message(Icon::Warning, tr("Open File"),
                          tr("The name of %1 is not UTF-8, and the editor can open only files "
                             "whose names are. Rename the file (the file manager can), then open "
                             "it again.")
                              .arg(visibleFileName(path)));
        return false;
    }
    if (!acceptOpened(whileBusy([&] { return m_doc.open(path); }))) return false;
    m_settings.addRecentFile(path);
    if (m_recovery) m_recovery->discard();  // the changes to the other file were let go
    m_watch->look();
    m_watch->clearHistory();  // another file: nothing to take back
    check();
    emit fileStateChanged();
    return true;
}

void DocumentSession::openWithChooser() {
    if (!askToSaveChanges()) return;
    m_chooserFileName = m_prompts.chooseOpenFile(fileFilter(), lastFolder());
    if (!m_chooserFileName.isEmpty()) open(m_chooserFileName);
}

void DocumentSession::openNamed(const QString& path) {
    if (!askToSaveChanges()) return;
    open(path);
}

void DocumentSession::openHanded(const QString& path, bool editorOpen) {
    if (editorOpen) {
        m_prompts.message(Icon::Information, tr("Open File"),
                          tr("%1 was not opened: an editor or another dialog is open. Close it, "
                             "then open the file again.")
                              .arg(visibleFileName(path)));
        return;
    }
    // A file that cannot be opened is said before the unsaved-changes question, which would
    // otherwise be answered for nothing.
    Image probe;
    if (!acceptOpened(readImageFile(path, probe))) return;
    openNamed(path);
}

bool DocumentSession::acceptOpened(OpenStatus status) {
    if (status == OpenStatus::BadNameOrLength)
        m_prompts.message(Icon::Warning, QString::fromLatin1(Texts::FilenameErrorTitle),
                          QString::fromLatin1(Texts::FilenameErrorText));
    else if (status == OpenStatus::ReadError)
        m_prompts.message(Icon::Error, QString::fromLatin1(Texts::OpenErrorTitle),
                          QString::fromLatin1(Texts::OpenErrorText));
    return status == OpenStatus::Loaded;
}

bool DocumentSession::confirmAccessFlags() {
    const auto question = closureQuestion(accessFlags(m_doc.image));
    if (!question) return true;
    return m_prompts.askYesNo(Icon::Error, QString::fromLatin1(Texts::SaveAlertTitle), *question);
}

bool DocumentSession::writeWentThrough(const QString& path, const WriteStatus& status) {
    if (status.declined) return false;
    if (!status.ok)
        m_prompts.message(Icon::Error, QString::fromLatin1(Texts::SaveErrorTitle),
                          tr("Error, the file could not be saved:\n%1\n%2")
                              .arg(visibleFileName(path), status.reason));
    return status.ok;
}

bool DocumentSession::written(const QString& path, const WriteStatus& status) {
    if (!writeWentThrough(path, status)) return false;
    // The file written is the document's, among the recent files (a Save's own file already is).
    m_settings.addRecentFile(path);
    check();
    emit fileStateChanged();
    return true;
}

bool DocumentSession::confirmOverwriteOtherChanges() {
    if (!m_doc.changedOnDisk()) return true;
    return m_prompts.askYesNo(
        Icon::Warning, tr("File Changed"),
        tr("%1 was changed by another program since it was opened. Save over it?")
            .arg(visibleFileName(m_doc.fileName())));
}

ReplacementCheck DocumentSession::replacementCheck(const QString& path) {
    return [this, path](const Replacement& replacement) {
        // The question comes while the busy pointer shows; the user needs the normal one.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool yes = m_prompts.askYesNo(Icon::Warning, tr("File Owner"),
                                            replacementQuestion(path, replacement));
        QApplication::restoreOverrideCursor();
        return yes;
    };
}

bool DocumentSession::save() {
    // A recovered document whose file is gone has no name yet.
    if (!m_doc.nameKnown()) return saveAs();
    if (!confirmAccessFlags()) return false;
    if (!confirmOverwriteOtherChanges()) return false;
    const WriteStatus status =
        whileBusy([&] { return m_doc.save(replacementCheck(m_doc.fileName())); });
    return written(m_doc.fileName(), status);
}

bool DocumentSession::saveAs() {
    const QString path = m_prompts.chooseSaveFile(fileFilter(), lastFolder());
    m_chooserFileName = path;
    if (path.isEmpty() || !acceptSaveName(path) || !confirmAccessFlags()) return false;
    // Over the document's own file, Save As is a Save.
    if (m_doc.nameKnown() && (path == m_doc.fileName() || isSameFile(path, m_doc.fileName())) &&
        !confirmOverwriteOtherChanges())
        return false;
    return written(path, whileBusy([&] { return m_doc.saveAs(path, replacementCheck(path)); }));
}

bool DocumentSession::acceptSaveName(const QString& path) {
    if (hasOrvExtension(path)) return true;
    m_prompts.message(Icon::Error, QString::fromLatin1(Texts::SaveErrorTitle),
                      QString::fromLatin1(Texts::SaveNameErrorText));
    return false;
}

bool DocumentSession::openSampleCopy(const QString& sample) {
    if (!askToSaveChanges()) return false;
    Image image{};
    if (!acceptOpened(readImageFile(sample, image))) return false;
    // Proposed in the home folder, under the sample's name.
    const QString path =
        m_prompts.chooseSaveFile(fileFilter(), QDir::home().filePath(QFileInfo(sample).fileName()));
    if (path.isEmpty() || !acceptSaveName(path)) return false;
    const WriteStatus status =
        whileBusy([&] { return writeImageFile(path, image, replacementCheck(path)); });
    return writeWentThrough(path, status) && open(path);
}

bool DocumentSession::askToSaveChanges() {
    if (!m_doc.isModified()) return true;
    m_prompts.beep();
    const Answer answer = m_prompts.askYesNoCancel(
        Icon::Warning, QString::fromLatin1(Texts::ExitTitle), QString::fromLatin1(Texts::ExitText));
    return answer == Answer::No || (answer == Answer::Yes && saveAs());
}

void DocumentSession::check() {
    // Any store the editors did not report yet reaches the views here at the latest.
    m_watch->look();
    if (!m_recovery || m_ended) return;
    m_recovery->setMemoryLayout(m_settings.fourMemorySaves);
    m_recovery->update(m_doc);
    if (m_recovery->failure() == m_noticedFailure) return;
    m_noticedFailure = m_recovery->failure();
    emit keepingChanged();
}

void DocumentSession::end(bool keep) {
    if (m_recovery && keep) {
        m_recovery->setMemoryLayout(m_settings.fourMemorySaves);
        m_recovery->keepNow(m_doc);
    }
    if (m_recovery && !keep) m_recovery->discard();
    m_ended = true;
}

Recovery::Found DocumentSession::lookAtCopy(const QString& path) {
    Recovery::Found found = Recovery::read(path);
    if (found.kind != Recovery::Found::Kind::Damaged) return found;
    // Put aside, not deleted: whatever it is, nothing of it is lost, and this run's copy can take
    // the path.
    QString why;
    const std::optional<QString> aside =
        moveAside(path, QString::fromLatin1(Recovery::UnreadableSuffix), &why);
    const QString text =
        tr("The unsaved changes kept from an earlier run in %1 cannot be used (%2).")
            .arg(visibleFileName(path), found.reason);
    m_prompts.message(Icon::Warning, tr("Recover Unsaved Changes"),
                      text + QLatin1Char(' ') +
                          (aside ? tr("It was moved to %1.").arg(visibleFileName(*aside))
                                 : tr("It could not be moved aside (%1).").arg(why)));
    return {};
}

void DocumentSession::takeUpRecovery(const QString& path) {
    const QString olderPath = Recovery::olderPath(path);
    const Recovery::Found last = lookAtCopy(path);
    const Recovery::Found older = lookAtCopy(olderPath);
    using Kind = Recovery::Found::Kind;
    bool takenOlder = false;
    if (last.kind == Kind::Intact) {
        // The path on a line of its own, so it is not broken; when the changes were last kept
        // and how many values they change, as Compare With Saved counts them.
        const std::size_t values =
            Compare::compare(last.state.image, last.state.saved,
                             last.state.fourMemorySaves.value_or(m_settings.fourMemorySaves))
                .rows.size();
        if (m_prompts.askYesNo(
                Icon::Question, tr("Recover Unsaved Changes"),
                tr("The editor was not closed properly. Recover the unsaved changes to\n%1?\n\n"
                   "Last changed %2; %3 from the saved file.")
                    .arg(visibleFileName(last.state.fileName),
                         QLocale::system().toString(QDateTime::fromSecsSinceEpoch(last.written),
                                                    QLocale::ShortFormat),
                         values == 1 ? tr("1 value differs") : tr("%1 values differ").arg(values)),
                Answer::Yes))
            recover(last.state);
        else
            QFile::remove(path);
        // An older state is behind the last one.
        if (older.kind == Kind::Intact) QFile::remove(olderPath);
    } else if (older.kind == Kind::Intact) {
        // The changes after this state could not be kept: it is offered for what it is.
        if (m_prompts.askYesNo(
                Icon::Question, tr("Recover Unsaved Changes"),
                tr("The editor was not closed properly, and its last changes "
                   "could not be kept. Recover the unsaved changes to %1 as they "
                   "were at %2, an older state?")
                    .arg(visibleFileName(older.state.fileName),
                         QLocale::system().toString(QDateTime::fromSecsSinceEpoch(older.written),
                                                    QLocale::ShortFormat)),
                Answer::Yes)) {
            recover(older.state);
            takenOlder = true;
        } else {
            QFile::remove(olderPath);
        }
    }
    m_recovery = std::make_unique<Recovery::Keeper>(path);
    m_recovery->setMemoryLayout(m_settings.fourMemorySaves);
    if (takenOlder) m_recovery->adoptOlder();
    // A recovered document is kept again at once, under this run.
    m_recovery->keepNow(m_doc);
    emit keepingChanged();
}

void DocumentSession::recover(DocumentState state) {
    // A file that is gone leaves the document without a name: Save asks for one.
    if (state.nameKnown) {
        const std::optional<FileIdentity> now = fileIdentity(state.fileName);
        if (now && !now->exists) state.nameKnown = false;
    }
    m_doc.restore(state);
    if (state.nameKnown) m_settings.addRecentFile(state.fileName);
    // The layout the changes were made in, so every byte reads as it did then.
    if (state.fourMemorySaves && *state.fourMemorySaves != m_settings.fourMemorySaves) {
        m_settings.fourMemorySaves = *state.fourMemorySaves;
        emit memoryLayoutChanged();
    }
    m_watch->look();
    m_watch->clearHistory();
    check();
    emit fileStateChanged();
}
