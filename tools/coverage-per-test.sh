#!/usr/bin/env bash
# Coverage per test executable: builds the suite with --coverage (folder build-coverage/, or
# BUILD_DIR), runs every test alone and reports, for each, the lines and branches of the program
# that it covers and no other test does. A test that covers nothing of its own and catches no
# planted fault of its own (tools/mutants.sh) is a candidate to go.
#
#   tools/coverage-per-test.sh [regex]    only the tests whose names match (default: all)
#
# Needs Debian's gcovr (tools/setup.sh installs it). The report goes to <build>/coverage/report.txt,
# the data of each test to <build>/coverage/<test>.json.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-coverage}
only=${1:-.}
command -v gcovr >/dev/null || { echo "gcovr is missing (tools/setup.sh installs it)" >&2; exit 2; }

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTORVANA_BUILD_BENCH=OFF \
    -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
nice cmake --build "$build" -j2 >/dev/null

mkdir -p "$build/coverage"
# The program's folders; the in-process test source of the D2XX layer is test support.
filters=()
for folder in comm platform model app pages service sim; do
    filters+=(--filter "$root/$folder/")
done
mapfile -t names < <(cd "$build" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p' | grep -E -- "$only")
for name in "${names[@]}"; do
    find "$build" -name '*.gcda' -delete
    if ! (cd "$build" && nice ctest -R "^$name\$" >/dev/null); then
        echo "$name failed; its coverage is reported all the same" >&2
    fi
    nice gcovr -j 2 -r "$root" --object-directory "$build" "${filters[@]}" \
        --exclude "$root/platform/FakeD2xxSource" --json -o "$build/coverage/$name.json"
    echo "covered: $name"
done
python3 "$root/tools/coverage-report.py" "$build"/coverage/*.json | tee "$build/coverage/report.txt"
