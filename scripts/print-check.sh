#!/usr/bin/env bash
# Prints the sample configuration's whole report through a real print service and compares it with
# orvtool's: the test starts its own cupsd (there is no service manager), adds a cups-pdf queue with
# lpadmin, prints every box of the Print Driver through the printer chooser, and reads each job's
# PDF back with pdftotext, page by page and line by line (words only: the PDF is set in a
# proportional font). It is part of the test command too; this runs it alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build >/dev/null
QT_QPA_PLATFORM=offscreen build/tests/report/test_report \
    --gtest_filter='RealPrinter.TheWholeReportPrintedIsTheReportOrvtoolGives'
