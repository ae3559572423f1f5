#!/usr/bin/env bash
# Builds DOTLARK and runs every test. Most tests run headless (offscreen); the few that
# need a real X server get one from Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure
else
  ctest --test-dir build --output-on-failure
fi
# A short fuzzing run of every target (skipped, with a word, without clang's libFuzzer).
bash scripts/fuzz.sh 30
