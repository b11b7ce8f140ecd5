#!/usr/bin/env bash
# Measures the editor as its user meets it, from outside the process, under Xvfb: the start (the
# splash, then the main window), each dialog from its menu command to shown and painted, the
# compare window, the whole report exported to PDF, the wake-ups and paints while idle, and the
# peak memory of a session that does all of it. The same is measured for a bare Qt Widgets program
# (one window, one label, one dialog; bench/ui/barewindow.cpp), so each figure is also a
# difference or a ratio on a noisy machine. Keys go in and paints are seen through bench/ui/xwatch.
# Usage: scripts/bench-ui.sh [runs]    (runs of each measurement, default 5; medians are printed)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
scripts/setup.sh --install-only xvfb xdotool sysstat libx11-dev libxtst-dev libxdamage-dev \
    poppler-utils bc
scripts/setup.sh build -DORV_WARNINGS_AS_ERRORS=ON >/dev/null
tools=build/bench-ui
mkdir -p "$tools"
g++ -std=c++20 -O2 -Wall -Wextra -o "$tools/xwatch" bench/ui/xwatch.cpp -lX11 -lXtst -lXdamage
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -fPIC -Wall -Wextra -o "$tools/barewindow" bench/ui/barewindow.cpp \
    $(pkg-config --cflags --libs Qt6Widgets)
xwatch="$(pwd)/$tools/xwatch"
bare="$(pwd)/$tools/barewindow"
editor="$(pwd)/build/src/app/orvedit"
sample="$(pwd)/build/samples/club-repeater.orv"
results="$tools/results.txt"

work=$(mktemp -d)
display=:94
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# The programs xwatch started for this script and not yet stopped: only these are ended on the
# way out, never an editor someone else runs on the machine.
running=()
cleanup() {
    local pid
    for pid in "${running[@]}"; do kill "$pid" 2>/dev/null || true; done
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

# A fresh home for each run, so no settings, lock or recovery copy carries over.
fresh_home() {
    rm -rf "$work/home"
    mkdir -p "$work/home"
    chmod 700 "$work/home"
    export XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
    export XDG_RUNTIME_DIR=$work/home HOME=$work/home
}
median() { sort -n | awk '{v[NR]=$1} END{if (NR==0) print "-"; else if (NR%2) print v[(NR+1)/2]; else printf "%.1f\n", (v[NR/2]+v[NR/2+1])/2}'; }
field() { awk -F'\t' -v n="$1" -v c="$2" '$1==n {print $c}'; }
# Ends a program xwatch started and forgets it.
stop() {
    kill -TERM "$1" 2>/dev/null || true
    while kill -0 "$1" 2>/dev/null; do sleep 0.1; done
    local pid left=()
    for pid in "${running[@]}"; do [ "$pid" = "$1" ] || left+=("$pid"); done
    running=("${left[@]}")
}
# There is no window manager: keys go to the window given the focus.
focus() {
    local try
    for try in 1 2 3 4 5; do
        if xdotool search --onlyvisible --name "^$1\$" windowfocus --sync 2>/dev/null; then
            sleep 0.15
            return 0
        fi
        sleep 0.3
    done
    echo "bench-ui: the window \"$1\" could not be given the focus" >&2
    return 1
}
memory() { awk '/^(VmHWM|VmRSS|RssAnon|RssFile|RssShmem):/ {printf "%s %d  ", $1, $2/1024}' "/proc/$1/status"; echo; }
hwm_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }
: > "$results"
say() { echo "$*" | tee -a "$results"; }

main_title="ORVANE 32 Bit Editor Program"
splash_ms=4000

# -- Start: process start to the splash painted; the main window painted after the splash's time.
: > "$work/start.txt"
for run in $(seq "$runs"); do
    fresh_home
    "$xwatch" start 2 -- "$bare" "$splash_ms" > "$work/bare.out"
    bpid=$(field pid 2 < "$work/bare.out") && running+=("$bpid")
    "$xwatch" start 2 -- "$editor" "$sample" > "$work/editor.out"
    epid=$(field pid 2 < "$work/editor.out") && running+=("$epid")
    stop "$bpid"
    stop "$epid"
    # Lines: title, mapped, painted, unmapped (ms from the process start); the splash first.
    at() { awk -F'\t' -v l="$2" -v c="$3" 'NR==l {print $c}' "$work/$1.out"; }
    echo "$(at bare 1 3) $(at editor 1 3)" \
        "$(echo "$(at bare 2 3) - $(at bare 1 2) - $splash_ms" | bc)" \
        "$(echo "$(at editor 2 3) - $(at editor 1 2) - $splash_ms" | bc)" \
        "$(echo "$(at bare 2 3) - $(at bare 1 4)" | bc)" \
        "$(echo "$(at editor 2 3) - $(at editor 1 4)" | bc)" >> "$work/start.txt"
done
col() { awk -v c="$1" '{print $c}' "$work/start.txt" | median; }
say "== Start (median of $runs runs, ms)"
say "process start to splash painted:          bare $(col 1)   editor $(col 2)"
say "main window painted, after the splash time: bare $(col 3)   editor $(col 4)"
say "main window painted, after splash unmapped: bare $(col 5)   editor $(col 6)"

# -- A session: the editor opens the sample by its file chooser, every dialog (each $runs times),
# the compare window, the Print Driver with every box ticked, its preview and a PDF export; then
# idles. Memory is read after each stage.
fresh_home
"$xwatch" start 2 -- "$editor" > "$work/editor.out"
epid=$(field pid 2 < "$work/editor.out") && running+=("$epid")
say "== Session memory (MB), editor pid $epid"
say "started:               $(memory "$epid")"
focus "$main_title"
"$xwatch" open alt+f o > /dev/null
xdotool type --delay 10 "$sample"
"$xwatch" close Return
sleep 0.5
say "file opened by chooser: $(memory "$epid")"

# Each dialog: a name, then its menu path as keys. "&Messages" and "&Misc" share their key, so
# each is reached from its neighbour with Left; items without a key are walked with Down and Up.
dialogs=(
    "Base Codes|alt+c c Return"
    "Mem #1 Codes|alt+c c Down Return"
    "Mem #4 Codes|alt+c c Down Down Down Down Return"
    "Base Timers|alt+c t Return"
    "Mem #1 Timers|alt+c t Down Return"
    "Unlock Number|alt+c Up Return"
    "Voice Base Messages|alt+o Left v Return"
    "Voice Mem #1 Messages|alt+o Left v Down Return"
    "CW Message|alt+o Left Down Return"
    "Macros|alt+o m"
    "Scheduler|alt+o s"
    "User Inputs|alt+o u"
    "Base Zones|alt+z Return"
    "Memory #1 Zones|alt+z Down Return"
    "User Speed Dial|alt+a u"
    "Emergency Speed Dial|alt+a e"
    "Pre-Dial Number|alt+a Down Down Return"
    "Courtesy Tones|alt+t Left c"
    "Expanded Switches|alt+t Left e"
    "Memory Configuration|alt+t Left m"
    "Repeater Configuration|alt+t Left r"
    "Flush Memory|alt+f Down Down Down Return"
    "Print|alt+f p"
    "Compare With Saved|alt+t s"
    "Help Contents|alt+h Return"
    "About|alt+h Up Return"
)
say "== Dialogs: menu command to shown and painted (median of $runs, ms)"
for entry in "${dialogs[@]}"; do
    name="${entry%%|*}"
    read -r -a keys <<< "${entry#*|}"
    : > "$work/times.txt"
    title=""
    for run in $(seq "$runs"); do
        focus "$main_title"
        if ! "$xwatch" open "${keys[@]}" > "$work/open.out"; then
            echo "$name: no window was shown" >&2
            exit 1
        fi
        title=$(cut -f1 "$work/open.out")
        cut -f2 "$work/open.out" >> "$work/times.txt"
        "$xwatch" delete "$title"
    done
    say "$(printf '%-24s %-34s %s' "$name" "\"$title\"" "$(median < "$work/times.txt")")"
done
say "after every dialog:     $(memory "$epid")"

# The bare program's dialog, for the ratio.
fresh_home
"$xwatch" start 2 -- "$bare" 100 > "$work/bare.out"
bpid=$(field pid 2 < "$work/bare.out") && running+=("$bpid")
: > "$work/times.txt"
for run in $(seq "$runs"); do
    focus "Bare Window"
    "$xwatch" open F2 | cut -f2 >> "$work/times.txt"
    "$xwatch" delete "Bare Dialog"
done
say "$(printf '%-24s %-34s %s' "bare Qt dialog" "\"Bare Dialog\"" "$(median < "$work/times.txt")")"
say "bare program, after its dialogs: $(memory "$bpid")"
stop "$bpid"
export XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data

# The compare window against the sample itself, through the file chooser.
focus "$main_title"
"$xwatch" open alt+t c > /dev/null
xdotool type --delay 10 "$sample"
compare=$("$xwatch" open Return)
say "compare with file (chooser's Return to painted): $(cut -f2 <<< "$compare") ms"
say "compare window shown:   $(memory "$epid")"
"$xwatch" delete "$(cut -f1 <<< "$compare")"

# The Print Driver: every box ticked (Space, then Tab to the next), its preview, a PDF export.
pdf="$work/report.pdf"
focus "$main_title"
print=$("$xwatch" open alt+f p | cut -f1)
for box in $(seq 13); do xdotool key --delay 20 space Tab; done
preview=$("$xwatch" open Tab space)
say "preview shown ($(cut -f1 <<< "$preview")): $(cut -f2 <<< "$preview") ms"
say "preview shown:          $(memory "$epid")"
"$xwatch" delete "$(cut -f1 <<< "$preview")"
focus "$print"
# The focus is still on Preview; Export PDF is next.
"$xwatch" open Tab space > /dev/null
xdotool type --delay 10 "$pdf"
start_ns=$(date +%s%N)
xdotool key Return
until [ -s "$pdf" ] && pdfinfo "$pdf" > /dev/null 2>&1; do sleep 0.02; done
say "report exported to PDF: $(( ($(date +%s%N) - start_ns) / 1000000 )) ms, $(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') pages"
say "PDF exported:           $(memory "$epid")"
"$xwatch" delete "$print"

# -- Idle, with the file open and the overview shown: wake-ups of each thread, paints (by window),
# title changes; after two seconds for the closed windows' last events.
sleep 2
say "== Idle for 10 s (file open, overview shown, every window but the main one closed)"
grep -q liborvplayer "/proc/$epid/maps" && say "the sound library is loaded" || say "the sound library is not loaded"
"$xwatch" idle 10 > "$work/idle.out" &
idle=$!
LC_ALL=C pidstat -w -t -p "$epid" 10 1 > "$work/pidstat.out"
wait "$idle"
say "$(sed 's/\t/: /' "$work/idle.out")"
say "wake-ups per second (voluntary context switches) by thread:"
awk '/^Average:/ && $4 ~ /^[0-9]+$/ {printf "  %-20s %s/s\n", $NF, $5}' "$work/pidstat.out" | tee -a "$results"
say "== Peak memory of the session: $(( $(hwm_kb "$epid") / 1024 )) MB (VmHWM $(hwm_kb "$epid") kB)"
stop "$epid"
echo "Results in $results"
