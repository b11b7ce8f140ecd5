#!/usr/bin/env bash
# Installs the Debian package in a clean Debian 12 root and tries it there as a new user would:
# orvtool info on the sample, man orvtool, and xdg-open of the sample, which must start the editor
# on that file (a screenshot of it under Xvfb is left as try-package.png). The root is made with
# debootstrap from the mirror this machine's own APT sources name. Needs root (chroot, mounts).
# Usage: scripts/try-package.sh [root-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "try-package.sh: run as root (debootstrap and chroot need it)" >&2; exit 2; }
root="${1:-/tmp/orvedit-root}"
SECONDS=0

scripts/setup.sh --install-only debootstrap imagemagick
scripts/package.sh build
debs=(build/orvedit_*.deb)
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
cleanup() {
    pkill -f -- "-fbdir /tmp/xvfb" 2>/dev/null || true
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

in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    "/tmp/$(basename "$deb")" xdg-utils shared-mime-info desktop-file-utils man-db xvfb xauth \
    >/dev/null
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
sleep 2
in_root env DISPLAY=:77 XDG_CONFIG_HOME=/tmp/home/config XDG_DATA_HOME=/tmp/home/data \
    XDG_RUNTIME_DIR=/tmp/home xdg-open "$sample" >/dev/null 2>&1 &
opened=false
for _ in $(seq 1 60); do
    sleep 1
    if pgrep -af "^/usr/bin/orvedit $sample\$|^orvedit $sample\$" >/dev/null; then
        opened=true
        break
    fi
done
$opened || { echo "xdg-open did not start the editor on the sample"; pgrep -af orvedit || true; exit 1; }
pgrep -af orvedit
sleep 8  # the splash, then the main window with the sample
convert "xwd:$root/tmp/xvfb/Xvfb_screen0" try-package.png
pkill -TERM -f "orvedit $sample" || true
echo "Installed and tried in ${SECONDS} s; screenshot: try-package.png"
