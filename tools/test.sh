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
ctest --test-dir build/linux --output-on-failure -j2

# The same unit and asset tests under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset linux-sanitize >/dev/null
cmake --build --preset linux-sanitize -j2
ctest --preset linux-sanitize

cmake --preset windows >/dev/null
cmake --build --preset windows -j2

source tools/wine-desktop.sh
trap stop_wine_desktop EXIT
start_display "${QUORLIN_TEST_DISPLAY:-91}" "0, 0, 1024, 738"
prepare_prefix "$root/build/wine/e2e-prefix"
start_wine_session "$root/build/windows/wine_keeper.exe"
ctest --test-dir build/windows --output-on-failure -L '^e2e$'

# A work area 150 px high: the walk arrives after 20 s, a whole cycle takes about 2.5 minutes.
stop_wine_desktop
start_display "${QUORLIN_TEST_DISPLAY:-91}" "0, 0, 1024, 150"
prepare_prefix "$root/build/wine/e2e-prefix"
start_wine_session "$root/build/windows/wine_keeper.exe"
ctest --test-dir build/windows --output-on-failure -L '^e2e-short$'

# The long soak, on the same short work area: about ten minutes of dragging and
# menu use, with the process's memory and handles watched throughout.
ctest --test-dir build/windows --output-on-failure -L '^slow$'
