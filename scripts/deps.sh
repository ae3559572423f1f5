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

ensure_packages() {
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
    echo "Install these packages yourself, then run it again:" $missing >&2
    exit 1
  fi
  echo "Installing:" $missing
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

configure_and_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build
}
