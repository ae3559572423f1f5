#!/usr/bin/env bash
# How many guarded writes lose another program's update in a race against it
# (bench/guarded_write_race.cpp), with the writer of this working tree or of any revision:
# the writer's sources of REVISION (main, say, for the figure before a change) are taken
# into a temporary folder and built there with this tree's race. Figures, never pass/fail.
#
#   bench/guarded_write_race.sh [REVISION] [WRITES] [BYTES] [PAUSE_MICROSECONDS]
#   (no REVISION, or "-": the build folder's own program; defaults as the program's)
set -euo pipefail
cd "$(dirname "$0")/.."
revision=${1:--}
shift || true
if [ "$revision" = "-" ]; then
    cmake --build build --target guarded_write_race >/dev/null
    exec build/bench/guarded_write_race "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git archive "$revision" src/platform src/qtplatform | tar -x -C "$work"
# The writer and the units it is made of, in that revision.
writer=()
for unit in WholeFileWriter PathIdentity StaleSiblings GuardedPlacement; do
    if [ -f "$work/src/qtplatform/$unit.cpp" ]; then
        writer+=("$work/src/qtplatform/$unit.cpp")
    fi
done
# shellcheck disable=SC2046 # pkg-config's flags are separate words
g++ -std=c++20 -O2 -fPIC -I"$work/src" -Itests \
    bench/guarded_write_race.cpp tests/fakes/PlacementProbe.cpp tests/fakes/RenameRace.cpp "${writer[@]}" \
    $(pkg-config --cflags --libs Qt6Core) -ldl -pthread -o "$work/guarded_write_race"
echo "the writer of $(git rev-parse --short "$revision"):"
"$work/guarded_write_race" "$@"
