// Runs one orvtool command: opens the files as the editor does (read only), takes the memory
// layout and print font from the options or the user's settings store, and prints the result.
#pragma once

#include <QString>
#include <functional>

#include "core/image.h"
#include "report/reportdocument.h"
#include "tool/commandline.h"

class QTextStream;

namespace Tool {

// Writes a composed report to a PDF file; returns why it could not, or nothing.
using PdfWriter = std::function<QString(const ReportDocument& document, const QString& path)>;

// The output of `info` for an image that opened.
QString infoText(const QString& absolutePath, const Image& image, bool fourMemorySaves);

// Runs a parsed command line (help included) and returns the exit status.
int run(const Options& options, QTextStream& out, QTextStream& err, const PdfWriter& writePdf);

}  // namespace Tool
