#!/usr/bin/env bash
# Sets everything up, builds (in build, as the test command does) and measures what each user
# action costs with orvbench on Qt's offscreen platform: every benchmark five times, with the mean,
# median and spread of the five printed.
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
echo "Benchmarks took ${SECONDS} s"
exit "$status"
