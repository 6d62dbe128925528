#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   tools/test.sh              normal build in build/
#   tools/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"

args=()
export BUILD_DIR=${BUILD_DIR:-$root/build}
if [ "${1:-}" = "--sanitize" ]; then
    export BUILD_DIR=$root/build-asan
    args+=(-DTORVANA_SANITIZE=ON -DTORVANA_BUILD_BENCH=OFF)
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
"$root/tools/build.sh" "${args[@]}"
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
