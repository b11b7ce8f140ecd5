#include "tool/commandline.h"

#include <array>

namespace Tool {

namespace {

struct CommandInfo {
    Command command;
    const char* name;
    int fileCount;
    const char* files;    // the file arguments as the usage line names them
    const char* options;  // the options as the usage line names them
    const char* summary;
};

constexpr char SaveOption[] = "[--memory-saves 3|4]";

// clang-format off
constexpr std::array<CommandInfo, 4> CommandTable = {{
    {Command::Report, "report", 1, "FILE.orv",
     "[--sections LIST] [--memory-saves 3|4] [--date TEXT] [--pdf OUT.pdf]",
     "the printed report of the editor's Print Driver, as plain text or as a PDF file"},
    {Command::Dump, "dump", 1, "FILE.orv", SaveOption,
     "every field the editors show, one \"key = value\" line each"},
    {Command::Diff, "diff", 2, "A.orv B.orv", SaveOption,
     "the fields that differ, then the count of other differing bytes"},
    {Command::Info, "info", 1, "FILE.orv", SaveOption,
     "the editor's file checks, the byte sum and the memory areas holding data"},
}};
// clang-format on

enum class OptionId { MemorySaves, Sections, Date, Pdf };

struct OptionInfo {
    OptionId id;
    const char* name;
    bool reportOnly;
};

constexpr std::array<OptionInfo, 4> OptionTable = {{
    {OptionId::MemorySaves, "--memory-saves", false},
    {OptionId::Sections, "--sections", true},
    {OptionId::Date, "--date", true},
    {OptionId::Pdf, "--pdf", true},
}};

const CommandInfo* findCommand(Command command) {
    for (const CommandInfo& info : CommandTable)
        if (info.command == command) return &info;
    return nullptr;
}

const CommandInfo* findCommand(const QString& name) {
    for (const CommandInfo& info : CommandTable)
        if (name == QLatin1String(info.name)) return &info;
    return nullptr;
}

bool isHelp(const QString& argument) {
    return argument == QLatin1String("-h") || argument == QLatin1String("--help");
}

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The boxes of a comma-separated list of box numbers; an error text when an item is no box.
std::optional<QString> parseSections(const QString& list, ReportBoxes& boxes) {
    boxes.fill(false);
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
    return std::nullopt;
}

// Stores an option's value; an error text when the value is not one the option takes.
std::optional<QString> setOption(Options& options, OptionId id, const QString& value) {
    switch (id) {
        case OptionId::MemorySaves:
            if (value != QLatin1String("3") && value != QLatin1String("4"))
                return QStringLiteral("--memory-saves takes 3 or 4, not %1").arg(quoted(value));
            options.fourMemorySaves = value == QLatin1String("4");
            return std::nullopt;
        case OptionId::Sections: {
            ReportBoxes boxes{};
            if (auto error = parseSections(value, boxes)) return error;
            options.sections = boxes;
            return std::nullopt;
        }
        case OptionId::Date:
            options.date = value;
            return std::nullopt;
        case OptionId::Pdf:
            if (value.isEmpty()) return QStringLiteral("--pdf needs a file name");
            options.pdf = value;
            return std::nullopt;
    }
    return std::nullopt;
}

bool isSet(const Options& options, OptionId id) {
    switch (id) {
        case OptionId::MemorySaves:
            return options.fourMemorySaves.has_value();
        case OptionId::Sections:
            return options.sections.has_value();
        case OptionId::Date:
            return options.date.has_value();
        case OptionId::Pdf:
            return options.pdf.has_value();
    }
    return false;
}

QString usageLine(const CommandInfo& info) {
    return QStringLiteral("Usage: orvtool %1 %2 %3\n")
        .arg(QLatin1String(info.name), QLatin1String(info.files), QLatin1String(info.options));
}

}  // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    Options& options = parsed.options;
    const auto fail = [&parsed](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    if (arguments.isEmpty()) return fail(QStringLiteral("no command given"));
    if (isHelp(arguments.first())) {
        options.help = true;
        if (arguments.size() > 1)
            return fail(QStringLiteral("unexpected argument %1").arg(quoted(arguments.at(1))));
        return parsed;
    }
    const CommandInfo* command = findCommand(arguments.first());
    if (!command) {
        if (arguments.first().startsWith(QLatin1Char('-')))
            return fail(QStringLiteral("unknown option %1").arg(quoted(arguments.first())));
        return fail(QStringLiteral("unknown command %1").arg(quoted(arguments.first())));
    }
    options.command = command->command;

    bool filesOnly = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (filesOnly || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            filesOnly = true;
            continue;
        }
        if (isHelp(argument)) {
            options.help = true;
            continue;
        }
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionInfo* option = nullptr;
        for (const OptionInfo& info : OptionTable)
            if (name == QLatin1String(info.name)) option = &info;
        if (!option || (option->reportOnly && command->command != Command::Report))
            return fail(QStringLiteral("unknown option %1 for %2")
                            .arg(quoted(name), QLatin1String(command->name)));
        if (isSet(options, option->id)) return fail(QStringLiteral("%1 given twice").arg(name));
        QString value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            return fail(QStringLiteral("%1 needs a value").arg(name));
        }
        if (auto error = setOption(options, option->id, value)) return fail(*error);
    }
    if (options.help) return parsed;
    if (options.files.size() < command->fileCount)
        return fail(QStringLiteral("%1 needs %2")
                        .arg(QLatin1String(command->name), QLatin1String(command->files)));
    if (options.files.size() > command->fileCount)
        return fail(QStringLiteral("unexpected argument %1")
                        .arg(quoted(options.files.at(command->fileCount))));
    return parsed;
}

QString usageText(Command command) {
    if (const CommandInfo* info = findCommand(command))
        return usageLine(*info) + QStringLiteral("Run \"orvtool %1 --help\" for more.\n")
                                      .arg(QLatin1String(info->name));
    return QStringLiteral(
        "Usage: orvtool report|dump|diff|info FILE.orv... [options]\n"
        "Run \"orvtool --help\" for more.\n");
}

QString programHelp() {
    QString text = QStringLiteral(
        "Usage: orvtool COMMAND FILE.orv... [options]\n"
        "\n"
        "Reads ORVANE configuration files (.orv, exactly 8192 bytes) the way the editor does,\n"
        "without ever changing them.\n"
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
        "\n"
        "Exit status: 0 done (diff: the files are equal byte for byte), 1 the files differ\n"
        "(diff), 2 a usage or file error, or the output could not be written.\n");
    return text;
}

QString commandHelp(Command command) {
    const CommandInfo* info = findCommand(command);
    if (!info) return programHelp();
    QString summary = QString::fromLatin1(info->summary);
    summary[0] = summary[0].toUpper();
    QString text =
        usageLine(*info) + QLatin1Char('\n') + summary + QStringLiteral(".\n\nOptions:\n");
    if (command == Command::Report) {
        text += QStringLiteral(
            "  --sections LIST     the Print Driver's boxes to print, as comma-separated\n"
            "                      numbers (default: all), printed in box order:\n");
        for (int box = 0; box < ReportTexts::BoxCount; ++box)
            text += QStringLiteral("                        %1  %2\n")
                        .arg(box, 2)
                        .arg(QLatin1String(ReportTexts::Boxes[box].caption));
    }
    text += QStringLiteral(
        "  --memory-saves 3|4  four memory saves, or three and the area-code and prefix tables;\n"
        "                      without it, the editor's setting (four when there is none)\n");
    if (command == Command::Report)
        text += QStringLiteral(
            "  --date TEXT         the print date of the headings (default: today, in the\n"
            "                      system's short date form)\n"
            "  --pdf OUT.pdf       write the report to a PDF file instead of standard output;\n"
            "                      never onto FILE.orv itself\n");
    text += QStringLiteral("  -h, --help          this help\n");
    switch (command) {
        case Command::Dump:
            text += QStringLiteral(
                "\nEach value is shown exactly as its dialog shows it; the keys are listed in\n"
                "the README.\n");
            break;
        case Command::Diff:
            text += QStringLiteral(
                "\nPrints \"key: old -> new\" for every field that differs, then how many\n"
                "differing bytes no changed field is read from. Exit status 0 when the files\n"
                "are equal byte for byte, 1 when they differ, 2 on an error.\n");
            break;
        default:
            break;
    }
    return text;
}

}  // namespace Tool
