#!/usr/bin/env bash
# Builds the setup, installs Quorlin with it silently into the project's wine
# prefix and starts the installed program: on $DISPLAY, or on a virtual
# 1024x768 display whose screen is written to a file every second.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-packages.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target setup
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)

source tools/wine-desktop.sh
shot=""
if [ -z "${DISPLAY:-}" ]; then
  start_display 90 "0, 0, 1024, 738"
  shot="$root/build/screen.png"
fi
trap stop_wine_desktop EXIT
prepare_prefix "${QUORLIN_WINEPREFIX:-$HOME/.local/share/quorlin/wineprefix}"
# A reinstall over an earlier one keeps the stored Keep-on-top setting.
status=0
wine "$(setup_for_this_host "$root/build/windows" "$version")" /S </dev/null >/dev/null 2>&1 || status=$?
if [ "$status" -eq 2 ]; then
  echo "The setup refused: Quorlin still runs in $WINEPREFIX. End it (right-click Pobo, End Quorlin)." >&2
  exit 1
fi
installed=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlin' /v InstallLocation \
            2>/dev/null | tr -d '\r' | sed -n 's/^ *InstallLocation *REG_SZ *//p')
if [ "$status" -ne 0 ] || [ -z "$installed" ]; then
  echo "The setup failed (exit code $status) in $WINEPREFIX." >&2
  exit 1
fi

wine "$installed\\quorlin.exe" </dev/null >/dev/null 2>&1 &
program=$!
if [ -n "$shot" ]; then
  echo "Quorlin runs on a virtual display; its screen is written to $shot every second (Ctrl+C ends)."
  while kill -0 "$program" 2>/dev/null; do
    import -window root "$shot.tmp.png" 2>/dev/null && mv "$shot.tmp.png" "$shot"
    sleep 1
  done
else
  wait "$program"
fi
