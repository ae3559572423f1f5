#!/usr/bin/env bash
# Builds the editor, the converter and their helpers (not the tests) and starts the editor.
# Any arguments go to the editor (a .89i file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
build_programs
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "DOTLARK is built (build/app/dotlark/dotlark) but there is no display to show it on:" >&2
  echo "neither DISPLAY nor WAYLAND_DISPLAY is set. Run this from a desktop session," >&2
  echo "or under a virtual display: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
exec build/app/dotlark/dotlark "$@"
