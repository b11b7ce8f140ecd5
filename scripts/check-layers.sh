#!/usr/bin/env bash
# Checks the include graph of src/ against the layers: core, formats, ui, the areas (codes, voice,
# commands, devices, memory), fields, report, then app and tool side by side. A file may include
# its own folder and the layers below it; no area includes another area, and app and tool do not
# include each other. Prints every include that runs the wrong way and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS=0
declare -A layer=([core]=0 [formats]=1 [ui]=2 [codes]=3 [voice]=3 [commands]=3 [devices]=3
                  [memory]=3 [player]=1 [fields]=4 [report]=5 [app]=6 [tool]=6)
bad=0
files=0
while IFS= read -r file; do
    files=$((files + 1))
    from=$(echo "$file" | cut -d/ -f2)
    [ -n "${layer[$from]:-}" ] || { echo "$file: folder $from has no layer"; bad=1; continue; }
    while IFS= read -r to; do
        [ "$to" = "$from" ] && continue
        if [ -z "${layer[$to]:-}" ]; then
            echo "$file includes $to/: a folder with no layer"
            bad=1
        elif [ "${layer[$to]}" -ge "${layer[$from]}" ]; then
            echo "$file ($from) includes $to/, which is not below it"
            bad=1
        fi
    done < <(sed -n 's/^#include "\([a-z]*\)\/.*"/\1/p' "$file" | sort -u)
done < <(find src -name '*.h' -o -name '*.cpp' | sort)
echo "Layer check of $files files took ${SECONDS} s"
exit "$bad"
