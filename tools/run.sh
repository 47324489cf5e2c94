#!/usr/bin/env bash
# Builds quorlin.exe, puts its setting in place as an installer would, and
# starts it under wine: on $DISPLAY, or on a virtual 1024x768 display whose
# screen is written to a file every second.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-packages.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target quorlin

source tools/wine-desktop.sh
shot=""
if [ -z "${DISPLAY:-}" ]; then
  start_display 90 "0, 0, 1024, 738"
  shot="$root/build/screen.png"
fi
trap stop_wine_desktop EXIT
prepare_prefix "${QUORLIN_WINEPREFIX:-$HOME/.local/share/quorlin/wineprefix}"
# As an installer does: the setting off, unless a value is already there.
key="HKCU\\Software\\Kestrane's Software\\Quorlin\\1.0"
if ! wine reg query "$key" /v ontop >/dev/null 2>&1; then
  wine reg add "$key" /v ontop /t REG_DWORD /d 0 /f >/dev/null 2>&1
fi

wine "$root/build/windows/quorlin.exe" </dev/null >/dev/null 2>&1 &
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
