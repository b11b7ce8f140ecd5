// orvtool: the configuration files from the command line, with the editor's model code and no
// widgets. Only a PDF report needs the GUI module, and then on the offscreen platform, so it runs
// without a display.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "report/reportpainter.h"
#include "tool/commandline.h"
#include "tool/toolrun.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Tool::ParsedCommandLine parsed = Tool::parseCommandLine(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
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

    const int status = Tool::run(parsed.options, out, err,
                                 [](const ReportDocument& document, const QString& path) {
                                     return writeReportPdf(document, path);
                                 });
    out.flush();
    err.flush();
    return status;
}
