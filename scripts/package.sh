#!/usr/bin/env bash
# Builds the Debian package: a Release build in build-deb/, then cpack. Runs lintian on the
# package when it is installed. The package lands in build-deb/ (dotlark_VERSION_ARCH.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DDOTLARK_TESTS=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB)
deb=$(ls build-deb/dotlark_*.deb)
echo "Package: $deb"
if command -v lintian >/dev/null 2>&1; then
  lintian "$deb" || echo "lintian reported errors (above)." >&2
else
  echo "lintian is not installed: apt-get install lintian to check the package."
fi
