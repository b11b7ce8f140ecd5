// orvtool's command line: the commands, their options and files, and the help texts. Parsed by
// hand so that every mistake gets a usage message and the status 2.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "report/report.h"

namespace Tool {

enum class Command { None, Report, Dump, Diff, Info, Set, Apply, Sound, Check };

// Exit statuses.
inline constexpr int Success = 0;    // done; for diff: the files are equal byte for byte
inline constexpr int Different = 1;  // diff: the files differ; check: an error was found
inline constexpr int Failure = 2;    // a usage or file error

struct Options {
    Command command = Command::None;
    bool help = false;     // the program's help without a command, else the command's
    bool version = false;  // --version: the version and the licence
    QStringList files;
    std::optional<bool> fourMemorySaves;  // --memory-saves 4 / 3
    std::optional<ReportBoxes> sections;  // --sections: the print dialog's boxes
    std::optional<QString> date;          // --date
    std::optional<QString> pdf;           // --pdf
    std::optional<QString> output;        // --output: where set and apply write the result
    bool check = false;                   // --check: print the changes in diff's form
    bool yes = false;                     // --yes: write over the questions the editor asks
    bool keys = false;                    // dump --keys: every key and what it takes, no file
    std::optional<int> wpm;               // sound --wpm: CW speed in words per minute
    std::optional<int> pitch;             // sound --pitch: CW pitch in hertz
    bool json = false;                    // check --format json
};

struct ParsedCommandLine {
    Options options;
    QString error;  // what is wrong with the command line; empty when nothing is
};

// Parses the arguments after the program name.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

QString programHelp();
// "orvtool 2.10", the copyright and the licence.
QString versionText();
QString commandHelp(Command command);
// The usage lines shown after a command-line error: the command's, or the program's.
QString usageText(Command command);

}  // namespace Tool
