#!/usr/bin/env bash
# Sets everything up, builds with compiler warnings as errors and runs every test on Qt's offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build -DORV_WARNINGS_AS_ERRORS=ON
export QT_QPA_PLATFORM=offscreen
SECONDS=0
status=0
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300 || status=$?
echo "Tests took ${SECONDS} s"
exit "$status"
