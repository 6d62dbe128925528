#!/usr/bin/env bash
# Runs each fuzz target for a longer time and prints, per target, the executions and the faults
# found. Builds the fuzz targets in build-fuzz/ first (clang, as tools/test.sh --fuzz does).
#   tools/fuzz-long.sh [seconds per target, default 600] [target...]
# Each target keeps its own corpus in build-fuzz/fuzz-long/<target>/corpus: it starts as a copy
# of the committed seeds (tests/fuzz/corpus/<target>) and keeps what earlier runs found. A target
# stops at its first fault; the input that caused it is left beside the corpus as crash-*,
# leak-*, timeout-* or oom-*, and the target's output in fuzz.log. Exits 1 when any fault was found.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
build=$root/build-fuzz

"$root/tools/setup.sh"
(export CC=clang CXX=clang++; BUILD_DIR=$build "$root/tools/build.sh" -DTORVANA_FUZZ=ON)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in "$root"/tests/fuzz/corpus/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

summary=()
faults_total=0
for target in "${targets[@]}"; do
    exe=$build/tests/fuzz/$target
    work=$build/fuzz-long/$target
    mkdir -p "$work/corpus"
    for seed in "$root/tests/fuzz/corpus/$target"/*; do
        [ -e "$work/corpus/$(basename "$seed")" ] || cp "$seed" "$work/corpus/"
    done
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$work/")
    if [ -f "$root/tests/fuzz/$target.dict" ]; then
        options+=(-dict="$root/tests/fuzz/$target.dict")
    fi

    echo "== $target: $seconds s"
    before=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    set +e
    QT_QPA_PLATFORM=offscreen "$exe" "${options[@]}" "$work/corpus" >"$work/fuzz.log" 2>&1
    status=$?
    set -e
    after=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log" | tail -n 1)
    faults=$((after - before))
    if [ "$status" -ne 0 ] && [ "$faults" -eq 0 ]; then
        faults=1 # ended abnormally without leaving an input; see fuzz.log
    fi
    faults_total=$((faults_total + faults))
    summary+=("$(printf '%-26s %8s %14s %7s' "$target" "$seconds" "${executions:-?}" "$faults")")
    if [ "$faults" -ne 0 ]; then
        grep -E '^(==[0-9]+== ?ERROR|SUMMARY|artifact_prefix|Test unit written)' "$work/fuzz.log" || true
    fi
done

echo
printf '%-26s %8s %14s %7s\n' target seconds executions faults
printf '%s\n' "${summary[@]}"
[ "$faults_total" -eq 0 ]
