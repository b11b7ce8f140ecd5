#!/usr/bin/env bash
# Prints the sample configuration's whole report through a real print service and compares it with
# orvtool's: the test starts its own cupsd (there is no service manager), adds a cups-pdf queue with
# lpadmin, prints every box of the Print Driver through the printer chooser, and reads each job's
# PDF back with pdftotext, section by section, page by page and line by line (words only: the PDF
# is set in a proportional font). It is part of the test command too; this runs it alone and builds
# only what it needs: the report tests, orvtool and the sample (which the report tests depend on).
# Usage: scripts/print-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
test_name='RealPrinter.TheWholeReportPrintsAsOrvtoolReportsIt'

scripts/setup.sh --install-only
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_WARNINGS_AS_ERRORS=ON >/dev/null
SECONDS=0
cmake --build "$build_dir" -j"$(nproc)" --target test_report orvtool
echo "Build took ${SECONDS} s"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
SECONDS=0
status=0
QT_QPA_PLATFORM=offscreen "$build_dir/tests/report/test_report" --gtest_filter="$test_name" \
    2>&1 | tee "$log" || status=$?
if [ "$status" -ne 0 ]; then
    result=FAILED
elif grep -q '^\[  SKIPPED \]' "$log"; then
    result="skipped (no print service)"
else
    result=passed
fi
echo "Print check $test_name: $result in ${SECONDS} s"
exit "$status"
