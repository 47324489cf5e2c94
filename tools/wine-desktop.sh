# Sourced: a virtual X display and a wine prefix of the project's own.
#   start_display NUMBER WORKAREA   e.g. start_display 91 "0, 0, 1024, 738"
#   prepare_prefix PATH             initialises the prefix once, then reuses it
#   start_wine_session KEEPER_EXE   one long-lived wine process for the run, waited for
#   start_e2e_session LABEL [DPI]   all of the above, as the tests of that ctest label need it,
#                                   on a display of DPI pixels per inch (96 unless given)
#   stop_wine_desktop

# Whether 32-bit Windows programs can run here (32-bit wine on a kernel that
# runs 32-bit programs); the setup for every Windows is one of them.
QL_HOST_RUNS_32BIT=0
"$(dirname "${BASH_SOURCE[0]}")/host-runs-32bit.sh" && QL_HOST_RUNS_32BIT=1
export QL_HOST_RUNS_32BIT

# The setup this host can run: the one for every Windows where 32-bit programs
# run, else the 64-bit one.  setup_for_this_host BUILD_DIR VERSION
setup_for_this_host() {
  if [ "$QL_HOST_RUNS_32BIT" = 1 ]; then echo "$1/quorlin-$2-setup.exe"; else echo "$1/quorlin-$2-x64-setup.exe"; fi
}

QL_XVFB_PID=""
QL_XCOMPMGR_PID=""
QL_KEEPER_PID=""

start_display() {
  local number=$1 workarea=$2
  export DISPLAY=":$number"
  if ! xdpyinfo >/dev/null 2>&1; then
    rm -f "/tmp/.X${number}-lock" "/tmp/.X11-unix/X${number}"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    QL_XVFB_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  # A compositing manager, so whole-window opacity shows on screen as on Windows
  # (the colour key works without one; the fade would not).
  if ! pgrep -f "xcompmgr.*-d $DISPLAY" >/dev/null 2>&1; then
    xcompmgr -d "$DISPLAY" >/dev/null 2>&1 &
    QL_XCOMPMGR_PID=$!
  fi
  # Wine reads the work area from the root window when its session starts.
  xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$workarea"
}

prepare_prefix() {
  # winemenubuilder would copy the prefix's shortcuts into the host's menus.
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ ! -f "$WINEPREFIX/.quorlin-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wine wineboot -i >/dev/null 2>&1
    # Without a window manager, hiding a managed window blocks for seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quorlin-ready"
  fi
  # A 64-bit prefix made before 32-bit wine was installed runs no 32-bit program (the setup is one).
  local wow64="$WINEPREFIX/drive_c/windows/syswow64"
  if [ "$QL_HOST_RUNS_32BIT" = 1 ] && [ -d "$wow64" ] && [ -z "$(ls -A "$wow64")" ]; then
    wine wineboot -u >/dev/null 2>&1
    wineserver -w
  fi
  # Wine's own Tahoma (fonts-wine), which the About window's labels ask for:
  # this wine looks for it only among the prefix's fonts.
  cp -u /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/" \
    2>/dev/null || true
  wineserver -k 2>/dev/null || true  # a fresh session reads the current work area
}

start_wine_session() {
  # Until its session is up (desktop and services started by the keeper), a
  # test would start them itself and they would hold its output pipe open.
  local ready="$WINEPREFIX/.quorlin-session-ready"
  rm -f "$ready"
  wine "$1" "Z:${ready//\//\\}" </dev/null >/dev/null 2>&1 &
  QL_KEEPER_PID=$!
  for _ in $(seq 300); do [ -f "$ready" ] && return 0; sleep 0.1; done
  echo "wine's session did not start within 30 s (keeper $1)" >&2
  return 1
}

stop_wine_desktop() {
  wineserver -k 2>/dev/null || true
  [ -n "$QL_KEEPER_PID" ] && kill "$QL_KEEPER_PID" 2>/dev/null || true
  [ -n "$QL_XCOMPMGR_PID" ] && kill "$QL_XCOMPMGR_PID" 2>/dev/null || true
  [ -n "$QL_XVFB_PID" ] && kill "$QL_XVFB_PID" 2>/dev/null || true
  QL_KEEPER_PID="" QL_XCOMPMGR_PID="" QL_XVFB_PID=""
}

# The e2e label runs on the ordinary desktop; the others on a work area 150 px
# high, where the walk arrives after 20 s and a whole cycle takes 2.5 minutes.
start_e2e_session() {
  local label=$1 dpi=${2:-96} root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  stop_wine_desktop
  local workarea="0, 0, 1024, 150"
  [ "$label" = e2e ] || [ "$label" = e2e-scale ] && workarea="0, 0, 1024, 738"
  start_display "${QUORLIN_TEST_DISPLAY:-91}" "$workarea"
  prepare_prefix "$root/build/wine/e2e-prefix"
  set_display_dpi "$dpi"
  start_wine_session "$root/build/windows/wine_keeper.exe"
}

# The display's scale, as the user's setting in the prefix; read when the
# session starts. The scaled-display tests are told it too.
set_display_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w
  export QUORLIN_TEST_DPI=$1
}
