#!/usr/bin/env bash
# The files that make the editor at home on a desktop, each checked the way a distribution checks
# it. Usage: check.sh CHECK SOURCE-DIR BUILD-DIR
#   entry     the desktop entry passes desktop-file-validate without a word
#   metainfo  the AppStream file passes appstreamcli validate without an error or a warning
#   mime      the MIME type, installed into a private data folder, claims "*.orv" case-sensitively
#   manuals   both manual pages render without a warning; orvtool's names every command and
#             every command's options; each sees also the other
#   licence   both programs' --version names the version and the licence the package's texts give
#   sample    the sample is a configuration the editor opens, and its text is what it holds
set -euo pipefail
check="$1" source="$2" build="$3"
data="$source/data"
case "$check" in
entry)
    out=$(desktop-file-validate "$data/orvedit.desktop" 2>&1) || { echo "$out"; exit 1; }
    [ -z "$out" ] || { echo "$out"; exit 1; }
    ;;
metainfo)
    appstreamcli validate --no-net --no-color "$data/org.orvane.orvedit.metainfo.xml"
    ;;
mime)
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/mime/packages"
    cp "$data/orvedit-mime.xml" "$home/mime/packages/orvedit.xml"
    update-mime-database "$home/mime" 2>/dev/null
    # Weight, type, pattern and "cs" for a case-sensitive pattern, as the database keeps them (it
    # repeats each pattern without its flags for older readers).
    lines=$(grep ':application/x-orvane-configuration:' "$home/mime/globs2")
    echo "$lines"
    grep -qE '^[0-9]+:application/x-orvane-configuration:\*\.orv:cs$' <<<"$lines"
    if cut -d: -f3 <<<"$lines" | grep -vxF '*.orv'; then
        echo "the type claims another pattern"
        exit 1
    fi
    ;;
manuals)
    for page in orvedit orvtool; do
        out=$(zcat "$build/man/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$out" ] || { echo "$page.1: $out"; exit 1; }
    done
    # In ASCII, so an option's dashes are plain hyphens.
    text=$(zcat "$build/man/orvtool.1.gz" | groff -man -Tascii -P -cbou 2>/dev/null)
    for command in report dump diff info set apply sound; do
        grep -qE "^ *$command [A-Z]" <<<"$text" || { echo "orvtool.1 lacks $command"; exit 1; }
    done
    for option in --output --pdf --sections --date --check --yes --keys --wpm --pitch \
                  --memory-saves --version; do
        grep -qE "^ +$option( |\$)" <<<"$text" || { echo "orvtool.1 lacks $option"; exit 1; }
    done
    grep -A1 '^SEE ALSO' <<<"$text" | grep -qF 'orvedit(1)' || { echo "orvtool.1: no orvedit(1)"; exit 1; }
    zcat "$build/man/orvedit.1.gz" | groff -man -Tascii -P -cbou 2>/dev/null | grep -A1 '^SEE ALSO' |
        grep -qF 'orvtool(1)' || { echo "orvedit.1: no orvtool(1)"; exit 1; }
    ;;
licence)
    version=$(sed -n 's/^project(orvedit VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
    for program in "$build/src/app/orvedit" "$build/src/tool/orvtool"; do
        expected="$(basename "$program") $version
Copyright 2026 ORVANE editor developers.
Licence: GPL-3.0-or-later (the GNU General Public License, version 3 or later)"
        out=$("$program" --version)
        [ "$out" = "$expected" ] || { echo "$program --version:"; echo "$out"; exit 1; }
    done
    cmp "$source/COPYING" /usr/share/common-licenses/GPL-3
    grep -qx 'License: GPL-3+' "$data/copyright"
    grep -qF '"/usr/share/common-licenses/GPL-3"' "$data/copyright"
    grep -qF '<project_license>GPL-3.0-or-later</project_license>' "$data/org.orvane.orvedit.metainfo.xml"
    ;;
sample)
    sample="$build/samples/club-repeater.orv"
    orvtool="$build/src/tool/orvtool"
    [ "$(stat -c %s "$sample")" -eq 8192 ]
    "$orvtool" info "$sample"
    # Applied again, the text changes nothing: every line is what the sample holds.
    changes=$("$orvtool" apply "$sample" "$source/samples/club-repeater.txt" --check)
    [ -z "$changes" ] || { echo "the sample differs from its text:"; echo "$changes"; exit 1; }
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac
