#!/usr/bin/env bash
# Prints what quorlin.exe costs at 100 % and 200 % display scale under wine:
# the time from its start to its character on screen, the CPU of 30 s of
# walking and its resident memory, beside the floor programs (a window of the
# character's size at that scale painted at the walk's pace, and a bare
# 1-second timer). About three minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
windows_dir=${QL_BENCH_WINDOWS_DIR:-build/windows}
seconds=${QL_BENCH_SECONDS:-30}

tools/install-packages.sh
cmake --preset windows -B "$windows_dir" >/dev/null
cmake --build "$windows_dir" -j2 --target quorlin minimal_timer paint_cost wine_keeper >/dev/null

source tools/wine-desktop.sh
trap stop_wine_desktop EXIT
start_display 98 "0, 0, 1024, 738"
prepare_prefix "$root/build/wine/perf-prefix"

# The Linux process that runs a Windows program, by its file name.
pid_of() { pgrep -f "$1" | head -1; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
resident_mb() { awk '/^VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
hz=$(getconf CLK_TCK)

echo "| scale | start to character shown (s) | walking CPU (ms per s) | resident (MB) | painted window | its CPU (ms per s) | its resident (MB) | 1-s timer resident (MB) |"
echo "|---|---:|---:|---:|---|---:|---:|---:|"
for dpi in 96 192; do
  set_display_dpi "$dpi"
  start_wine_session "$root/$windows_dir/wine_keeper.exe"
  wine reg add "HKCU\\Software\\Kestrane's Software\\Quorlin\\1.0" /v ontop /t REG_DWORD /d 0 /f >/dev/null 2>&1
  started=$(date +%s.%N)
  wine "$root/$windows_dir/quorlin.exe" </dev/null >/dev/null 2>&1 &
  until xwininfo -root -tree 2>/dev/null | grep -q '"Quorlin": ("quorlin.exe"'; do sleep 0.05; done
  shown=$(date +%s.%N)
  sleep 3
  pid=$(pid_of quorlin.exe)
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  walk_cpu=$(awk -v a="$before" -v b="$(cpu_ticks "$pid")" -v s="$seconds" -v hz="$hz" 'BEGIN {printf "%.1f", (b - a) * 1000 / hz / s}')
  walk_rss=$(resident_mb "$pid")
  kill "$pid"

  size=$(awk -v d="$dpi" 'BEGIN {printf "%d %d", int((2 * 101 * d + 96) / 192), int((2 * 125 * d + 96) / 192)}')
  wine "$root/$windows_dir/bench/paint_cost.exe" "$seconds" $size </dev/null >/tmp/ql-paint-cost.txt 2>&1 &
  painter=$!
  sleep 5
  paint_rss=$(resident_mb "$(pid_of paint_cost.exe)")
  wait "$painter"
  paint_cpu=$(awk -F'|' '/picture changed every tick/ && /keyed/ {gsub(/ /, "", $3); print $3}' /tmp/ql-paint-cost.txt)

  wine "$root/$windows_dir/bench/minimal_timer.exe" 1000 </dev/null >/dev/null 2>&1 &
  sleep 5
  timer_pid=$(pid_of minimal_timer.exe)
  timer_rss=$(resident_mb "$timer_pid")
  kill "$timer_pid"

  echo "| $((dpi * 100 / 96)) % | $(awk -v a="$started" -v b="$shown" 'BEGIN {printf "%.2f", b - a}') | $walk_cpu | $walk_rss | ${size/ / x } keyed | $paint_cpu | $paint_rss | $timer_rss |"
  stop_wine_desktop
  start_display 98 "0, 0, 1024, 738"
done
