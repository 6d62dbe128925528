#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   tools/test.sh              normal build in build/, then the short fuzz runs in build-fuzz/
#   tools/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#   tools/test.sh --fuzz       only the short fuzz runs: libFuzzer targets built with clang in build-fuzz/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"

# build_and_test <build folder> <ctest label, or empty for all> [cmake arguments...]
build_and_test() {
    local dir=$1 label=$2
    shift 2
    BUILD_DIR=$dir "$root/tools/build.sh" "$@"
    (cd "$dir" && ctest --output-on-failure -j"$(nproc)" ${label:+-L "$label"})
}

fuzz() {
    # A fuzz build folder must be configured with clang from the start.
    (export CC=clang CXX=clang++; build_and_test "$root/build-fuzz" fuzz -DTORVANA_FUZZ=ON)
}

case "${1:-}" in
"")
    build_and_test "${BUILD_DIR:-$root/build}" ""
    fuzz
    ;;
--sanitize)
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    build_and_test "$root/build-asan" "" -DTORVANA_SANITIZE=ON -DTORVANA_BUILD_BENCH=OFF
    ;;
--fuzz)
    fuzz
    ;;
*)
    echo "usage: $0 [--sanitize | --fuzz]" >&2
    exit 2
    ;;
esac
