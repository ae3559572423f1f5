#!/usr/bin/env bash
# dotlark-convert --screen and --fit against ImageMagick on a 4000 x 4000 photo-like JPEG, side
# by side in the same run: the median wall time of RUNS runs each and its ratio to ImageMagick's,
# the median processor time (user + system, the decoding helper's included) and its ratio, and
# the peak memory. On a machine busy with other work the wall times vary most: the converter
# waits for a helper process, ImageMagick works in one.
#
#   bench/scaled_import_vs_imagemagick.sh [BUILD_FOLDER] [RUNS]     (defaults: build, 5)
#
# Memory: /usr/bin/time reports the largest resident size among the converter and the decoding
# helper it runs as a child (the larger of the two, not their sum), so the helper is also
# measured on its own with the same request; their sum bounds what both hold at once.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
convert_tool=$build/app/convert/dotlark-convert
decode_tool=$build/app/convert/dotlark-decode
for program in "$convert_tool" "$decode_tool" convert /usr/bin/time; do
    command -v "$program" >/dev/null || { echo "missing: $program" >&2; exit 1; }
done
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Photo-like pictures: fractal plasma, softened and enlarged, with a little grain, stored as
# cameras store photos (chroma at half resolution, quality 90); and a grainier one with full
# chroma, whose JPEG data is larger and so slower to decode for anyone.
make_photo() { # FILE GRAIN SAMPLING
    convert -seed 14 -size 1000x1000 plasma:fractal -blur 0x1 -resize '4000x4000!' \
        -attenuate "$2" +noise Gaussian -sampling-factor "$3" -quality 90 "$1"
}
make_photo "$work/photo.jpg" 0.1 2x2
make_photo "$work/grainy.jpg" 0.3 1x1

# Runs a command once; prints "seconds kilobytes processor-seconds".
measure() {
    /usr/bin/time -f '%e %M %U %S' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" \
        || { cat "$work/stderr" >&2; exit 1; }
    awk '{ print $1, $2, $3 + $4 }' "$work/time"
}

# The median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

medianOf() { tr ' ' '\n' <<<"$1" | grep . | median; }

# One picture: each command RUNS times, interleaved so that the machine's load falls on all
# alike; then the medians, the ratios to ImageMagick and the peak memory.
compare() { # PHOTO
    local photo=$1 name s m p i
    local -A seconds memory processor
    echo
    echo "$(basename "$photo"): 4000 x 4000 JPEG, $(stat -c %s "$photo") bytes, $runs runs each"
    for ((i = 0; i < runs; i++)); do
        read -r s m p < <(measure convert "$photo" -resize 160x77 -threshold 50% "$work/out.pbm")
        seconds[imagemagick]+="$s " processor[imagemagick]+="$p " memory[imagemagick]=$m
        for name in screen fit; do
            read -r s m p < <(measure "$convert_tool" "$photo" "$work/$name.89i" "--$name")
            seconds[$name]+="$s " processor[$name]+="$p " memory[$name]=$m
        done
    done
    local im imp t
    im=$(medianOf "${seconds[imagemagick]}")
    imp=$(medianOf "${processor[imagemagick]}")
    printf '%-34s %7s %6s %7s %6s %8s\n' "" "wall s" "ratio" "cpu s" "ratio" "peak MB"
    printf '%-34s %7.3f %6s %7.3f %6s %8.1f\n' "ImageMagick -resize -threshold" "$im" "1" "$imp" "1" \
        "$(bc -l <<<"${memory[imagemagick]} / 1024")"
    for name in screen fit; do
        t=$(medianOf "${seconds[$name]}")
        p=$(medianOf "${processor[$name]}")
        printf '%-34s %7.3f %6.3f %7.3f %6.3f %8.1f\n' "dotlark-convert --$name" "$t" "$(bc -l <<<"$t / $im")" \
            "$p" "$(bc -l <<<"$p / $imp")" "$(bc -l <<<"${memory[$name]} / 1024")"
    done
    for name in "--top-left 160x77" "--cover 320x154"; do
        read -r _ m _ < <(measure "$decode_tool" "$photo" $name)
        printf '%-34s %7s %6s %7s %6s %8.1f\n' "  helper alone, $name" "" "" "" "" "$(bc -l <<<"$m / 1024")"
    done
}

compare "$work/photo.jpg"
compare "$work/grainy.jpg"
