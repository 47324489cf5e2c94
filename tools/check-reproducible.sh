#!/usr/bin/env bash
# Builds the Windows release twice, in two fresh folders, and compares what
# it ships byte for byte: the program, both setups and their sums.
set -euo pipefail
cd "$(dirname "$0")/.."
first=build/reproduce-1 second=build/elsewhere/reproduce-2
for dir in "$first" "$second"; do
  rm -rf "$dir"
  cmake --preset windows -B "$dir" >/dev/null
  cmake --build "$dir" -j2 --target setup >/dev/null
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$first/CMakeCache.txt")
status=0
for file in quorlin.exe "quorlin-$version-setup.exe" "quorlin-$version-x64-setup.exe" SHA256SUMS; do
  if cmp -s "$first/$file" "$second/$file"; then
    echo "same bytes: $file"
  else
    echo "DIFFERENT: $file ($(cmp "$first/$file" "$second/$file" 2>&1 | head -1))" >&2
    status=1
  fi
done
(cd "$first" && sha256sum -c --quiet SHA256SUMS) || status=1
rm -rf "$first" "$(dirname "$second")"
exit "$status"
