#!/usr/bin/env bash
# Builds everything and runs every test: the unit and asset tests on Linux,
# then the end-to-end tests of the Windows program under wine on a virtual display
# (display :91, or $QUORLIN_TEST_DISPLAY).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-packages.sh

cmake --preset linux >/dev/null
cmake --build --preset linux -j2
ctest --preset linux

# The same unit and asset tests built with clang, then under AddressSanitizer
# and UndefinedBehaviorSanitizer.
cmake --preset linux-clang >/dev/null
cmake --build --preset linux-clang -j2
ctest --preset linux-clang

cmake --preset linux-sanitize >/dev/null
cmake --build --preset linux-sanitize -j2
ctest --preset linux-sanitize

cmake --preset windows >/dev/null
cmake --build --preset windows -j2
tools/check-reproducible.sh

source tools/wine-desktop.sh
trap stop_wine_desktop EXIT
start_e2e_session e2e
ctest --preset e2e
# On displays scaled to 125, 150 and 200 %.
for dpi in 120 144 192; do
  start_e2e_session e2e-scale "$dpi"
  ctest --preset e2e-scale
done
start_e2e_session e2e-short
ctest --preset e2e-short
# The long soak: about ten minutes of dragging and menu use, with the
# process's memory and handles watched throughout.
start_e2e_session slow
ctest --preset slow
