// The document's life without a window: open, Save and Save As with their questions and
// messages, and the unsaved-changes question, all asked through scripted prompts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "app/documentsession.h"
#include "core/regions.h"
#include "filelimit.h"
#include "scriptedprompts.h"
#include "tempfiles.h"
#include "ui/imagewatch.h"

namespace {

class DocumentSessionTest : public ::testing::Test {
protected:
    TempFiles dir;
    ScriptedPrompts prompts;
    Settings settings;
    DocumentSession session{prompts, settings};
    Document& doc = session.document();

    // A configuration file whose byte 40 holds the usual access flags, so saving asks nothing.
    QString makeFile(const QString& name, std::uint8_t fill = 0x00) {
        QByteArray bytes(ImageSize, static_cast<char>(fill));
        bytes[Region::BaseBlock] = 0x01;
        return dir.write(name, bytes);
    }
};

}  // namespace

TEST_F(DocumentSessionTest, OpenRefusalsShowTheirMessagesAndChangeNothing) {
    const QString good = makeFile(QStringLiteral("good.orv"), 0x33);
    ASSERT_TRUE(session.open(good));
    const Image loaded = doc.image;

    QFile shortFile(dir.filePath(QStringLiteral("short.orv")));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(8191, 'x'));
    shortFile.close();

    struct Case {
        QString path;
        Icon icon;
        const char* title;
        const char* text;
    } cases[] = {
        {shortFile.fileName(), Icon::Warning, "Filename Error",
         "Error, Incorrect ORVANE Filename or File is Corrupted"},
        {dir.filePath(QStringLiteral("missing.txt")), Icon::Error, "ORVANE File Open",
         "ORVANE File Open Error!\nFile May Be Missing"},
        // A name the system gave in another encoding than UTF-8.
        {dir.filePath(QStringLiteral("club\uFFFD.orv")), Icon::Warning, "Open File",
         "The name of %1 is not UTF-8, and the editor can open only files whose names are. "
         "Rename the file (the file manager can), then open it again."},
    };
    for (const Case& c : cases) {
        prompts.messages.clear();
        EXPECT_FALSE(session.open(c.path));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].icon, c.icon);
        EXPECT_EQ(prompts.messages[0].title, QLatin1String(c.title));
        EXPECT_EQ(prompts.messages[0].text, QString::fromUtf8(c.text).arg(c.path));
        EXPECT_EQ(doc.image, loaded);
        EXPECT_EQ(doc.fileName(), good);
        EXPECT_EQ(settings.recentFiles[0], good);
    }
}

TEST_F(DocumentSessionTest, SaveAsksAboutUnusualAccessFlags) {
    const QString path = makeFile(QStringLiteral("a.orv"));
    ASSERT_TRUE(session.open(path));
    Image& image = doc.image;
    image[Region::BaseBlock] = 0x07;
    image[500] = 9;
    prompts.answers.push_back(Answer::No);
    session.save();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::YesNo);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Error);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("File Save Alert"));
    EXPECT_EQ(
        prompts.messages[0].text,
        QStringLiteral("\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"));
    EXPECT_EQ(dir.read(path)[500], 0);
    EXPECT_TRUE(doc.isModified());

    prompts.answers.push_back(Answer::Yes);
    session.save();
    EXPECT_EQ(dir.read(path)[500], 9);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentSessionTest, SaveAsChecksTheNameThenWritesAndTakesTheName) {
    const QString first = makeFile(QStringLiteral("first.orv"));
    ASSERT_TRUE(session.open(first));
    doc.image[1000] = 0x77;

    prompts.files.push_back(dir.filePath(QStringLiteral("copy.ORV")));
    session.saveAs();
    // The chooser opens in the open file's folder, with no file name proposed.
    EXPECT_EQ(prompts.lastChooserStart, QFileInfo(first).absolutePath());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Error);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("File Save Error"));
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Error, Filename must contain the extension .orv."));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("copy.ORV"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("copy.ORV.orv"))));

    const QString second = dir.filePath(QStringLiteral("second.orv"));
    prompts.files.push_back(second);
    session.saveAs();
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(second)[1000]), 0x77);
    EXPECT_EQ(doc.fileName(), second);
    EXPECT_EQ(doc.reportFileName(), first);  // only opening sets it
    EXPECT_EQ(settings.recentFiles[0], second);
    EXPECT_EQ(settings.recentFiles[1], first);

    // Save after Save As writes to the new name.
    doc.image[1001] = 0x66;
    session.save();
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(second)[1001]), 0x66);
    EXPECT_EQ(dir.read(first)[1001], 0);
}

TEST_F(DocumentSessionTest, FailedWriteReportsAndKeepsTheDocumentModified) {
    const QString path = makeFile(QStringLiteral("a.orv"));
    ASSERT_TRUE(session.open(path));
    doc.image[700] = 1;
    const QString unreachable = dir.filePath(QStringLiteral("gone/b.orv"));
    prompts.files.push_back(unreachable);
    session.saveAs();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Error);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("File Save Error"));
    EXPECT_TRUE(prompts.messages[0].text.contains(unreachable));
    EXPECT_EQ(doc.fileName(), path);
    EXPECT_EQ(settings.recentFiles[0], path);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentSessionTest, FullDiskSaveKeepsTheFileAndTheEdits) {
    const QString path = makeFile(QStringLiteral("a.orv"));
    const QByteArray old = dir.read(path);
    ASSERT_TRUE(session.open(path));
    doc.image[700] = 1;
    const QString fresh = dir.filePath(QStringLiteral("b.orv"));
    prompts.files.push_back(fresh);
    {
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        session.save();
        session.saveAs();
    }
    ASSERT_EQ(prompts.messages.size(), 2u);
    const QString targets[] = {path, fresh};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(prompts.messages[i].title, QStringLiteral("File Save Error"));
        EXPECT_TRUE(prompts.messages[i].text.contains(targets[i])) << i;
        EXPECT_TRUE(prompts.messages[i].text.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << i;
    }
    EXPECT_EQ(dir.read(path), old);
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(doc.fileName(), path);
    EXPECT_TRUE(doc.isModified());
    // With room again the same Save goes through.
    session.save();
    EXPECT_EQ(dir.read(path)[700], 1);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentSessionTest, YesThenNoSaveKeepsTheChanges) {
    const QString path = makeFile(QStringLiteral("a.orv"));
    ASSERT_TRUE(session.open(path));
    doc.image[900] = 3;

    // Yes, then the Save As chooser is cancelled: the changes stay.
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(QString());
    EXPECT_FALSE(session.askToSaveChanges());
    // Yes, then a refused name.
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(dir.filePath(QStringLiteral("x.txt")));
    EXPECT_FALSE(session.askToSaveChanges());
    // Yes, then a write that fails.
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(dir.filePath(QStringLiteral("gone/x.orv")));
    EXPECT_FALSE(session.askToSaveChanges());
    EXPECT_EQ(doc.image[900], 3);
    EXPECT_TRUE(doc.isModified());

    // Yes and a good name: saved, and the changes may be left.
    const QString saved = dir.filePath(QStringLiteral("saved.orv"));
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(saved);
    EXPECT_TRUE(session.askToSaveChanges());
    EXPECT_EQ(dir.read(saved)[900], 3);
    EXPECT_EQ(settings.recentFiles[0], saved);
}

TEST_F(DocumentSessionTest, OpeningAnotherFileAsksAboutUnsavedChanges) {
    const QString first = makeFile(QStringLiteral("first.orv"));
    const QString second = makeFile(QStringLiteral("second.orv"), 0x22);
    ASSERT_TRUE(session.open(first));
    doc.image[600] = 8;

    // Cancel: no chooser, nothing opens.
    prompts.answers.push_back(Answer::Cancel);
    session.openWithChooser();
    EXPECT_EQ(prompts.openChooserCalls, 0);
    EXPECT_EQ(doc.fileName(), first);
    EXPECT_EQ(prompts.messages.back().title, QStringLiteral("ORVANE Editor"));

    // Yes but the Save As is cancelled: nothing opens.
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(QString());
    session.openWithChooser();
    EXPECT_EQ(prompts.openChooserCalls, 0);
    EXPECT_EQ(doc.image[600], 8);

    // Yes and saved: then the chooser opens the other file.
    const QString kept = dir.filePath(QStringLiteral("kept.orv"));
    prompts.answers.push_back(Answer::Yes);
    prompts.files.push_back(kept);
    prompts.files.push_back(second);
    session.openWithChooser();
    EXPECT_EQ(dir.read(kept)[600], 8);
    EXPECT_EQ(doc.fileName(), second);
    EXPECT_EQ(doc.image[600], 0x22);

    // No, opening a recent file: it opens without saving.
    doc.image[601] = 9;
    ASSERT_EQ(settings.recentFiles[2], first);
    prompts.answers.push_back(Answer::No);
    session.openNamed(first);
    EXPECT_EQ(doc.fileName(), first);
    EXPECT_EQ(doc.image[601], 0);
    EXPECT_EQ(dir.read(second)[601], 0x22);
    // An unmodified document opens without a question.
    const size_t asked = prompts.messages.size();
    session.openNamed(kept);
    EXPECT_EQ(prompts.messages.size(), asked);
}

TEST_F(DocumentSessionTest, SaveAsksBeforeWritingOverAnotherProgramsChanges) {
    const QString path = makeFile(QStringLiteral("club.orv"));
    ASSERT_TRUE(session.open(path));
    doc.image[700] = 7;
    QByteArray theirs(ImageSize, 0x11);
    theirs[Region::BaseBlock] = 0x01;
    dir.write(QStringLiteral("club.orv"), theirs);

    // The File Save Alert comes first; "No" to the second question writes nothing.
    doc.image[Region::BaseBlock] = 0x03;
    prompts.answers = {Answer::Yes, Answer::No};
    session.save();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("File Save Alert"));
    EXPECT_EQ(prompts.messages[1].kind, RecordedMessage::YesNo);
    EXPECT_EQ(prompts.messages[1].icon, Icon::Warning);
    EXPECT_EQ(prompts.messages[1].text,
              path + " was changed by another program since it was opened. Save over it?");
    EXPECT_EQ(dir.read(path), theirs);
    EXPECT_TRUE(doc.isModified());

    // Save As onto the same file asks too; "Yes" writes, and the next save asks nothing.
    doc.image[Region::BaseBlock] = 0x01;
    prompts.messages.clear();
    prompts.files = {path};
    prompts.answers = {Answer::Yes};
    session.saveAs();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(path)[700]), 7);
    doc.image[701] = 1;
    session.save();
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(path)[701]), 1);

    // A file that is gone is written anew without a question.
    ASSERT_TRUE(QFile::remove(path));
    doc.image[702] = 2;
    session.save();
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(path)[702]), 2);
}

TEST_F(DocumentSessionTest, SaveAsksBeforeSplittingAFilesNamesAndNamesItEscaped) {
    const QString path = makeFile(QStringLiteral("club\nnet.orv"));
    const QString other = dir.filePath(QStringLiteral("backup.orv"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_TRUE(session.open(path));
    const QString shown = dir.filePath(QStringLiteral("club\\nnet.orv"));
    const QByteArray old = dir.read(path);
    doc.image[700] = 7;
    prompts.answers = {Answer::No};
    session.save();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Warning);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(shown + " has 2 names."))
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(dir.read(path), old);
    EXPECT_TRUE(doc.isModified());
    prompts.answers = {Answer::Yes};
    session.save();
    EXPECT_EQ(static_cast<std::uint8_t>(dir.read(path)[700]), 7);
    EXPECT_EQ(dir.read(other), old);
    EXPECT_FALSE(doc.isModified());
}
