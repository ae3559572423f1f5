#!/bin/sh
# Installs the build into a staging prefix and checks what a desktop reads from it: the menu
# entry and the metainfo validate, a picture is known by its name and, renamed, by its first
# bytes, and the editor is its default program. Also dotlark's own options, which need no display.
# Arguments: build folder, dotlark, dotlark-convert. Exit 77: skipped.
set -u
build=$1 dotlark=$2 convert=$3
fail=0
check() { if "$@"; then :; else echo "FAILED: $*"; fail=1; fi; }

check test "$("$dotlark" --version)" = "dotlark 3.0.8"
"$dotlark" --help | grep -q -- '--version' || { echo "FAILED: --help"; fail=1; }
"$dotlark" --bogus 2>/dev/null; check test $? -eq 2

stage=$(mktemp -d) || exit 1
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
share=$stage/usr/share
for f in bin/dotlark bin/dotlark-convert share/mime/packages/dotlark.xml \
         share/icons/hicolor/scalable/apps/dotlark.svg share/icons/hicolor/48x48/apps/dotlark.png \
         share/man/man1/dotlark.1.gz share/man/man1/dotlark-convert.1.gz; do
  check test -f "$stage/usr/$f"
done

skipped=
if command -v desktop-file-validate >/dev/null; then
  check desktop-file-validate "$share/applications/dotlark.desktop"
else skipped="$skipped desktop-file-validate"; fi
if command -v appstreamcli >/dev/null; then
  check appstreamcli validate --no-net --pedantic "$share/metainfo/io.github.dotlark.metainfo.xml"
else skipped="$skipped appstreamcli"; fi

if command -v update-mime-database >/dev/null && command -v xdg-mime >/dev/null; then
  update-mime-database "$share/mime" >/dev/null || fail=1
  printf 'P1\n2 1\n1 0\n' > "$stage/dot.pbm"
  "$convert" "$stage/dot.pbm" "$stage/dot.89i" >/dev/null || fail=1
  "$convert" "$stage/dot.pbm" "$stage/dot.v2i" >/dev/null || fail=1
  cp "$stage/dot.89i" "$stage/dot.bin"
  # By content alone: the link program's package claims *.v2i for a type of its own.
  cp "$stage/dot.v2i" "$stage/dot.dat"
  export XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" XDG_CURRENT_DESKTOP=X-Generic
  export XDG_CONFIG_HOME="$stage/config" HOME="$stage"
  for pair in dot.89i:image/x-ti89-picture \
              dot.bin:image/x-ti89-picture dot.dat:image/x-v200-picture; do
    got=$(xdg-mime query filetype "$stage/${pair%%:*}")
    check test "$got" = "${pair#*:}"
  done
  command -v update-desktop-database >/dev/null && update-desktop-database "$share/applications"
  check test "$(xdg-mime query default image/x-ti89-picture)" = dotlark.desktop
else skipped="$skipped update-mime-database/xdg-mime"; fi

[ -n "$skipped" ] && echo "not installed, not checked:$skipped"
[ $fail -eq 0 ] || exit 1
[ -z "$skipped" ] || exit 77
echo "desktop files: all checked"
