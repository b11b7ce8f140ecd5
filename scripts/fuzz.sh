#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for the given number of seconds, starting from the seed images in fuzz/corpus (the
# changes text of apply from the texts in fuzz/corpus-text).
# Usage: scripts/fuzz.sh [seconds-per-target [build-dir]]
# Fails at the first target that finds a crash, a sanitizer finding or a hang; the input that did
# it is kept in <build-dir>/artifacts. Inputs the fuzzer found interesting are kept between runs in
# <build-dir>/corpus, never in the repository's seed folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build_dir="${2:-build-fuzz}"
scripts/setup.sh --install-only clang libclang-rt-14-dev

SECONDS=0
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORV_FUZZ=ON -DORV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --target orv_fuzzers -j"$(nproc)"
echo "Fuzz build took ${SECONDS} s"

targets=(fuzz_codes fuzz_voice fuzz_commands fuzz_devices fuzz_report fuzz_fileopen fuzz_dump
         fuzz_apply)
mkdir -p "$build_dir/artifacts"
total=0
summary=()
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1
             -artifact_prefix="$build_dir/artifacts/$target-")
    # The file checks must also see lengths around 8192, not only cut or padded images.
    [ "$target" = fuzz_fileopen ] && options+=(-max_len=8300)
    # The comparison takes a second image's worth of edits after the first image.
    [ "$target" = fuzz_dump ] && options+=(-max_len=16384 -len_control=0)
    log="$build_dir/$target.log"
    SECONDS=0
    status=0
    # The changes text starts from text seeds, every other target from the seed images.
    seeds=fuzz/corpus
    [ "$target" = fuzz_apply ] && seeds=fuzz/corpus-text
    "$build_dir/fuzz/$target" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "$target failed after ${SECONDS} s (log: $log; input: $build_dir/artifacts/)"
        exit "$status"
    fi
    total=$((total + ${runs:-0}))
    summary+=("$(printf '%-14s %10s runs %8s/s %5s s' "$target" "${runs:-?}" "${rate:-?}" "$SECONDS")")
done
printf '%s\n' "${summary[@]}"
echo "Fuzzing: ${total} runs in total, ${seconds} s per target"
