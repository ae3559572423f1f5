#!/usr/bin/env bash
# Times the editor's start-up beside a bare Qt 6 main window with a menu bar and a status bar:
# from the start of the program to the X server mapping its window, under one Xvfb, RUNS times
# each (default 11), in turn, after one warm-up run of each. Prints each median and the ratio.
# Run from the source folder after a build: bash bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
if [ -z "${STARTUP_UNDER_XVFB:-}" ]; then
  STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
measure=build/bench/startup_map_time
editor=${STARTUP_EDITOR:-build/app/dotlark/dotlark} # another build of the editor: STARTUP_EDITOR=path
bare=build/bench/startup_bare_window
for program in "$measure" "$editor" "$bare"; do
  [ -x "$program" ] || { echo "$program is not built (cmake --build build)" >&2; exit 1; }
done
# The editor's settings and recovery folder of a user who used it before, kept apart.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_STATE_HOME=$home/.local/state XDG_RUNTIME_DIR=$home/run
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
"$measure" "$editor" >/dev/null
"$measure" "$bare" >/dev/null
: > "$home/editor" ; : > "$home/bare"
for _ in $(seq "$runs"); do
  "$measure" "$editor" >> "$home/editor"
  "$measure" "$bare" >> "$home/bare"
done
e=$(median < "$home/editor")
b=$(median < "$home/bare")
echo "editor: median $e ms of $runs ($(tr '\n' ' ' < "$home/editor"))"
echo "bare Qt window: median $b ms of $runs ($(tr '\n' ' ' < "$home/bare"))"
awk -v e="$e" -v b="$b" 'BEGIN { printf "ratio: %.2f\n", e / b }'
