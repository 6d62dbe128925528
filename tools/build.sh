#!/usr/bin/env bash
# Configures and builds Torvana into build/ (or the folder given by BUILD_DIR).
# Extra arguments are passed to cmake, e.g. -DTORVANA_SANITIZE=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
