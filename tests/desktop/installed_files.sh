#!/bin/sh
# Installs the build into a staging prefix and checks what a desktop reads from it: the menu
# entry and the metainfo validate, a picture is known by its name and, renamed, by its first
# bytes (a program or a group is not a picture however named), the editor is the default
# program of pictures, groups and TIGroups. The installed programs find their picture
# reader under the prefix they are in, and the reader run by hand refuses politely. Also the
# programs' own options, which need no display.
# Arguments: build folder, dotlark, dotlark-convert. Exit 77: skipped.
set -u
build=$1 dotlark=$2 convert=$3
# The programs speak the locale's language: English here, whatever the machine's.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
fail=0
check() { if "$@"; then :; else echo "FAILED: $*"; fail=1; fi; }
contains() { grep -q -- "$2" "$1" || { echo "FAILED: no '$2' in $1"; fail=1; }; }

stage=$(mktemp -d) || exit 1
trap 'rm -rf "$stage"' EXIT
# Settings of their own: the link's defaults and the calculator last used on a cable are the
# user's otherwise, and change what the converter says.
export XDG_CONFIG_HOME="$stage/config"
for program in "$dotlark" "$convert"; do
  "$program" --version > "$stage/version" || fail=1
  check test "$(head -n 1 "$stage/version")" = "$(basename "$program") 3.0.8"
  contains "$stage/version" "GPL-2.0-or-later"
  "$program" --help | grep -q -- '--version' || { echo "FAILED: $program --help"; fail=1; }
done
"$dotlark" --bogus 2>/dev/null; check test $? -eq 2

cmake --install "$build" --prefix "$stage/usr" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
share=$stage/usr/share
for f in bin/dotlark bin/dotlark-convert libexec/dotlark/dotlark-decode libexec/dotlark/dotlark-link \
         share/mime/packages/dotlark.xml \
         share/icons/hicolor/scalable/apps/dotlark.svg share/icons/hicolor/48x48/apps/dotlark.png \
         share/man/man1/dotlark.1.gz share/man/man1/dotlark-convert.1.gz share/doc/dotlark/copyright; do
  check test -f "$stage/usr/$f"
done
check test ! -e "$stage/usr/bin/dotlark-decode" # an internal helper, off the PATH
# The editor's Print dialog, loaded at the first print from the library folder under the prefix.
check test -n "$(find "$stage/usr/lib" -path '*/dotlark/dotlark-print.so' -type f)"
contains "$share/doc/dotlark/copyright" "^License: GPL-2+"
contains "$share/metainfo/invalid.dotlark.dotlark.metainfo.xml" "<project_license>GPL-2.0-or-later<"

# The installed converter imports through the reader under its own prefix, and says when
# that one is missing (not using the build tree's or the system's).
png=$share/icons/hicolor/48x48/apps/dotlark.png
check "$stage/usr/bin/dotlark-convert" "$png" "$stage/icon.89i" --fit
mv "$stage/usr/libexec" "$stage/away"
"$stage/usr/bin/dotlark-convert" "$png" "$stage/none.89i" --fit 2>"$stage/err" >/dev/null
check test $? -eq 1
contains "$stage/err" "dotlark-decode is not installed"
# So does the link: its helper under the prefix answers (the null cable: no calculator), and
# without it the converter says the helper is missing.
"$stage/usr/bin/dotlark-convert" --list --cable null 2>"$stage/err" >/dev/null
contains "$stage/err" "dotlark-link is not installed"
mv "$stage/away" "$stage/usr/libexec"
"$stage/usr/bin/dotlark-convert" --list --cable null 2>"$stage/err" >/dev/null
check test $? -eq 1
contains "$stage/err" "No calculator answers"

# The reader run by hand, its standard error into a file: no death by its own file-size
# limit (SIGXFSZ, exit 153); without arguments or with its answer going into a file or a
# terminal it says what it is for.
decode=$stage/usr/libexec/dotlark/dotlark-decode
"$decode" 2>"$stage/err"; check test $? -eq 2
contains "$stage/err" "usage: dotlark-decode"
"$decode" "$png" >"$stage/out" 2>"$stage/err"; check test $? -eq 2
contains "$stage/err" "dotlark-convert"
{ "$decode" "$png" 2>"$stage/err"; echo $? >"$stage/status"; } | cat >/dev/null
check test "$(cat "$stage/status")" -eq 0

# In French and German: the programs' help and the link helper's failures (its protocol word
# kept), and every name, summary and paragraph the menu and the software centre show.
for pair in fr_FR:Utilisation de_DE:Aufruf; do
  locale=${pair%%:*} word=${pair#*:} lang=${pair%%_*}
  check test -f "$share/dotlark/translations/dotlark_$lang.qm"
  for program in "$stage/usr/bin/dotlark" "$stage/usr/bin/dotlark-convert"; do
    LANG=$locale.UTF-8 "$program" --help | head -n 1 | grep -q "^$word" || { echo "FAILED: $program --help in $lang"; fail=1; }
  done
  LANG=$locale.UTF-8 "$stage/usr/libexec/dotlark/dotlark-link" list --cable nothing >"$stage/out"
  contains "$stage/out" "^failure	.*nothing"
  grep -q "no cable called" "$stage/out" && { echo "FAILED: dotlark-link in $lang"; fail=1; }
  for key in Name GenericName Comment Keywords; do
    if grep -q "^$key=" "$share/applications/dotlark.desktop"; then
      contains "$share/applications/dotlark.desktop" "^$key\[$lang\]="
    fi
  done
  metainfo=$share/metainfo/invalid.dotlark.dotlark.metainfo.xml
  for tag in name summary p; do
    check test "$(grep -c "<$tag>" "$metainfo")" -eq "$(grep -c "<$tag xml:lang=\"$lang\">" "$metainfo")"
  done
done

skipped=
if command -v desktop-file-validate >/dev/null; then
  check desktop-file-validate "$share/applications/dotlark.desktop"
else skipped="$skipped desktop-file-validate"; fi
if command -v appstreamcli >/dev/null; then
  check appstreamcli validate --no-net --pedantic "$share/metainfo/invalid.dotlark.dotlark.metainfo.xml"
else skipped="$skipped appstreamcli"; fi

if command -v update-mime-database >/dev/null && command -v xdg-mime >/dev/null; then
  update-mime-database "$share/mime" >/dev/null || fail=1
  printf 'P1\n2 1\n1 0\n' > "$stage/dot.pbm"
  "$convert" "$stage/dot.pbm" "$stage/dot.89i" >/dev/null || fail=1
  "$convert" "$stage/dot.pbm" "$stage/dot.v2i" >/dev/null || fail=1
  # A group of one picture is a picture file byte for byte: this one holds two.
  "$convert" "$stage/dot.pbm" "$stage/other.89i" --name other >/dev/null || fail=1
  "$convert" "$stage/dot.89i" "$stage/other.89i" --group "$stage/group.89g" >/dev/null || fail=1
  cp "$stage/dot.89i" "$stage/dot.bin"
  # By content alone: the link program's package claims *.v2i for a type of its own.
  cp "$stage/dot.v2i" "$stage/dot.dat"
  cp "$stage/group.89g" "$stage/group"
  # Every calculator file starts as a picture file does. A program differs in its type byte
  # (offset 72: 0x12 for 0x10), a group led by a picture in its count of entries (offset 58).
  poke() { cp "$stage/dot.89i" "$stage/$1"; printf "$3" | dd of="$stage/$1" bs=1 seek="$2" conv=notrunc 2>/dev/null; }
  poke prog.89p 72 '\022'; poke prog 72 '\022'; poke two 58 '\002'
  cp "$stage/dot.89i" "$stage/pictures.tig" # known by its name alone
  export XDG_DATA_HOME="$share" XDG_CURRENT_DESKTOP=X-Generic
  export XDG_CONFIG_HOME="$stage/config" HOME="$stage"
  # file:type with these types alone (as where the link program is not installed):type beside
  # the system's ("other": anything but a picture; the link program's types where it is).
  for row in dot.89i:image/x-ti89-picture:image/x-ti89-picture \
             dot.bin:image/x-ti89-picture:image/x-ti89-picture dot.dat:image/x-v200-picture:image/x-v200-picture \
             group.89g:application/x-ti89-group:application/x-ti89-group \
             pictures.tig:application/x-tilp-tigroup:application/x-tilp-tigroup \
             prog.89p:application/octet-stream:other prog:application/octet-stream:other \
             two:application/octet-stream:other group:application/octet-stream:other; do
    file=${row%%:*} types=${row#*:}
    got=$(XDG_DATA_DIRS="$share" xdg-mime query filetype "$stage/$file")
    [ "$got" = "${types%%:*}" ] || { echo "FAILED: $file alone is $got"; fail=1; }
    got=$(XDG_DATA_DIRS="$share:/usr/share" xdg-mime query filetype "$stage/$file")
    case ${types#*:}:$got in
      other:image/x-*-picture) echo "FAILED: $file beside the system's types is $got"; fail=1 ;;
      other:*) ;;
      *) [ "$got" = "${types#*:}" ] || { echo "FAILED: $file beside the system's types is $got"; fail=1; } ;;
    esac
  done
  command -v update-desktop-database >/dev/null && update-desktop-database "$share/applications"
  for type in image/x-ti89-picture application/x-ti89-group application/x-tilp-tigroup; do
    check test "$(XDG_DATA_DIRS="$share:/usr/share" xdg-mime query default $type)" = dotlark.desktop
  done
else skipped="$skipped update-mime-database/xdg-mime"; fi

[ -n "$skipped" ] && echo "not installed, not checked:$skipped"
[ $fail -eq 0 ] || exit 1
[ -z "$skipped" ] || exit 77
echo "desktop files: all checked"
