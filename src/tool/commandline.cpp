#include "tool/commandline.h"

#include <array>

#include "core/settings.h"

namespace Tool {

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// --sections: a comma-separated list of box numbers; returns what is wrong with it, or nothing.
QString storeSections(Options& options, const QString& list) {
    ReportBoxes boxes{};
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString number = item.trimmed();
        bool digits = !number.isEmpty() && number.size() <= 2;
        for (QChar c : number) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const int box = digits ? number.toInt() : -1;
        if (box < 0 || box >= ReportTexts::BoxCount)
            return QStringLiteral("--sections: %1 is not a box number 0..%2")
                .arg(quoted(item))
                .arg(ReportTexts::BoxCount - 1);
        boxes[box] = true;
    }
    options.sections = boxes;
    return {};
}

// The commands, in the order of the program's help.
struct CommandInfo {
    Command command;
    const char* name;
    const char* files;       // the file arguments as the usage line names them
    int minFiles, maxFiles;  // how many file arguments it takes
    const char* summary;
    const char* notes;  // the end of the command's help
};

constexpr char ChangeNotes[] =
    "\nEach value is stored as the editor stores what is entered in its field, and only\n"
    "a value the editor would take is accepted: a keypad value as the keypad hands it\n"
    "back after OK. A value equal to what the field shows writes nothing. Any unknown\n"
    "key, repeated key or refused value is reported as SOURCE:LINE: KEY: reason (the\n"
    "keypad's message and how the value is written; the first 200) and nothing is\n"
    "written (exit status 2). Without --output nothing is written at all. A changes\n"
    "text is read up to 1 MiB, as UTF-8; a byte-order mark at its start is skipped.\n"
    "\"dump --keys\" lists how each key's value is written.\n";

// clang-format off
constexpr char SoundNotes[] =
    "\nWHAT is courtesy-tones.N (N the row 1..8), cw.message, a voice message\n"
    "(voice.BLOCK.message-NN) or a speed dial's identification\n"
    "(speed-dial.NN.identification, emergency-speed-dial.N.identification), as dump\n"
    "names them. A courtesy tone plays tone 1, delay 1, tone 2, delay 2 and tone 3 as\n"
    "stored; the CW identification plays in Morse with standard timing; a voice\n"
    "message is spoken by the espeak-ng speech synthesiser. The file is 16-bit mono\n"
    "PCM, written only under a name ending in .wav and never onto FILE.orv itself.\n";

constexpr char CheckNotes[] =
    "\nPrints one line per finding, \"error|warning|note KEY[, KEY]: sentence\", in\n"
    "the order of dump; with several files each line begins with the file's name.\n"
    "An error is an entry the controller's catalogue or tables cannot give (a\n"
    "command it does not name, a macro, message or memory save that is not there,\n"
    "two codes with the same keys); a warning is very likely not what was meant; a\n"
    "note is worth knowing. Exit status 0 without an error, 1 with at least one,\n"
    "2 when a file cannot be read or on a usage error.\n";

constexpr std::array<CommandInfo, 8> CommandTable = {{
    {Command::Report, "report", "FILE.orv", 1, 1,
     "the printed report of the editor's Print Driver, as plain text or as a PDF file", ""},
    {Command::Dump, "dump", "FILE.orv", 1, 1,
     "every field the editors show, one \"key = value\" line each",
     "\nEach value is shown exactly as its dialog shows it; the keys are listed in\nthe README.\n"},
    {Command::Diff, "diff", "A.orv B.orv", 2, 2,
     "the fields that differ, then the count of other differing bytes",
     "\nPrints \"key: old -> new\" for every field that differs, then how many\n"
     "differing bytes no changed field is read from. Exit status 0 when the files\n"
     "are equal byte for byte, 1 when they differ, 2 on an error.\n"},
    {Command::Info, "info", "FILE.orv", 1, 1,
     "the editor's file checks, the byte sum and the memory areas holding data", ""},
    {Command::Set, "set", "FILE.orv KEY=VALUE...", 2, 100000,
     "stores values given as KEY=VALUE, written as dump shows them", ChangeNotes},
    {Command::Apply, "apply", "FILE.orv CHANGES.txt", 2, 2,
     "stores the \"key = value\" lines of a text as dump prints them (\"-\": standard input)",
     ChangeNotes},
    {Command::Sound, "sound", "FILE.orv WHAT", 2, 2,
     "a courtesy tone, the CW identification or a voice message as a WAV sound file",
     SoundNotes},
    {Command::Check, "check", "FILE.orv...", 1, 1000,
     "what the configuration asks that the controller cannot do, or very likely not meant",
     CheckNotes},
}};
// clang-format on

// A set of commands is a bit for each.
constexpr unsigned only(Command command) { return 1u << static_cast<unsigned>(command); }
constexpr unsigned EveryCommand = ~0u;

// The options, in the order of the usage lines and the help. -h and --help are no option here:
// they are taken anywhere, even twice.
struct OptionInfo {
    const char* name;
    const char* value;  // the value as the usage line names it; null for an option without one
    unsigned commands;  // the commands taking it, as bits made by only()
    const char* help;   // the command help's text, one line after another
    QString (*store)(Options& options, const QString& value);  // what is wrong with it, or nothing
};

constexpr unsigned Changing = only(Command::Set) | only(Command::Apply);

// clang-format off
// A whole number within its range, for an option that takes one.
QString storeNumber(std::optional<int>& into, const char* name, const QString& value, int lowest,
                    int highest) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return QStringLiteral("%1 takes a whole number from %2 to %3, not %4")
            .arg(QLatin1String(name))
            .arg(lowest)
            .arg(highest)
            .arg(quoted(value));
    into = number;
    return {};
}

constexpr std::array<OptionInfo, 12> OptionTable = {{
    {"--sections", "LIST", only(Command::Report),
     "the Print Driver's boxes to print, as comma-separated\n"
     "numbers (default: all), printed in box order", storeSections},
    {"--memory-saves", "3|4", EveryCommand,
     "four memory saves, or three and the area-code and prefix tables;\n"
     "without it, the editor's setting (four when there is none)",
     [](Options& options, const QString& value) {
         if (value != QLatin1String("3") && value != QLatin1String("4"))
             return QStringLiteral("--memory-saves takes 3 or 4, not %1").arg(quoted(value));
         options.fourMemorySaves = value == QLatin1String("4");
         return QString();
     }},
    {"--date", "TEXT", only(Command::Report),
     "the print date of the headings (default: today, in the\nsystem's short date form)",
     [](Options& options, const QString& value) { options.date = value; return QString(); }},
    {"--pdf", "OUT.pdf", only(Command::Report),
     "write the report to a PDF file instead of standard output;\nnever onto FILE.orv itself",
     [](Options& options, const QString& value) {
         if (value.isEmpty()) return QStringLiteral("--pdf needs a file name");
         options.pdf = value;
         return QString();
     }},
    {"--output", "OUT.orv", Changing,
     "write the changed configuration there (FILE.orv itself is\nreplaced whole, as the editor's Save does)",
     [](Options& options, const QString& value) {
         if (value.isEmpty()) return QStringLiteral("--output needs a file name");
         options.output = value;
         return QString();
     }},
    {"--keys", nullptr, only(Command::Dump),
     "list every key and the values it takes instead (no FILE.orv)",
     [](Options& options, const QString&) { options.keys = true; return QString(); }},
    {"--check", nullptr, Changing, "print the changes as diff prints them",
     [](Options& options, const QString&) { options.check = true; return QString(); }},
    {"--output", "OUT.wav", only(Command::Sound), "the WAV file to write",
     [](Options& options, const QString& value) {
         if (value.isEmpty()) return QStringLiteral("--output needs a file name");
         options.output = value;
         return QString();
     }},
    {"--wpm", "N", only(Command::Sound),
     "CW speed in words per minute (PARIS), 5..60; without it, the\neditor's setting (20 when there is none)",
     [](Options& options, const QString& value) {
         return storeNumber(options.wpm, "--wpm", value, SettingKeys::SlowestCwWpm,
                            SettingKeys::FastestCwWpm);
     }},
    {"--pitch", "HZ", only(Command::Sound),
     "CW pitch in hertz, 300..2000; without it, the editor's setting\n(800 when there is none)",
     [](Options& options, const QString& value) {
         return storeNumber(options.pitch, "--pitch", value, SettingKeys::LowestCwPitch,
                            SettingKeys::HighestCwPitch);
     }},
    {"--format", "text|json", only(Command::Check),
     "the findings as lines of text (default) or as a JSON array of\nobjects for scripts",
     [](Options& options, const QString& value) {
         if (value != QLatin1String("text") && value != QLatin1String("json"))
             return QStringLiteral("--format takes text or json, not %1").arg(quoted(value));
         options.json = value == QLatin1String("json");
         return QString();
     }},
    {"--yes", nullptr, Changing,
     "write even when the editor would ask first (the File Save\nAlert, another owner's or a hard-linked file)",
     [](Options& options, const QString&) { options.yes = true; return QString(); }},
}};
// clang-format on

template <typename Row, std::size_t Size>
const Row* findNamed(const std::array<Row, Size>& table, const QString& name) {
    for (const Row& row : table)
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

const CommandInfo* findCommand(Command command) {
    for (const CommandInfo& info : CommandTable)
        if (info.command == command) return &info;
    return nullptr;
}

bool takes(const CommandInfo& command, const OptionInfo& option) {
    return (option.commands & only(command.command)) != 0;
}

bool isHelp(const QString& argument) {
    return argument == QLatin1String("-h") || argument == QLatin1String("--help");
}

bool isVersion(const QString& argument) { return argument == QLatin1String("--version"); }

// The option as the usage line and the help name it: "--date TEXT".
QString label(const OptionInfo& option) {
    return QLatin1String(option.name) +
           (option.value ? QLatin1Char(' ') + QLatin1String(option.value) : QString());
}

// An option's lines in a command's help: the label, then the text in a column of its own.
QString optionLines(const QString& label, QString text) {
    return QStringLiteral("  ") + label.leftJustified(20) +
           text.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(22, QLatin1Char(' '))) +
           QLatin1Char('\n');
}

// An option's text in the help, with the boxes --sections names under it.
QString optionHelp(const OptionInfo& option) {
    QString help = QLatin1String(option.help);
    if (qstrcmp(option.name, "--sections") == 0) {
        help += QLatin1Char(':');
        for (int box = 0; box < ReportTexts::BoxCount; ++box)
            help += QStringLiteral("\n  %1  %2")
                        .arg(box, 2)
                        .arg(QLatin1String(ReportTexts::Boxes[box].caption));
    }
    return help;
}

// The options only some commands take, as bits by their place in the option table.
unsigned ownOptions(const CommandInfo& info) {
    unsigned set = 0;
    for (std::size_t i = 0; i < OptionTable.size(); ++i)
        if (OptionTable[i].commands != EveryCommand && takes(info, OptionTable[i])) set |= 1u << i;
    return set;
}

QString usageLine(const CommandInfo& info) {
    QString line = QStringLiteral("Usage: orvtool %1 %2")
                       .arg(QLatin1String(info.name), QLatin1String(info.files));
    for (const OptionInfo& option : OptionTable)
        if (takes(info, option)) line += QStringLiteral(" [%1]").arg(label(option));
    return line + QLatin1Char('\n');
}

// Reads the arguments into `options`; returns what is wrong with them, or nothing.
QString parse(const QStringList& arguments, Options& options) {
    if (arguments.isEmpty()) return QStringLiteral("no command given");
    const auto unexpected = [](const QString& argument) {
        return QStringLiteral("unexpected argument %1").arg(quoted(argument));
    };
    const QString& first = arguments.first();
    options.help = isHelp(first);
    options.version = isVersion(first);
    if (options.help || options.version)
        return arguments.size() > 1 ? unexpected(arguments.at(1)) : QString();
    const CommandInfo* command = findNamed(CommandTable, first);
    if (!command && first.startsWith(QLatin1Char('-')))
        return QStringLiteral("unknown option %1").arg(quoted(first));
    if (!command) return QStringLiteral("unknown command %1").arg(quoted(first));
    options.command = command->command;

    QList<const OptionInfo*> given;
    bool filesOnly = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (filesOnly || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files << argument;
        } else if (argument == QLatin1String("--")) {
            filesOnly = true;
        } else if (isHelp(argument)) {
            options.help = true;
        } else {
            // "--name VALUE" or "--name=VALUE"; an option without a value is "--name" alone.
            const int equals = argument.indexOf(QLatin1Char('='));
            const QString name = argument.left(equals);  // all of it when there is no '='
            const OptionInfo* option = nullptr;
            for (const OptionInfo& row : OptionTable)
                if (name == QLatin1String(row.name) && takes(*command, row)) option = &row;
            if (!option)
                return QStringLiteral("unknown option %1 for %2")
                    .arg(quoted(name), QLatin1String(command->name));
            if (given.contains(option)) return QStringLiteral("%1 given twice").arg(name);
            given << option;
            if (equals >= 0 && !option->value) return QStringLiteral("%1 takes no value").arg(name);
            if (equals < 0 && option->value && i + 1 == arguments.size())
                return QStringLiteral("%1 needs a value").arg(name);
            const QString value = equals >= 0     ? argument.mid(equals + 1)
                                  : option->value ? arguments.at(++i)
                                                  : QString();
            if (const QString error = option->store(options, value); !error.isEmpty()) return error;
        }
    }
    if (options.help) return {};
    if (command->command == Command::Sound && !options.output)
        return QStringLiteral("sound needs --output OUT.wav");
    if (options.files.size() < (options.keys ? 0 : command->minFiles))
        return QStringLiteral("%1 needs %2")
            .arg(QLatin1String(command->name), QLatin1String(command->files));
    if (options.files.size() > command->maxFiles)
        return unexpected(options.files.at(command->maxFiles));
    return {};
}

}  // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    parsed.error = parse(arguments, parsed.options);
    return parsed;
}

QString usageText(Command command) {
    if (const CommandInfo* info = findCommand(command))
        return usageLine(*info) + QStringLiteral("Run \"orvtool %1 --help\" for more.\n")
                                      .arg(QLatin1String(info->name));
    QStringList names;
    for (const CommandInfo& info : CommandTable) names << QLatin1String(info.name);
    return QStringLiteral(
               "Usage: orvtool %1 FILE.orv... [options]\nRun \"orvtool --help\" for more.\n")
        .arg(names.join(QLatin1Char('|')));
}

QString programHelp() {
    QString text = QStringLiteral(
        "Usage: orvtool COMMAND FILE.orv... [options]\n"
        "  or:  orvtool --help | --version\n"
        "\n"
        "Reads ORVANE configuration files (.orv, exactly 8192 bytes) the way the editor does;\n"
        "only set and apply write, and only the file named by --output.\n"
        "\n"
        "Commands:\n");
    for (const CommandInfo& info : CommandTable)
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(info.name), QLatin1String(info.files),
                         QLatin1String(info.summary));
    text += QStringLiteral(
        "\n"
        "Options of every command:\n"
        "  --memory-saves 3|4  four memory saves (4), or three and the area-code and prefix\n"
        "                      tables in the place of the fourth (3); without it, the editor's\n"
        "                      setting (DIP Switch #5), four when there is none\n"
        "  -h, --help          this help, or a command's with \"orvtool COMMAND --help\"\n"
        "  --version           the version and the licence\n");
    // Each command's own options, from the table the parser reads; commands taking the same
    // ones (set and apply) share a list.
    std::array<bool, CommandTable.size()> listed{};
    for (std::size_t i = 0; i < CommandTable.size(); ++i) {
        const unsigned own = ownOptions(CommandTable[i]);
        if (own == 0 || listed[i]) continue;
        QStringList names;
        for (std::size_t j = i; j < CommandTable.size(); ++j)
            if (ownOptions(CommandTable[j]) == own) {
                names << QLatin1String(CommandTable[j].name);
                listed[j] = true;
            }
        text += QStringLiteral("\nOptions of %1:\n").arg(names.join(QLatin1String(" and ")));
        for (std::size_t k = 0; k < OptionTable.size(); ++k)
            if (own & (1u << k))
                text += optionLines(label(OptionTable[k]), optionHelp(OptionTable[k]));
    }
    text += QStringLiteral(
        "\n"
        "Exit status: 0 done (diff: the files are equal byte for byte), 1 the files differ\n"
        "(diff), 2 a usage or file error, a refused change, or the output could not be\n"
        "written.\n");
    return text;
}

QString versionText() {
    return QStringLiteral("orvtool " ORV_VERSION "\n" ORV_COPYRIGHT "\n" ORV_LICENCE "\n");
}

QString commandHelp(Command command) {
    const CommandInfo* info = findCommand(command);
    if (!info) return programHelp();
    const QString summary = QLatin1String(info->summary);
    QString text = usageLine(*info) + QLatin1Char('\n') + summary.front().toUpper() +
                   summary.mid(1) + QStringLiteral(".\n\nOptions:\n");
    for (const OptionInfo& option : OptionTable)
        if (takes(*info, option)) text += optionLines(label(option), optionHelp(option));
    return text + optionLines(QStringLiteral("-h, --help"), QStringLiteral("this help")) +
           QLatin1String(info->notes);
}

}  // namespace Tool
