#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ clang googletest libgtest-dev libpng-dev
  # The menu captions above 100 % are set in a scalable font.
  libfreetype-dev fonts-liberation
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick xcompmgr
  # The setup program, and the 32-bit build it carries beside the 64-bit one.
  nsis g++-mingw-w64-i686-posix binutils-mingw-w64-i686
)

# 32-bit wine (from the i386 side of the archive) runs the 32-bit setup and
# program, on a host whose kernel runs 32-bit programs at all. Elsewhere it
# would break wine altogether: its loader is the one the wine command picks.
if "$(dirname "$0")/host-runs-32bit.sh"; then
  packages+=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
