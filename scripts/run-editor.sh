#!/usr/bin/env bash
# Sets everything up, builds and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/app/orvedit
