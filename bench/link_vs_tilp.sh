#!/usr/bin/env bash
# The calculator link's speed beside TiLP's, on the emulated TI-89 (TiEmu running PedroM):
# sending a 160 x 77 picture with dotlark-convert and with tilp's command line, receiving it,
# capturing the screen in both sizes; the median wall time of RUNS runs of each, measured
# side by side in one run. Uses the link (one per machine): run no link test meanwhile.
#
#   bench/link_vs_tilp.sh [BUILD_FOLDER] [RUNS]     (defaults: build, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
for program in tiemu tilp xdotool; do
    command -v "$program" >/dev/null || { echo "missing: $program" >&2; exit 1; }
done
cmake --build "$build" --target linkfigures >/dev/null
export QT_QPA_PLATFORM=offscreen
if [ -n "${DISPLAY:-}" ]; then
    exec "$build/tests/linkfigures" "$runs"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/linkfigures" "$runs"
