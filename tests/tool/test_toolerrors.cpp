// orvtool's refusals: every file the editor would not open gets the editor's message and a reason
// on standard error with the status 2, whatever the command; every command-line mistake gets a
// usage message and the status 2; help is shown for the program and each command.
#include <sys/stat.h>

#include <cerrno>
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
        {{"report", "--help"}, "Usage: orvtool report FILE.orv", "12  Courtesy Tones / CW Message"},
        {{"dump", "-h"}, "Usage: orvtool dump FILE.orv", "--memory-saves 3|4"},
        {{"diff", "x.orv", "--help"}, "Usage: orvtool diff A.orv B.orv", "Exit status 0"},
        {{"info", "--help"}, "Usage: orvtool info FILE.orv", "--memory-saves 3|4"},
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
