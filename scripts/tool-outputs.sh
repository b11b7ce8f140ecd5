#!/usr/bin/env bash
# Records what orvtool prints (dump, diff and report, in both memory layouts) for the fuzz seed
# images and a few hundred generated images, so a change that must not change any output can be
# checked against the outputs recorded before it.
#
#   scripts/tool-outputs.sh record OUT-DIR [ORVTOOL]   write the images and every output
#   scripts/tool-outputs.sh compare OLD-DIR NEW-DIR    say whether two recordings are identical
#
# Typical use: build, record into /tmp/before, change the code, build, record into /tmp/after,
# compare. The images are generated the same way every time (python3, fixed seeds).
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    sed -n '2,10p' "$0" >&2
    exit 2
}

record() {
    local out=$1 tool=${2:-build/src/tool/orvtool}
    [ -x "$tool" ] || { echo "no orvtool at $tool: build first" >&2; exit 2; }
    rm -rf "$out"
    mkdir -p "$out/images"
    cp fuzz/corpus/*.orv "$out/images/"
    python3 - "$out/images" <<'EOF'
import random, sys
folder = sys.argv[1]
kinds = ["random", "erased", "sparse", "digits"]
for n in range(300):
    rng = random.Random(n)
    kind = kinds[n % len(kinds)]
    if kind == "random":
        image = bytearray(rng.getrandbits(8) for _ in range(8192))
    elif kind == "erased":  # erased memory with random blocks written into it
        image = bytearray([0xFF] * 8192)
        for _ in range(rng.randint(1, 40)):
            start = rng.randrange(8192)
            for i in range(start, min(8192, start + rng.randint(1, 300))):
                image[i] = rng.getrandbits(8)
    elif kind == "sparse":  # mostly zero, a few bytes set
        image = bytearray(8192)
        for _ in range(rng.randint(1, 400)):
            image[rng.randrange(8192)] = rng.getrandbits(8)
    else:  # small values everywhere: counts, digits and word numbers in range
        image = bytearray(rng.choice([0, 1, 2, 3, 4, 5, 9, 10, 11, 12, 15, 23, 99]) for _ in range(8192))
    with open(f"{folder}/gen{n:03d}.orv", "wb") as f:
        f.write(image)
    # The same image with a few bytes changed, for diff.
    for _ in range(rng.randint(1, 8)):
        image[rng.randrange(8192)] = rng.getrandbits(8)
    with open(f"{folder}/gen{n:03d}-changed.txt.orv", "wb") as f:
        f.write(image)
EOF
    local previous=""
    for image in "$out"/images/*.orv; do
        local name
        name=$(basename "$image" .orv)
        case $name in *-changed.txt) continue ;; esac
        for saves in 3 4; do
            "$tool" dump "$image" --memory-saves $saves >"$out/$name.dump$saves" 2>&1 || true
            # The report names the image by its path, which differs between two recordings.
            "$tool" report "$image" --memory-saves $saves --date 01/01/26 2>&1 |
                sed "s#$out/images/#IMAGES/#g" >"$out/$name.report$saves" || true
            local changed="$out/images/$name-changed.txt.orv"
            if [ -f "$changed" ]; then
                "$tool" diff "$image" "$changed" --memory-saves $saves >"$out/$name.diff$saves" 2>&1 || true
            fi
            if [ -n "$previous" ]; then
                "$tool" diff "$previous" "$image" --memory-saves $saves \
                    >"$out/$name.diffprev$saves" 2>&1 || true
            fi
        done
        previous=$image
    done
    echo "Recorded $(find "$out" -maxdepth 1 -type f | wc -l) outputs of $(find "$out/images" -name '*.orv' | wc -l) images in $out"
}

compare() {
    local old=$1 new=$2
    if diff -r -q "$old" "$new" >/dev/null; then
        echo "Identical: $(find "$new" -maxdepth 1 -type f | wc -l) outputs"
    else
        diff -r -q "$old" "$new" | head -20
        echo "The outputs differ." >&2
        exit 1
    fi
}

case "${1:-}" in
    record) [ $# -ge 2 ] || usage; record "$2" "${3:-}" ;;
    compare) [ $# -eq 3 ] || usage; compare "$2" "$3" ;;
    *) usage ;;
esac
