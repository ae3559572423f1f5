# Sourced by run.sh and test.sh: installs the Debian packages the build needs, once.

# fonts-urw-base35: the metafile renderer (libwmf) needs its fonts to start at all.
# qt6-wayland: the editor's own window under a Wayland session (else it goes through Xwayland).
# qt6-l10n-tools: lrelease compiles the French and German texts (and lupdate checks them);
# qt6-translations-l10n: Qt's own dialogs in those languages.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-wayland qt6-l10n-tools qt6-translations-l10n libgl-dev libticonv-dev libwmf-dev
                libexpat1-dev libjpeg-dev zlib1g-dev
                libticalcs-dev libticables-dev libtifiles-dev libusb-1.0-0-dev
                libx11-dev fonts-liberation2 fonts-urw-base35)
# libarchive-dev: an independent maker and reader of the ZIP archives the TIGroup tests feed ours.
# tiemu: the emulated calculator (it ships PedroM) the link tests talk to; xdotool presses
# its ESC key to dismiss PedroM's link error box.
# desktop-file-utils .. libfile-mimeinfo-perl: the check of the installed desktop files
# (xdg-mime reads the staged picture types through the last one).
TEST_PACKAGES=(libtifiles-dev libarchive-dev libbenchmark-dev xvfb xauth poppler-utils netpbm tilp2 tiemu xdotool
               desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# For systems without Debian's tools: what the build needs, by upstream name and by the
# pkg-config module or command CMake looks for.
UPSTREAM_NEEDS='  CMake 3.25+, Ninja, a C++20 compiler (GCC 12+ or Clang 14+), pkg-config   (commands cmake, ninja, c++, pkg-config)
  Qt 6.4+ Core, Gui, Widgets, PrintSupport, Test, and its lrelease   (Qt6Widgets, Qt6PrintSupport, Qt6Test)
  libticonv   (ticonv)
  zlib, Xlib   (zlib, x11)
  optional, for the calculator link: libticalcs2, libticables2, libtifiles2, GLib   (ticalcs2, ticables2, tifiles2, glib-2.0)
  optional, for WMF pictures: libwmf and the URW base 35 fonts   (libwmf)
  optional, for the benchmarks: Google Benchmark   (benchmark)'

# Without dpkg: checks what CMake will look for and names what is missing by upstream name.
ensure_upstream() {
  local missing=()
  local c m
  for c in cmake ninja c++ pkg-config; do command -v "$c" >/dev/null 2>&1 || missing+=("$c"); done
  if command -v pkg-config >/dev/null 2>&1; then
    for m in Qt6Widgets Qt6PrintSupport Qt6Test ticonv zlib x11; do pkg-config --exists "$m" || missing+=("$m"); done
  fi
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "This system has no apt-get, and the build needs what is not found here: ${missing[*]}." >&2
  echo "Install these with your system's package manager (names upstream, pkg-config modules in brackets):" >&2
  echo "$UPSTREAM_NEEDS" >&2
  echo "then run this again." >&2
  exit 1
}

ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    ensure_upstream
    return 0
  fi
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "DOTLARK needs these Debian packages, which are not installed:" $missing >&2
      echo "Install them as root (apt-get install $missing), or install sudo, then run this again." >&2
      exit 1
    fi
  fi
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "This script installs its packages with apt-get (Debian 12); apt-get is not here." >&2
    echo "Install these Debian packages yourself, then run it again:" $missing >&2
    echo "(Upstream, the build needs:" >&2
    echo "$UPSTREAM_NEEDS)" >&2
    exit 1
  fi
  echo "Installing:" $missing
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

configure() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}

# Everything: the programs, the tests and the benchmarks.
configure_and_build() {
  configure
  cmake --build build
}

# Only what the editor needs to run: the editor, the converter and their two helpers, in the
# same folder, so that a later configure_and_build builds only the rest.
build_programs() {
  configure
  cmake --build build --target programs
}
