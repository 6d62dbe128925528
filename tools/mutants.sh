#!/usr/bin/env bash
# Planted faults: applies each patch of tests/mutants/ (or the ones named) to the sources, one at a
# time, rebuilds incrementally and runs test executables until one fails; that one caught the fault.
# The executables of the folder(s) the fault lives in go first, cheapest first (by CTest's recorded
# times); the rest of the suite follows only when none of those failed. The sources are restored after
# every fault, also on Ctrl+C.
#
#   tools/mutants.sh [patch ...]        default: every tests/mutants/*.patch
#   BUILD_DIR=...                       configured build folder (default: build/)
#
# Prints one line per fault and a summary; exits 1 unless every fault was caught. The table of the
# last run is in <build>/mutants/results.tsv, the output of each catching test in <build>/mutants/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=$build/mutants
cd "$root" || exit 2

if [[ ! -f $build/CTestTestfile.cmake ]]; then
    echo "no configured build in $build (tools/build.sh first)" >&2
    exit 2
fi
if [[ $# -gt 0 ]]; then
    patches=("$@")
else
    patches=(tests/mutants/*.patch)
fi
mkdir -p "$out"

# One line per test: name, folder, build target, seconds of its last run, command, environment,
# working folder (lists joined by \x1f).
tests=$(cd "$build" && ctest --show-only=json-v1 | python3 -c '
import json, os, re, sys
costs = {}
try:
    for line in open("Testing/Temporary/CTestCostData.txt"):
        parts = line.split()
        if len(parts) == 3:
            costs[parts[0]] = float(parts[2])
except OSError:
    pass
for t in json.load(sys.stdin)["tests"]:
    props = {p["name"]: p["value"] for p in t.get("properties", [])}
    command = t["command"]
    m = re.search(r"/tests/([a-z]+)/([A-Za-z0-9_]+)", " ".join(command))
    folder, target = (m.group(1), m.group(2)) if m else ("", "")
    print("\t".join([t["name"], folder, target, "%.2f" % costs.get(t["name"], 60.0),
                     "\x1f".join(command), "\x1f".join(props.get("ENVIRONMENT", [])),
                     props.get("WORKING_DIRECTORY", os.getcwd())]))
' | sort -t $'\t' -k4,4g)
[[ -n $tests ]] || { echo "no tests registered in $build" >&2; exit 2; }

backup=$(mktemp -d)
touched=()
restore() {
    for f in "${touched[@]}"; do
        # A copy, not a move: the new time of change makes the next build recompile the file.
        cp "$backup/$f" "$root/$f"
    done
    touched=()
}
trap 'restore; rm -rf "$backup"; exit 130' INT TERM
trap 'restore; rm -rf "$backup"' EXIT

# Targets built for the current fault, and every target built with some fault in it.
built=" "
dirty=" "
build_target() {
    [[ $built == *" $1 "* ]] && return 0
    [[ $dirty == *" $1 "* ]] || dirty+="$1 "
    nice cmake --build "$build" --target "$1" -j2 </dev/null >"$out/build.log" 2>&1 || return 1
    built+="$1 "
}

# run_test <name> <command> <environment> <folder> <seconds>: 0 when the test passed.
run_test() {
    local name=$1 limit
    local -a command environment
    IFS=$'\x1f' read -r -a command <<<"$2"
    IFS=$'\x1f' read -r -a environment <<<"$3"
    # A fault may make a test hang; a test killed for its time counts as failed.
    limit=$(awk -v c="$5" 'BEGIN { l = 3 * c + 30; printf "%d", l }')
    { (cd "$4" && exec nice timeout -k 5 "$limit" env "${environment[@]}" "${command[@]}") </dev/null >"$out/$name.log" 2>&1; } 2>/dev/null
}

results=$out/results.tsv
: >"$results"
caught=0
missed=0
broken=0
start=$(date +%s)
for patch in "${patches[@]}"; do
    id=$(basename "$patch" .patch)
    what=$(sed -n 's/^Fault: //p' "$patch" | head -n 1)
    t0=$(date +%s)
    mapfile -t files < <(sed -n 's|^+++ b/||p' "$patch" | sed 's/\t.*//')
    if [[ ${#files[@]} -eq 0 ]] || ! patch -p1 --dry-run --force --silent <"$patch" >/dev/null 2>&1; then
        printf '%-44s STALE   the patch no longer applies: refresh it\n' "$id"
        printf '%s\tstale\t\t\t%s\n' "$id" "$what" >>"$results"
        broken=$((broken + 1))
        continue
    fi
    for f in "${files[@]}"; do
        mkdir -p "$backup/$(dirname "$f")"
        cp -p "$f" "$backup/$f"
        touched+=("$f")
    done
    patch -p1 --force --silent --no-backup-if-mismatch <"$patch" >/dev/null
    folders=" $(printf '%s\n' "${files[@]}" | cut -d/ -f1 | sort -u | tr '\n' ' ')"

    # The fault's own folders first, then the rest; cheapest first within each.
    order=$(awk -F'\t' -v f="$folders" 'index(f, " " $2 " ")' <<<"$tests"
            awk -F'\t' -v f="$folders" '!index(f, " " $2 " ")' <<<"$tests")
    result=missed
    catcher=""
    failed=""
    while IFS=$'\t' read -r name folder target cost command environment workdir; do
        if [[ -n $target ]] && ! build_target "$target"; then
            result=broken
            catcher="(build of $target failed, see $out/build.log)"
            break
        fi
        if ! run_test "$name" "$command" "$environment" "$workdir" "$cost"; then
            result=caught
            catcher=$name
            failed=$(sed -nE 's/^FAIL!  : [^:]+::([A-Za-z0-9_]+).*/\1/p' "$out/$name.log" | sort -u | paste -sd' ')
            [[ -n $failed ]] || failed="(exit $(tail -n 1 "$out/$name.log" | cut -c1-60))"
            cp "$out/$name.log" "$out/$id.log"
            break
        fi
    done <<<"$order"
    restore
    # Later builds must not keep objects of the fault.
    built=" "

    seconds=$(($(date +%s) - t0))
    case $result in
    caught) caught=$((caught + 1)); label=CAUGHT ;;
    missed) missed=$((missed + 1)); label=MISSED ;;
    *) broken=$((broken + 1)); label=BROKEN ;;
    esac
    printf '%-44s %-7s %s %s (%ss)\n' "$id" "$label" "$catcher" "$failed" "$seconds"
    printf '%s\t%s\t%s\t%s\t%s\n' "$id" "$result" "$catcher" "$failed" "$what" >>"$results"
done

# Only the targets built with a fault in them hold one; they are built again from the restored sources.
read -r -a again <<<"$dirty"
if [[ ${#again[@]} -gt 0 ]]; then
    echo "rebuilding ${#again[@]} targets from the restored sources ..."
    nice cmake --build "$build" --target "${again[@]}" -j2 </dev/null >"$out/build.log" 2>&1 \
        || echo "the final build failed, see $out/build.log" >&2
fi

total=$((caught + missed + broken))
echo "$caught of $total faults caught, $missed missed, $broken stale or not building ($(($(date +%s) - start)) s)"
[[ $caught -eq $total ]]
