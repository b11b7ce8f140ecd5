#!/usr/bin/env bash
# Sets everything up, builds (in build, as the test command does) and measures what each user
# action costs with orvbench on Qt's offscreen platform: every benchmark five times, with the mean,
# median and spread of the five printed; then the whole report written as a PDF by orvtool, timed
# as a whole process.
# Usage: scripts/bench.sh [--brief] [benchmark option...]
# --brief runs every benchmark once and briefly (continuous integration: it still fails when a
# benchmark cannot do its work); options such as --benchmark_filter=Dialog are passed on.
set -euo pipefail
cd "$(dirname "$0")/.."
run_options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
if [ "${1:-}" = "--brief" ]; then
    shift
    run_options=(--benchmark_min_time=0.01)
fi
scripts/setup.sh build -DORV_WARNINGS_AS_ERRORS=ON
export QT_QPA_PLATFORM=offscreen
SECONDS=0
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
build/bench/orvbench "${run_options[@]}" "$@" 2>&1 | tee "$output" || status=$?
# A benchmark that could not do its work says so and is skipped; that fails the run, except for
# the voice message on a machine whose speech synthesiser cannot start (it names the reason).
if grep "ERROR OCCURRED" "$output" | grep -vq "no speech synthesiser"; then
    echo "bench: some benchmarks could not do their work (ERROR OCCURRED above)"
    status=1
fi

# The whole report (every box, four memory saves) written as a PDF by orvtool, timed as a whole
# process from its start to its exit: five runs, once with --brief.
runs=5
[ "${run_options[0]}" = "--benchmark_min_time=0.01" ] && runs=1
pdf="$output.pdf"
trap 'rm -f "$output" "$pdf"' EXIT
times=()
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    build/src/tool/orvtool report build/samples/club-repeater.orv --memory-saves 4 --pdf "$pdf" \
        > /dev/null || status=1
    times+=($(( ($(date +%s%N) - start) / 100000 )))
done
pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
if [ "${pages:-0}" -lt 1 ]; then
    echo "bench: orvtool report --pdf wrote no readable PDF"
    status=1
fi
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}')
echo "orvtool report --pdf, the whole process: median $((median / 10)).$((median % 10)) ms" \
     "of $runs runs, $pages pages"
echo "Benchmarks took ${SECONDS} s"
exit "$status"
