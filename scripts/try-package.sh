#!/usr/bin/env bash
# Installs the Debian package in a clean Debian 12 root and tries it there as a new user would:
# how many packages it pulls in, orvtool info on the sample, man orvtool, and xdg-open of the
# sample, which must start the editor on that file (a screenshot of it under Xvfb is left as
# try-package.png); then purges it and lists anything it left behind. The root is made with
# debootstrap from the mirror this machine's own APT sources name. Needs root (chroot, mounts).
# Usage: scripts/try-package.sh [root-dir [build-dir]]
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "try-package.sh: run as root (debootstrap and chroot need it)" >&2; exit 2; }
root="${1:-/tmp/orvedit-root}"
build_dir="${2:-build}"
SECONDS=0

scripts/setup.sh --install-only debootstrap imagemagick
scripts/package.sh "$build_dir"
debs=("$build_dir"/orvedit_*.deb)
deb="${debs[0]}"

# The first Debian mirror of the machine's sources, one-line or deb822 form.
mirror=$(
    { grep -hE '^\s*deb\s' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
          grep -v security | awk '{for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}'
      awk '/^URIs:/ {print $2}' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security
    } | head -1)
[ -n "$mirror" ] || { echo "try-package.sh: no Debian mirror in the APT sources" >&2; exit 2; }

if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "Making a Debian 12 root in $root"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
        { tail -20 "$root.debootstrap.log"; exit 1; }
fi
mounted=()
xvfb="" opener=""
# Only what this script started is ended: its Xvfb and the PID namespace xdg-open ran in, never
# an editor or an X server elsewhere on the machine or in the root.
cleanup() {
    [ -z "$opener" ] || kill -KILL "$opener" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" || true; done
}
trap cleanup EXIT
for fs in proc sys dev; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
installed() { in_root dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" {print $2}'; }
apt_install() { in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null; }

in_root apt-get update -qq
# The package alone first, as a user installs it, so its own cost is seen before the tools below.
before=$(installed)
apt_install "/tmp/$(basename "$deb")"
mapfile -t pulled < <(comm -13 <(sort <<<"$before") <(installed | sort) | grep -vxF orvedit)
size=0
[ ${#pulled[@]} -eq 0 ] ||
    size=$(in_root dpkg-query -W -f '${Installed-Size}\n' "${pulled[@]}" | awk '{kb += $1} END {printf "%.0f", kb / 1024}')
echo "== orvedit pulls in ${#pulled[@]} packages ($size MB installed)"
apt_install xdg-utils shared-mime-info desktop-file-utils man-db xvfb xauth
sample=/usr/share/orvedit/samples/club-repeater.orv

echo "== orvtool info"
in_root orvtool info "$sample"
echo "== man orvtool"
in_root env MANWIDTH=80 man orvtool | head -20
echo "== the MIME type and its application"
in_root xdg-mime query filetype "$sample"
in_root xdg-mime query default application/x-orvane-configuration

echo "== xdg-open $sample"
mkdir -p "$root/tmp/xvfb"
chroot "$root" Xvfb :77 -screen 0 1024x768x24 -fbdir /tmp/xvfb -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2
# The editor is started by xdg-open, not by this script, so xdg-open runs in a PID namespace of
# its own: every process it starts stays in it (an orphan goes to the namespace's first process,
# which waits), and ending `opener` ends them all (--kill-child) and nothing else.
unshare --pid --fork --kill-child --mount-proc="$root/proc" \
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DISPLAY=:77 \
    XDG_CONFIG_HOME=/tmp/home/config XDG_DATA_HOME=/tmp/home/data XDG_RUNTIME_DIR=/tmp/home \
    sh -c 'xdg-open "$1"; exec sleep infinity' sh "$sample" >/dev/null 2>&1 &
opener=$!
# The processes under the namespace, found by descent from `opener` and never by name.
descendants() {
    local child
    for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do
        echo "$child"
        descendants "$child"
    done
}
editor=""
for _ in $(seq 1 60); do
    sleep 1
    for pid in $(descendants "$opener"); do
        command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
        case "$command" in
        "/usr/bin/orvedit $sample " | "orvedit $sample ") editor=$pid ;;
        esac
        [ -z "$editor" ] || break 2
    done
done
if [ -z "$editor" ]; then
    echo "xdg-open did not start the editor on the sample; it started:"
    for pid in $(descendants "$opener"); do tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null; echo; done
    exit 1
fi
echo "the editor runs as pid $editor: $command"
sleep 8  # the splash, then the main window with the sample
convert "xwd:$root/tmp/xvfb/Xvfb_screen0" try-package.png
# unshare ignores SIGTERM while it waits for its child, so it gets SIGKILL; --kill-child then
# kills the namespace's first process, and with it every process in the namespace.
kill -KILL "$opener"
wait "$opener" 2>/dev/null || true
opener=""
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""

# Purged, the package leaves none of its files behind (folders other packages share stay).
files=$(in_root dpkg-query -L orvedit)
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orvedit >/dev/null
# A folder that stays and that no other package holds is left behind too, with what is in it.
left=$(while read -r path; do
    if [ -d "$root$path" ]; then
        in_root dpkg-query -S "$path" >/dev/null 2>&1 ||
            echo "$path/ holding: $(ls -A "$root$path" | tr '\n' ' ')"
    elif [ -e "$root$path" ] || [ -L "$root$path" ]; then
        echo "$path"
    fi
done <<<"$files")
if [ -n "$left" ]; then
    echo "== the purge left behind:"
    echo "$left"
    exit 1
fi
echo "== purged; nothing of the package is left"
# What this run installed goes too, so the next run in this root counts from the same start.
mapfile -t added < <(comm -13 <(sort <<<"$before") <(installed | sort))
[ ${#added[@]} -eq 0 ] ||
    in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${added[@]}" >/dev/null
echo "Installed, tried and purged in ${SECONDS} s; screenshot: try-package.png"
