// orvtool: the configuration files from the command line, with the editor's model code and no
// widgets. Only a PDF report needs the GUI module, and then on the offscreen platform, so it runs
// without a display.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

#include "report/reportpainter.h"
#include "tool/commandline.h"
#include "tool/output.h"
#include "tool/toolrun.h"

namespace {

// Runs the command named by the arguments; what it prints is gathered in `out` and `err`.
int runCommand(int argc, char** argv, QTextStream& out, QTextStream& err) {
    // Every argument is checked before anything is read or written: a name whose bytes are not
    // UTF-8 would be read with a replacement character, so the program would look for, read or
    // write a file of another name.
    QStringList arguments;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (const QString problem = Tool::argumentProblem(bytes); !problem.isEmpty()) {
            err << "orvtool: " << problem << '\n';
            unreadable = true;
        }
        arguments << QFile::decodeName(bytes);
    }
    if (unreadable) return Tool::Failure;

    const Tool::ParsedCommandLine parsed = Tool::parseCommandLine(arguments);
    if (!parsed.error.isEmpty()) {
        err << "orvtool: " << parsed.error << '\n' << Tool::usageText(parsed.options.command);
        return Tool::Failure;
    }

    // The application sees only the program name: every argument has been read above, and none
    // may be taken for one of Qt's own options.
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    std::unique_ptr<QCoreApplication> app;
    const bool pdf = parsed.options.pdf.has_value() && !parsed.options.help;
    if (pdf) {
        // Chosen before the application exists, whatever the environment names.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    } else {
        app = std::make_unique<QCoreApplication>(appArgc, appArgv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("orvtool"));

    return Tool::run(parsed.options, out, err,
                     [](const ReportDocument& document, const QString& path) {
                         return writeReportPdf(document, path);
                     });
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything opens a file.
    const Tool::StandardStreams streams = Tool::reserveStandardStreams();

    // The output is gathered whole and written by one checked loop at the end, so a failed write
    // is never lost in a stream's buffer and the status can still say so.
    QString output;
    QString messages;
    int status = Tool::Failure;
    {
        QTextStream out(&output);
        QTextStream err(&messages);
        status = runCommand(argc, argv, out, err);
    }
    return Tool::deliver(status, output, messages, streams);
}
