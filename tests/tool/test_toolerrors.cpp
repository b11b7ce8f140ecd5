// orvtool's refusals: every file the editor would not open gets the editor's message and a reason
// on standard error with the status 2, whatever the command; every command-line mistake gets a
// usage message and the status 2; help is shown for the program and each command. Output that
// cannot be written whole and names whose bytes are not UTF-8 end with the reason and the status 2.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "tooltest.h"

namespace {
const QString FilenameError =
    QStringLiteral("Filename Error: Error, Incorrect ORVANE Filename or File is Corrupted\n");
const QString OpenError =
    QStringLiteral("ORVANE File Open: ORVANE File Open Error!\nFile May Be Missing\n");
}  // namespace

class OrvtoolErrors : public ToolTest {};

TEST_F(OrvtoolErrors, EveryFileErrorGivesTheEditorsMessageAndStatus2) {
    const QString good = input(QStringLiteral("good.orv"), Image{});
    QDir().mkpath(path("folder.orv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo.orv")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("loop-b.orv"), path("loop-a.orv")) &&
                QFile::link(path("loop-a.orv"), path("loop-b.orv")));
    // clang-format off
    const struct { QString file; QString message; const char* reason; } cases[] = {
        {input("short.orv", QByteArray(8191, 0)), FilenameError, "the file holds 8191 bytes, not 8192"},
        {input("long.orv", QByteArray(8193, 0)), FilenameError, "the file holds 8193 bytes, not 8192"},
        {input("upper.ORV", QByteArray(8192, 0)), FilenameError, "the name does not end in \".orv\""},
        {input("short.txt", QByteArray(10, 0)), FilenameError,
         "the name does not end in \".orv\"; the file holds 10 bytes, not 8192"},
        {path("gone.orv"), OpenError, "there is no such file"},
        {path("gone.txt"), OpenError, "there is no such file"},
        {path("folder.orv"), OpenError, "this is not a file"},
        {path("fifo.orv"), OpenError, "this is not a file"},
        {path("loop-a.orv"), OpenError, std::strerror(ELOOP)},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString expected =
            "orvtool: " + c.file + ": " + c.message + "orvtool: " + c.file + ": " + c.reason + "\n";
        for (const QStringList& arguments :
             {QStringList{"report", c.file},
              QStringList{"report", c.file, "--pdf", path("out.pdf")}, QStringList{"dump", c.file},
              QStringList{"info", c.file}, QStringList{"diff", good, c.file},
              QStringList{"diff", c.file, good}}) {
            SCOPED_TRACE(arguments.join(' ').toStdString());
            const ToolRun r = run(arguments);
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.out, QString());
            EXPECT_EQ(r.err, expected);
        }
    }
    EXPECT_FALSE(QFile::exists(path("out.pdf")));

    // Both files of a diff are checked.
    const ToolRun r = run({"diff", path("gone.orv"), path("upper.ORV")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(OpenError) && r.err.contains(FilenameError)) << r.err.toStdString();
}

TEST_F(OrvtoolErrors, CommandLineMistakesGiveAUsageMessageAndStatus2) {
    const QString file = input(QStringLiteral("club.orv"), Image{});
    // clang-format off
    const struct { QStringList arguments; std::string error; const char* usage; } cases[] = {
        {{}, "no command given", "Usage: orvtool report|dump|diff|info"},
        {{"print", file}, "unknown command \"print\"", "Usage: orvtool report|dump|diff|info"},
        {{"--frobnicate"}, "unknown option \"--frobnicate\"", "Usage: orvtool report|dump|diff|info"},
        {{"--help", "dump"}, "unexpected argument \"dump\"", "Usage: orvtool report|dump|diff|info"},
        {{"--version", "dump"}, "unexpected argument \"dump\"", "Usage: orvtool report|dump|diff|info"},
        {{"dump"}, "dump needs FILE.orv", "Usage: orvtool dump FILE.orv"},
        {{"diff", file}, "diff needs A.orv B.orv", "Usage: orvtool diff A.orv B.orv"},
        {{"info", file, file}, "unexpected argument \"" + file.toStdString() + "\"",
         "Usage: orvtool info FILE.orv"},
        {{"dump", file, "--sections", "1"}, "unknown option \"--sections\" for dump",
         "Usage: orvtool dump"},
        {{"diff", file, file, "--pdf", "x.pdf"}, "unknown option \"--pdf\" for diff",
         "Usage: orvtool diff"},
        {{"report", file, "-x"}, "unknown option \"-x\" for report", "Usage: orvtool report"},
        {{"info", file, "--memory-saves", "5"}, "--memory-saves takes 3 or 4, not \"5\"",
         "Usage: orvtool info"},
        {{"report", file, "--memory-saves"}, "--memory-saves needs a value", "Usage: orvtool report"},
        {{"report", file, "--sections", "13"}, "--sections: \"13\" is not a box number 0..12",
         "Usage: orvtool report"},
        {{"report", file, "--sections=1,,2"}, "--sections: \"\" is not a box number 0..12",
         "Usage: orvtool report"},
        {{"report", file, "--sections", "-1"}, "--sections: \"-1\" is not a box number 0..12",
         "Usage: orvtool report"},
        {{"report", file, "--date", "a", "--date=b"}, "--date given twice", "Usage: orvtool report"},
        {{"report", file, "--pdf="}, "--pdf needs a file name", "Usage: orvtool report"},
        // Options come after the command; a wrong one is named without its value.
        {{"--memory-saves=4", "dump", file}, "unknown option \"--memory-saves=4\"",
         "Usage: orvtool report|dump|diff|info"},
        {{"dump", file, "--pdf=x.pdf"}, "unknown option \"--pdf\" for dump", "Usage: orvtool dump"},
        {{"dump", file, "--help=1"}, "unknown option \"--help\" for dump", "Usage: orvtool dump"},
        // Help hides no mistake after it; an option's value is the next argument whatever it
        // looks like; a repeat is found before a missing value; "-" and all after "--" are files.
        {{"dump", "--help", "--memory-saves", "5"}, "--memory-saves takes 3 or 4, not \"5\"",
         "Usage: orvtool dump"},
        {{"info", file, "--memory-saves", "--help"}, "--memory-saves takes 3 or 4, not \"--help\"",
         "Usage: orvtool info"},
        {{"info", file, "--memory-saves=3", "--memory-saves"}, "--memory-saves given twice",
         "Usage: orvtool info"},
        {{"info", "-", "--", "-h"}, "unexpected argument \"-h\"", "Usage: orvtool info"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ToolRun r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, QString());
        const QStringList err = r.err.split(QLatin1Char('\n'));
        ASSERT_GE(err.size(), 2);
        EXPECT_EQ(err[0], QStringLiteral("orvtool: ") + QString::fromStdString(c.error));
        EXPECT_TRUE(err[1].startsWith(QLatin1String(c.usage))) << err[1].toStdString();
    }
}

TEST_F(OrvtoolErrors, HelpForTheProgramAndEachCommand) {
    // clang-format off
    const struct { QStringList arguments; const char* first; const char* mentions; } cases[] = {
        {{"--help"}, "Usage: orvtool COMMAND", "--memory-saves 3|4"},
        {{"-h"}, "Usage: orvtool COMMAND", "diff A.orv B.orv"},
        // Each command's own options, once for the commands sharing them.
        {{"--help"}, "Usage: orvtool COMMAND", "\nOptions of dump:\n  --keys              list every"},
        {{"--help"}, "Usage: orvtool COMMAND",
         "\nOptions of set and apply:\n  --output OUT.orv    write the changed configuration"},
        {{"report", "--help"}, "Usage: orvtool report FILE.orv", "12  Courtesy Tones / CW Message"},
        {{"dump", "-h"}, "Usage: orvtool dump FILE.orv", "--memory-saves 3|4"},
        {{"diff", "x.orv", "--help"}, "Usage: orvtool diff A.orv B.orv", "Exit status 0"},
        {{"info", "--help"}, "Usage: orvtool info FILE.orv", "--memory-saves 3|4"},
        // Help needs no files and takes any number, even given twice; each option's lines are
        // aligned under its name, in the order of the usage line, the command's notes last.
        {{"diff", "--help"}, "Usage: orvtool diff A.orv B.orv [--memory-saves 3|4]\n\nThe fields",
         "  -h, --help          this help\n\nPrints \"key: old -> new\""},
        {{"info", "a.orv", "b.orv", "-h", "--help"},
         "Usage: orvtool info FILE.orv [--memory-saves 3|4]\n",
         "Options:\n"
         "  --memory-saves 3|4  four memory saves, or three and the area-code and prefix tables;\n"
         "                      without it, the editor's setting (four when there is none)\n"
         "  -h, --help          this help\n"},
        {{"report", "-h", "--sections", "1"},
         "Usage: orvtool report FILE.orv [--sections LIST] [--memory-saves 3|4] [--date TEXT] "
         "[--pdf OUT.pdf]\n",
         "printed in box order:\n                         0  Base Repeater Codes\n"},
        {{"report", "a.orv", "--pdf", "x.pdf", "--help"}, "Usage: orvtool report",
         "Courtesy Tones / CW Message\n  --memory-saves 3|4  four memory saves"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ToolRun r = run(c.arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, QString());
        EXPECT_TRUE(r.out.startsWith(QLatin1String(c.first))) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QLatin1String(c.mentions))) << c.mentions;
    }
}

TEST_F(OrvtoolErrors, UnwritableStandardOutputGivesTheReasonAndStatus2) {
    Image changed{};
    changed[0] = 1;
    input(QStringLiteral("a.orv"), Image{});
    input(QStringLiteral("b.orv"), changed);
    input(QStringLiteral("same.orv"), Image{});
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    int pipe[2];
    ASSERT_TRUE(full >= 0 && ::pipe2(pipe, O_CLOEXEC) == 0);
    ::close(pipe[0]);  // the reader is gone before anything is written
    // clang-format off
    const struct { int output; bool ignorePipeSignal; const char* reason; } outputs[] = {
        {full, false, "No space left on device"},
        {-1, false, "Bad file descriptor"},  // closed
        {pipe[1], true, "Broken pipe"},
    };
    const struct { std::vector<QByteArray> arguments; int status; } commands[] = {
        {{"dump", "a.orv"}, 2}, {{"report", "a.orv"}, 2}, {{"info", "a.orv"}, 2},
        {{"diff", "a.orv", "b.orv"}, 2}, {{"--help"}, 2}, {{"report", "--help"}, 2},
        // Identical files print nothing, so nothing fails and 0 still says they are equal.
        {{"diff", "a.orv", "same.orv"}, 0},
    };
    // clang-format on
    for (const auto& o : outputs) {
        for (const auto& c : commands) {
            SCOPED_TRACE(o.reason + (" " + c.arguments.front().toStdString()));
            const RawRun r = runRaw(c.arguments, o.output, o.ignorePipeSignal);
            EXPECT_EQ(r.status, c.status);
            EXPECT_EQ(r.err, c.status ? "orvtool: standard output: " + QString(o.reason) + "\n"
                                      : QString());
        }
    }
    // As any Unix tool, orvtool ends quietly by SIGPIPE when its reader has stopped.
    const RawRun r = runRaw({"dump", "a.orv"}, pipe[1]);
    EXPECT_EQ(r.signal, SIGPIPE);
    EXPECT_EQ(r.err, QString());
    ::close(pipe[1]);
    ::close(full);

    // A file opened while standard output is closed must not take its place.
    const RawRun pdf = runRaw({"report", "a.orv", "--pdf", "a.pdf"}, -1);
    EXPECT_EQ(pdf.status, 0);
    EXPECT_EQ(pdf.err, QString());
    QFile written(path("a.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-") && bytes.endsWith("%%EOF\n"));
}

TEST_F(OrvtoolErrors, NamesThatAreNotUtf8AreRefusedBeforeAnythingIsOpened) {
    // The file exists under its own bytes, and another under the name read with a replacement
    // character: neither may be read, nor a PDF written under any spelling of a name.
    const QDir folder = QFileInfo(input(QStringLiteral("good.orv"), Image{})).dir();
    const QByteArray image = bytesOf(Image{});
    for (const QByteArray name : {"club\xff.orv", "club\xef\xbf\xbd.orv"}) {
        const int fd = ::open(QFile::encodeName(folder.path()) + "/" + name,
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_TRUE(fd >= 0 && ::write(fd, image.constData(), image.size()) == image.size());
        ::close(fd);
    }
    const auto entries = [&] { return folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
    const QStringList before = entries();
    // clang-format off
    const struct { std::vector<QByteArray> arguments; const char* shown; } cases[] = {
        {{"dump", "club\xff.orv"}, "club\\xff.orv"},
        {{"info", "club\xff.orv"}, "club\\xff.orv"},
        {{"diff", "good.orv", "club\xff.orv"}, "club\\xff.orv"},
        {{"report", "club\xff.orv", "--pdf", "out.pdf"}, "club\\xff.orv"},
        {{"report", "good.orv", "--pdf", "r\xc3\xa9sum\xe9.pdf"}, "r\xc3\xa9sum\\xe9.pdf"},
        {{"report", "good.orv", "--pdf=new\nline\xc3.pdf"}, "--pdf=new\\nline\\xc3.pdf"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        const RawRun r = runRaw(c.arguments, -1);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "orvtool: \"" + QString::fromUtf8(c.shown) +
                             "\": this name is not valid UTF-8, so orvtool cannot open or write "
                             "the file; rename it first\n");
    }
    EXPECT_EQ(entries(), before);
}
