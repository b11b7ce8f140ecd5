#!/usr/bin/env bash
# Makes the README's screenshots again: the editor on the sample configuration under Xvfb, the
# main window with its overview and three dialogs, each saved as a PNG of its own window.
# Usage: scripts/screenshots.sh [out-dir]   (default: docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
scripts/setup.sh --install-only xvfb xdotool imagemagick fonts-dejavu-core
scripts/setup.sh build >/dev/null
mkdir -p "$out"
home=$(mktemp -d)
display=:93
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
editor=""
# Only the two processes this script started are ended, never another editor on the machine.
cleanup() {
    [ -z "$editor" ] || kill "$editor" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home
sleep 1
sample=$(pwd)/build/samples/club-repeater.orv
build/src/app/orvedit "$sample" >/dev/null 2>&1 &
editor=$!

# The window named `title`, once shown, saved as `name`.png.
shoot() {
    local title="$1" name="$2" id
    id=$(xdotool search --sync --onlyvisible --name "^$title\$" | head -1)
    sleep 0.7
    import -window "$id" "$out/$name.png"
    echo "$out/$name.png"
}
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }

# There is no window manager: the keys go to the window given the focus.
main=$(xdotool search --sync --onlyvisible --name "^ORVANE 32 Bit Editor Program\$" | head -1)
sleep 1
focus_main() { xdotool windowfocus --sync "$main"; sleep 0.3; }
focus_main
xdotool mousemove --window "$main" 300 35 click 1
xdotool type --delay 40 "Courtesy"
sleep 0.5
shoot "ORVANE 32 Bit Editor Program" main-window
keys ctrl+a BackSpace

# Each dialog from its menu, as a user at the keyboard opens it. "&Messages" comes before "&Misc",
# so Misc is opened with a click on its caption.
dialog() {
    local title="$1" name="$2"
    shift 2
    focus_main
    keys "$@"
    shoot "$title" "$name"
    xdotool key Escape
    sleep 0.5
}
dialog "Repeater Base Timers" timers alt+c t Return
dialog "Macro Commands" macros alt+o m
focus_main
xdotool mousemove --window "$main" 473 8 click 1
sleep 0.5
dialog "Courtesy Tones" courtesy-tones c
