#!/usr/bin/env bash
# Runs every real-print test: each starts its own cupsd (there is no service manager) with a
# cups-pdf queue made by lpadmin that holds its jobs, and drives the Print Driver and the printer
# chooser as a user would. They print the sample configuration's whole report and compare it with
# orvtool's, section by section, page by page and line by line (each job's PDF read back with
# pdftotext, words only: the PDF is set in a proportional font); print each section as a job of
# its own and show "Printer Error" with the service's reason on a queue that refuses jobs; open the
# chooser and find no page choices in it; and find pages per sheet and the page order chosen there
# among the held job's attributes. They are part of the test command too; this runs them alone and
# builds only what they need: the report tests, orvtool and the sample (which the report tests
# depend on).
# Usage: scripts/print-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
test_filter='RealPrinter.*'

scripts/setup.sh --install-only
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_WARNINGS_AS_ERRORS=ON >/dev/null
SECONDS=0
cmake --build "$build_dir" -j"$(nproc)" --target test_report orvtool
echo "Build took ${SECONDS} s"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
SECONDS=0
status=0
QT_QPA_PLATFORM=offscreen "$build_dir/tests/report/test_report" --gtest_filter="$test_filter" \
    2>&1 | tee "$log" || status=$?
if [ "$status" -ne 0 ]; then
    result=FAILED
else
    passed=$(grep -c '^\[       OK \] RealPrinter\.' "$log" || true)
    skipped=$(grep -c '^\[  SKIPPED \] RealPrinter\.' "$log" || true)
    result="$passed passed"
    [ "$skipped" -eq 0 ] || result="$result, $skipped skipped (no print service)"
fi
echo "Print checks ($test_filter): $result in ${SECONDS} s"
exit "$status"
