#include "tool/toolrun.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include "core/document.h"
#include "core/filewriter.h"
#include "core/settings.h"
#include "core/texts.h"
#include "devices/courtesytones.h"
#include "fields/areas.h"
#include "fields/catalogue.h"
#include "fields/changes.h"
#include "fields/checker.h"
#include "fields/dump.h"
#include "formats/cwcode.h"
#include "formats/sound.h"
#include "memory/memoryblocks.h"
#include "voice/speech.h"

namespace Tool {

namespace {

// Why the editor's open refused the file, in more words than its message has: the file is opened
// once more the way the editor opens it (never waiting on a FIFO) and looked at through that
// handle.
QString openProblem(const QString& path, OpenStatus status) {
    const std::unique_ptr<ImageSource> source = openImageSource(path);
    const int openError = errno;
    const qint64 length = source ? source->length() : -1;
    if (status == OpenStatus::ReadError) {
        if (!source)
            return openError == ENOENT ? QStringLiteral("there is no such file")
                                       : QString::fromLocal8Bit(std::strerror(openError));
        if (length < 0) return QStringLiteral("this is not a file");
        return QStringLiteral("the file could not be read whole");
    }
    QStringList problems;
    if (!hasOrvExtension(path))
        problems << QStringLiteral("the name does not end in \"%1\"")
                        .arg(QLatin1String(Texts::Extension));
    if (length != ImageSize)
        problems << QStringLiteral("the file holds %1 bytes, not %2").arg(length).arg(ImageSize);
    return problems.join(QStringLiteral("; "));
}

// Reads a configuration file under the editor's rules; on a refusal, the editor's message and
// the reason go to the error stream.
std::optional<Image> openImage(const QString& path, QTextStream& err) {
    Image image{};
    const OpenStatus status = readImageFile(path, image);
    if (status == OpenStatus::Loaded) return image;
    const bool badName = status == OpenStatus::BadNameOrLength;
    const QString shown = visibleFileName(path);
    err << "orvtool: " << shown << ": "
        << QLatin1String(badName ? Texts::FilenameErrorTitle : Texts::OpenErrorTitle) << ": "
        << QLatin1String(badName ? Texts::FilenameErrorText : Texts::OpenErrorText) << '\n';
    err << "orvtool: " << shown << ": " << openProblem(path, status) << '\n';
    return std::nullopt;
}

// The settings as the editor reads them at start-up, with the layout the options ask for.
Settings toolSettings(const Options& options) {
    const std::unique_ptr<QSettings> store(openSettingsStore());
    Settings settings = readSettings(*store);
    if (options.fourMemorySaves) settings.fourMemorySaves = *options.fourMemorySaves;
    return settings;
}

int report(const Options& options, QTextStream& out, QTextStream& err, const PdfWriter& writePdf) {
    const QString& path = options.files.at(0);
    const std::optional<Image> image = openImage(path, err);
    if (!image) return Failure;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (options.pdf) {
        // Compared as files, not names: a hard link or a second mount of the folder reaches the
        // configuration file under another name.
        const QString target = visibleFileName(*options.pdf);
        if (isSameFile(*options.pdf, path)) {
            err << "orvtool: " << target
                << ": this is the configuration file itself; the report is not written over it\n";
            return Failure;
        }
        if (const std::optional<QString> problem = notARegularFile(*options.pdf)) {
            err << "orvtool: " << target << ": " << *problem << '\n';
            return Failure;
        }
    }

    ReportBoxes boxes{};
    boxes.fill(true);
    if (options.sections) boxes = *options.sections;
    const ReportHeadings headings{absolute, absolute, options.date.value_or(todaysPrintDate())};
    const ReportInputs inputs = reportInputs(toolSettings(options), headings, boxes);
    const ReportDocument document = composeReport(*image, inputs);
    if (!options.pdf) {
        out << reportText(document);
        return Success;
    }
    const QString problem = writePdf(document, *options.pdf);
    if (!problem.isEmpty()) {
        err << "orvtool: " << visibleFileName(*options.pdf)
            << ": the PDF file could not be written: " << problem << '\n';
        return Failure;
    }
    return Success;
}

int dump(const Options& options, QTextStream& out, QTextStream& err) {
    if (options.keys) {
        out << Dump::keysText(toolSettings(options).fourMemorySaves);
        return Success;
    }
    const std::optional<Image> image = openImage(options.files.at(0), err);
    if (!image) return Failure;
    out << Dump::dumpText(Dump::fields(*image, toolSettings(options).fourMemorySaves));
    return Success;
}

int diff(const Options& options, QTextStream& out, QTextStream& err) {
    // Both files are checked, so one run names every file that cannot be read.
    const std::optional<Image> before = openImage(options.files.at(0), err);
    const std::optional<Image> after = openImage(options.files.at(1), err);
    if (!before || !after) return Failure;
    const Dump::Difference difference =
        Dump::difference(*before, *after, toolSettings(options).fourMemorySaves);
    out << Dump::differenceText(difference);
    return difference.identical ? Success : Different;
}

int check(const Options& options, QTextStream& out, QTextStream& err) {
    // Every file is read first, so one run names every file that cannot be read.
    std::vector<std::optional<Image>> images;
    for (const QString& path : options.files) images.push_back(openImage(path, err));
    if (std::ranges::any_of(images, [](const auto& image) { return !image; })) return Failure;
    const bool four = toolSettings(options).fourMemorySaves;
    const Fields::FieldList& fields = Fields::catalogue(four);
    QJsonArray all;
    bool error = false;
    for (std::size_t f = 0; f < images.size(); ++f) {
        const QString name = visibleFileName(options.files[int(f)]);
        for (const Check::Finding& finding : Check::check(*images[f], four)) {
            error = error || finding.severity == Check::Severity::Error;
            const QString severity = Check::severityWord(finding.severity);
            if (!options.json) {
                if (images.size() > 1) out << name << ": ";
                out << severity << ' ' << finding.keys.join(QStringLiteral(", ")) << ": "
                    << finding.message << '\n';
                continue;
            }
            const auto field =
                std::ranges::find(fields, finding.keys.value(0), &Fields::Field::key);
            QJsonObject object{{QStringLiteral("file"), name},
                               {QStringLiteral("severity"), severity},
                               {QStringLiteral("keys"), QJsonArray::fromStringList(finding.keys)},
                               {QStringLiteral("message"), finding.message}};
            if (field != fields.end()) {
                object.insert(QStringLiteral("area"),
                              QLatin1String(Fields::areas()[std::size_t(field->area)].key));
                if (field->block)
                    object.insert(QStringLiteral("block"), Fields::blockKey(*field->block));
                if (field->record) object.insert(QStringLiteral("record"), field->record->name);
            }
            all.append(object);
        }
    }
    if (options.json) out << QJsonDocument(all).toJson(QJsonDocument::Indented);
    return error ? Different : Success;
}

int info(const Options& options, QTextStream& out, QTextStream& err) {
    const QString& path = options.files.at(0);
    const std::optional<Image> image = openImage(path, err);
    if (!image) return Failure;
    out << infoText(QFileInfo(path).absoluteFilePath(), *image,
                    toolSettings(options).fourMemorySaves);
    return Success;
}

// The most a changes text may hold: a whole dump is about 40 KB.
constexpr qint64 MostChangesBytes = 1024 * 1024;

// The text of a changes file, or of standard input for "-"; nothing when it cannot be read, and
// then the reason is on the error stream. At most MostChangesBytes are read, so an endless source
// (/dev/zero, a FIFO that is never closed) ends with a refusal instead of filling the memory.
std::optional<QString> readChanges(const QString& path, QTextStream& err) {
    QFile file;
    const bool opened =
        path == QLatin1String("-")
            ? file.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
            : (file.setFileName(path), file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QByteArray bytes;
    bool readWhole = opened;
    while (readWhole && bytes.size() <= MostChangesBytes) {
        const QByteArray part = file.read(MostChangesBytes + 1 - bytes.size());
        if (part.isEmpty()) {
            readWhole = file.error() == QFileDevice::NoError;
            break;
        }
        bytes += part;
    }
    const QString name =
        path == QLatin1String("-") ? QStringLiteral("standard input") : visibleFileName(path);
    if (!readWhole) {
        err << "orvtool: " << name << ": could not be read: " << file.errorString() << '\n';
        return std::nullopt;
    }
    if (bytes.size() > MostChangesBytes) {
        err << "orvtool: " << name << ": more than " << MostChangesBytes
            << " bytes; a changes text is read up to 1 MiB (a whole dump is about 40 KB)\n";
        return std::nullopt;
    }
    // A byte-order mark some editors write first is no part of the text.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) {
        err << "orvtool: " << name << ": the text is not UTF-8\n";
        return std::nullopt;
    }
    return text;
}

// Writes the changed image to --output as the editor's Save writes it: only under a ".orv" name,
// and without --yes never over another owner's or a hard-linked file.
int writeResult(const Options& options, const Image& image, QTextStream& err) {
    const QString& path = *options.output;
    const QString shown = visibleFileName(path);
    if (!hasOrvExtension(path)) {
        err << "orvtool: " << shown << ": " << QLatin1String(Texts::SaveErrorTitle) << ": "
            << QLatin1String(Texts::SaveNameErrorText) << '\n';
        return Failure;
    }
    QString declined;
    const WriteStatus status = writeImageFile(path, image, [&](const Replacement& replacement) {
        if (options.yes) return true;
        declined = replacementQuestion(path, replacement);
        return false;
    });
    if (status.declined) {
        err << "orvtool: " << shown << ": " << declined.replace(QLatin1Char('\n'), QLatin1Char(' '))
            << " Nothing was written; give --yes to write it anyway.\n";
        return Failure;
    }
    if (!status.ok) {
        err << "orvtool: " << shown << ": could not be written: " << status.reason << '\n';
        return Failure;
    }
    return Success;
}

// set and apply: the changes are read, stored all or nothing, printed with --check and written
// with --output.
int change(const Options& options, QTextStream& out, QTextStream& err) {
    const std::optional<Image> image = openImage(options.files.at(0), err);
    if (!image) return Failure;
    Changes::Request request;
    QString source = QStringLiteral("argument");
    if (options.command == Command::Set) {
        request = Changes::readArguments(options.files.mid(1));
    } else {
        const QString& path = options.files.at(1);
        const std::optional<QString> text = readChanges(path, err);
        if (!text) return Failure;
        request = Changes::readText(*text);
        source =
            path == QLatin1String("-") ? QStringLiteral("standard input") : visibleFileName(path);
    }
    const bool four = toolSettings(options).fourMemorySaves;
    Changes::Outcome outcome = Changes::apply(*image, request.lines, four);
    if (!request.refusals.empty()) {
        outcome.refusals.insert(outcome.refusals.end(), request.refusals.begin(),
                                request.refusals.end());
        std::stable_sort(outcome.refusals.begin(), outcome.refusals.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
    }
    if (!outcome.refusals.empty()) {
        err << Changes::refusalText(outcome.refusals, source) << "orvtool: nothing was written\n";
        return Failure;
    }
    if (options.check) out << Dump::differenceText(Dump::difference(*image, outcome.image, four));
    if (!options.output) return Success;
    if (const std::optional<QString> alert = closureQuestion(accessFlags(outcome.image));
        alert && !options.yes) {
        err << "orvtool: " << QLatin1String(Texts::SaveAlertTitle) << ": "
            << alert->split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral("; "))
            << "\norvtool: nothing was written; give --yes to write it anyway\n";
        return Failure;
    }
    return writeResult(options, outcome.image, err);
}

}  // namespace

QString infoText(const QString& absolutePath, const Image& image, bool fourMemorySaves) {
    using namespace MemoryBlocks;
    QString text;
    QTextStream out(&text);
    out << "File: " << visibleFileName(absolutePath) << '\n'
        << "Open: accepted (the name ends in \"" << QLatin1String(Texts::Extension)
        << "\" and the file holds " << ImageSize << " bytes)\n"
        << "Byte sum: " << byteSum(image) << '\n'
        << QLatin1String(MemoryLayoutGroup.frame) << ": "
        << QLatin1String(MemoryLayoutGroup.options[fourMemorySaves ? 0 : 1]) << '\n'
        << QLatin1String(FlushLegend) << '\n';
    for (int row = 0; row < FlushRowCount; ++row)
        out << (holdsData(image, row) ? "[x] " : "[ ] ")
            << QLatin1String(flushCaption(row, fourMemorySaves)) << '\n';
    out.flush();
    return text;
}

constexpr char SoundExtension[] = ".wav";

// The word-string field (a voice message, a speed dial's identification) of a dump key.
const Fields::Field* wordStringField(const QString& key, bool fourMemorySaves) {
    for (const Fields::Field& field : Fields::catalogue(fourMemorySaves))
        if (field.key == key && field.edit == Fields::Edit::Composer) return &field;
    return nullptr;
}

// sound: a courtesy tone, the CW identification or a voice message as a WAV file, written like
// every other file the programs write, and never over the configuration file.
int sound(const Options& options, QTextStream& err) {
    const QString& path = options.files.at(0);
    const std::optional<Image> image = openImage(path, err);
    if (!image) return Failure;
    const QString what = options.files.at(1);
    const Settings settings = toolSettings(options);
    Sound::Steps steps;
    Sound::Samples samples;
    static const QRegularExpression courtesyTone(QStringLiteral("^courtesy-tones\\.([1-8])$"));
    if (const QRegularExpressionMatch row = courtesyTone.match(what); row.hasMatch()) {
        steps = CourtesyTones::sound(*image, row.captured(1).toInt() - 1);
    } else if (what == QLatin1String("cw.message")) {
        const Sound::Keying keying{options.wpm.value_or(settings.cwWpm),
                                   double(options.pitch.value_or(settings.cwPitch))};
        steps = Sound::cwMessage(cwStoredCodes(*image), keying);
    } else if (const Fields::Field* words = wordStringField(what, settings.fourMemorySaves)) {
        // The word string the field stores: its count byte, then its words.
        const std::vector<int> numbers = words->writes.empty()
                                             ? std::vector<int>{}
                                             : Speech::wordNumbers(*image, words->writes.front());
        if (!numbers.empty() && !Speech::unavailable().isEmpty()) {
            err << "orvtool: " << Speech::unavailable() << '\n';
            return Failure;
        }
        samples = Speech::render(numbers);
        steps.push_back({0, 0});  // a message: its samples are made already
    } else {
        err << "orvtool: " << visibleFileName(what)
            << ": no sound; WHAT is courtesy-tones.1 .. courtesy-tones.8, cw.message, a voice "
               "message (voice.BLOCK.message-NN) or a speed dial's identification, as dump "
               "names them\n"
            << usageText(Command::Sound);
        return Failure;
    }

    const QString& output = *options.output;
    const QString target = visibleFileName(output);
    if (isSameFile(output, path)) {
        err << "orvtool: " << target
            << ": this is the configuration file itself; the sound is not written over it\n";
        return Failure;
    }
    if (const std::optional<QString> problem = notARegularFile(output)) {
        err << "orvtool: " << target << ": could not be written: " << *problem << '\n';
        return Failure;
    }
    // As a configuration is written only under its own extension, a sound is written only under
    // ".wav", so a mistyped name never replaces a configuration or another file by a sound.
    if (!output.endsWith(QLatin1String(SoundExtension))) {
        err << "orvtool: " << target << ": the name does not end in \"" << SoundExtension
            << "\"; a sound is written only as a .wav file\n";
        return Failure;
    }
    if (samples.empty()) samples = Sound::render(steps);
    const WriteStatus status = writeFileChecked(output, Sound::wav(samples));
    if (!status.ok) {
        err << "orvtool: " << target << ": could not be written: " << status.reason << '\n';
        return Failure;
    }
    if (samples.empty()) err << "orvtool: " << visibleFileName(what) << " makes no sound\n";
    return Success;
}

int run(const Options& options, QTextStream& out, QTextStream& err, const PdfWriter& writePdf) {
    if (options.version) {
        out << versionText();
        return Success;
    }
    if (options.help) {
        out << (options.command == Command::None ? programHelp() : commandHelp(options.command));
        return Success;
    }
    switch (options.command) {
        case Command::Report:
            return report(options, out, err, writePdf);
        case Command::Dump:
            return dump(options, out, err);
        case Command::Diff:
            return diff(options, out, err);
        case Command::Info:
            return info(options, out, err);
        case Command::Set:
        case Command::Apply:
            return change(options, out, err);
        case Command::Sound:
            return sound(options, err);
        case Command::Check:
            return check(options, out, err);
        case Command::None:
            break;
    }
    err << "orvtool: no command given\n" << usageText(Command::None);
    return Failure;
}

}  // namespace Tool
