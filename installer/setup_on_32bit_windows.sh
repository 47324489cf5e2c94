#!/usr/bin/env bash
# The setup on a 32-bit system, a 32-bit wine prefix of its own: it installs the
# 32-bit program, and the uninstaller takes everything away again.
#   setup_on_32bit_windows.sh SETUP.EXE PREFIX
set -euo pipefail
setup=$1
source "$(dirname "$0")/../tools/wine-desktop.sh"
if [ "$QL_HOST_RUNS_32BIT" != 1 ]; then
  echo "skipped: this host's kernel runs no 32-bit program, so no 32-bit wine" >&2
  exit 77
fi
export WINEARCH=win32
prepare_prefix "$2"
trap 'wineserver -k 2>/dev/null || true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlin'
settings_key="HKCU\\Software\\Kestrane's Software\\Quorlin\\1.0"
location() {
  wine reg query "$uninstall_key" /v InstallLocation 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *InstallLocation *REG_SZ *//p'
}

wine "$setup" /S || fail "the silent setup exited with $?"
dir=$(location)
[ -n "$dir" ] || fail "no Add/Remove Programs entry"
program=$(winepath -u "$dir\\quorlin.exe" 2>/dev/null)
# The machine field of the PE header: 014c is i386.
pe=$(od -An -tu4 -j 60 -N4 "$program" | tr -d ' ')
machine=$(od -An -tx2 -j $((pe + 4)) -N2 "$program" | tr -d ' ')
[ "$machine" = 014c ] || fail "installed program is for machine $machine, not i386"
wine reg query "$settings_key" /v ontop 2>/dev/null | grep -q 'REG_DWORD *0x0' || fail "ontop is not 0"

wine "$dir\\uninstall.exe" /S "_?=$dir" || fail "the silent uninstall exited with $?"
[ ! -e "$program" ] || fail "the program is still there"
[ -z "$(location)" ] || fail "the Add/Remove Programs entry is still there"
! wine reg query "$settings_key" >/dev/null 2>&1 || fail "the settings key is still there"
echo "32-bit system: 32-bit program installed and removed"
