#!/usr/bin/env bash
# Prints the performance figures: what quorlin.exe costs under wine in each
# engine state beside a program that only runs a 1-second timer, its working
# set and handles at the start and after each cycle, and how fast the
# simulated desktop replays the program, and what the system charges for
# painting a small window at all. Five cycles on a work area 150 px
# high and the painting take about 16 minutes; QL_BENCH_CYCLES=1 gives a quick
# look.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
linux_dir=${QL_BENCH_LINUX_DIR:-build/linux}
windows_dir=${QL_BENCH_WINDOWS_DIR:-build/windows}
cycles=${QL_BENCH_CYCLES:-5}

tools/install-packages.sh
cmake --preset linux -B "$linux_dir" >/dev/null
cmake --build "$linux_dir" -j2 --target sim_speed >/dev/null
cmake --preset windows -B "$windows_dir" >/dev/null
cmake --build "$windows_dir" -j2 --target quorlin process_bench minimal_timer paint_cost wine_keeper >/dev/null

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)
echo "# Quorlin performance, $(date -u +%Y-%m-%d)"
echo
echo "Machine: $(nproc) cores of $cpu, $(free -g | awk '/^Mem:/ {print $2}') GB, $(uname -sr), $(wine --version), Xvfb."
echo
"$linux_dir/bench/sim_speed"
echo

source tools/wine-desktop.sh
trap stop_wine_desktop EXIT
start_display 98 "0, 0, 1024, 150"
prepare_prefix "$root/build/wine/perf-prefix"
start_wine_session "$root/$windows_dir/wine_keeper.exe"
echo "Under wine on a virtual display with a work area of 1024 x 150 (arrival after 20 s, a cycle of 144.6 s)."
echo
wine "$root/$windows_dir/bench/process_bench.exe" "Z:$root/$windows_dir/quorlin.exe" \
  "Z:$root/$windows_dir/bench/minimal_timer.exe" "$cycles" </dev/null
echo
wine "$root/$windows_dir/bench/paint_cost.exe" "${QL_BENCH_PAINT_SECONDS:-60}" </dev/null
