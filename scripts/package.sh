#!/usr/bin/env bash
# Builds the Debian package: a Release build in build-deb/ with the distribution's hardening
# flags (dpkg-buildflags with hardening=+all: stack protector, fortify, PIE, relro, bind-now),
# then cpack. Runs lintian --pedantic on the package when lintian is installed. The package
# lands in build-deb/ (dotlark_VERSION_ARCH.deb). The package's maintainer is taken from
# DEBFULLNAME and DEBEMAIL when they are set (see CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The same sources give the same package, byte for byte: every time stamp the build and the
# package record (files in the archive, resources compiled in) is the last commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y data/debian/changelog)
fi
export SOURCE_DATE_EPOCH
flag() { dpkg-buildflags --get "$1"; }
# CMake reads no CPPFLAGS: the preprocessor's flags (fortify) go with the compiler's.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DDOTLARK_TESTS=OFF -DDOTLARK_BENCH=OFF -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" >/dev/null
cmake --build build-deb
rm -f build-deb/dotlark_*.deb
(cd build-deb && cpack -G DEB)
deb=$(ls build-deb/dotlark_*.deb)
echo "Package: $deb"
if command -v lintian >/dev/null 2>&1; then
  lintian --pedantic "$deb" || echo "lintian reported errors (above)." >&2
else
  echo "lintian is not installed: apt-get install lintian to check the package."
fi
