#!/usr/bin/env bash
# Installs the Debian packages the editor needs (only those that are missing) and builds it.
# Usage: scripts/setup.sh [build-dir [cmake option...]]
#        scripts/setup.sh --install-only [extra package...]
# --install-only builds nothing; it also installs the extra packages a check needs when they are
# missing (clang-format for the layout check).
set -euo pipefail
cd "$(dirname "$0")/.."

# cups and printer-driver-cups-pdf: the print test runs its own print service with a PDF queue.
# help2man makes orvtool's manual page, file lets cpack find the programs for dpkg-shlibdeps; the
# desktop entry, the MIME type and the AppStream file are checked with their validators. Qt
# Multimedia plays sound, from a library the editor loads on the first Play; espeak-ng speaks the
# voice messages. Google Benchmark measures the user's actions (scripts/bench.sh).
packages=(build-essential cmake qt6-base-dev libgl-dev libcups2-dev libgtest-dev libgmock-dev
          fonts-liberation poppler-utils cups printer-driver-cups-pdf help2man
          desktop-file-utils appstream shared-mime-info libxml2-utils file qt6-multimedia-dev
          libespeak-ng-dev libbenchmark-dev)
install_only=false
if [ "${1:-}" = "--install-only" ]; then
    install_only=true
    shift
    packages+=("$@")
    set --
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if $install_only; then exit 0; fi

build_dir="${1:-build}"
if [ $# -gt 0 ]; then shift; fi
SECONDS=0
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
status=0
cmake --build "$build_dir" -j"$(nproc)" || status=$?
echo "Build took ${SECONDS} s"
exit "$status"
