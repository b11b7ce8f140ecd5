#!/usr/bin/env bash
# Sets everything up, builds with compiler warnings as errors and runs every test on Qt's offscreen
# platform.
# With --sanitize the same suite is built in build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer (cmake/sanitizers.cmake) and any finding fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
options=(-DORV_WARNINGS_AS_ERRORS=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    options+=(-DORV_SANITIZE=ON)
    # Leaks count as findings too; Qt and the libraries below it leave none the leak check reports.
    export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1"
fi
scripts/setup.sh "$build_dir" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
SECONDS=0
status=0
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" --timeout 300 || status=$?
echo "Tests in $build_dir took ${SECONDS} s"
exit "$status"
