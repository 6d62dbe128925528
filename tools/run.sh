#!/usr/bin/env bash
# Installs what is missing, builds Torvana and runs it against the inverter simulator.
#
# The simulator plays the inverter on a pseudo-terminal in the background; the program
# finds it through TORVANA_SERIAL_PORTS. The simulator is stopped when the program ends.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the program runs on a
# virtual screen under xvfb-run until it is stopped with Ctrl+C; nothing is shown then,
# which is enough to see that it starts and connects.
#
# Arguments are passed to the program (e.g. -default). BUILD_DIR selects the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
build=${BUILD_DIR:-$root/build}

workdir=$(mktemp -d "${TMPDIR:-/tmp}/torvana-run.XXXXXX")
link=$workdir/inverter
sim_pid=""
stop_simulator() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap stop_simulator EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$build/sim/torvana-inverter-sim" --link "$link" --no-console </dev/null >"$workdir/simulator.log" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
    [ -e "$link" ] && break
    if ! kill -0 "$sim_pid" 2>/dev/null; then
        echo "The simulator did not start:" >&2
        cat "$workdir/simulator.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -e "$link" ]; then
    echo "The simulator did not open its terminal within 10 s." >&2
    exit 1
fi
echo "Simulator running on $(readlink "$link")." >&2

export TORVANA_SERIAL_PORTS=$link
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "$build/app/torvana" "$@"
else
    echo "No display: Torvana runs on a virtual screen (xvfb-run); stop it with Ctrl+C." >&2
    xvfb-run -a "$build/app/torvana" "$@"
fi
