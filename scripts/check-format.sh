#!/usr/bin/env bash
# Checks that every C++ file under src, tests, fuzz and bench is laid out as .clang-format says,
# with Debian 12's clang-format (installed when missing); names each place that differs and fails if
# any does.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --install-only clang-format
SECONDS=0
mapfile -d '' files < <(find src tests fuzz bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
clang-format --version
clang-format --dry-run --Werror "${files[@]}"
echo "Format check of ${#files[@]} files took ${SECONDS} s"
