#!/usr/bin/env bash
# Runs the tests of one ctest label again and again, to find the ones that
# fail only sometimes, and prints every failure with its test name.
#   tools/stress.sh LABEL RUNS           the label's tests RUNS times in a row
#   tools/stress.sh LABEL RUNS --each    each test of the label alone, RUNS times
#   --busy (either form)                 with a CPU-bound job on every core beside it
#   --dpi=N (either form)                on a display of N pixels per inch (the e2e labels)
# LABEL is a test preset of CMakePresets.json (e2e, e2e-scale, e2e-short, slow, linux).
# Builds first; the e2e labels get their display and wine session as tools/test.sh gives them.
set -euo pipefail
cd "$(dirname "$0")/.."

label=${1:?usage: tools/stress.sh LABEL RUNS [--each] [--busy]}
runs=${2:?usage: tools/stress.sh LABEL RUNS [--each] [--busy]}
shift 2
each=false busy=false dpi=96
for option in "$@"; do
  case $option in
    --each) each=true ;;
    --busy) busy=true ;;
    --dpi=*) dpi=${option#--dpi=} ;;
    *) echo "unknown option $option" >&2; exit 2 ;;
  esac
done

tools/install-packages.sh
if [ "$label" = linux ]; then
  cmake --preset linux >/dev/null && cmake --build --preset linux -j2 >/dev/null
else
  cmake --preset windows >/dev/null && cmake --build --preset windows -j2 >/dev/null
  source tools/wine-desktop.sh
  trap stop_wine_desktop EXIT
  start_e2e_session "$label" "$dpi"
fi

burners=()
stop_burners() { ((${#burners[@]})) && kill "${burners[@]}" 2>/dev/null || true; }
if $busy; then
  for _ in $(seq "$(nproc)"); do
    sh -c 'while :; do :; done' &
    burners+=($!)
  done
  trap 'stop_burners; declare -F stop_wine_desktop >/dev/null && stop_wine_desktop' EXIT
fi

log=$(mktemp)
failures=()
# One ctest run; its failed tests are added to `failures` under `what`.
run() {
  local what=$1
  shift
  if ctest --preset "$label" "$@" >"$log" 2>&1; then
    echo "$what: passed ($(grep -o 'tests passed.*' "$log" | head -1))"
  else
    echo "$what: FAILED"
    sed -n '/The following tests FAILED/,$p' "$log" | grep -E '^\s+[0-9]+ - ' | sed 's/^ */    /'
    grep -E 'Failure|ran over|did not end' "$log" | sed 's/^/      /' | head -20
    failures+=("$what")
  fi
}

if $each; then
  mapfile -t tests < <(ctest --preset "$label" -N | sed -n 's/^ *Test *#[0-9]*: //p')
  for test in "${tests[@]}"; do
    run "$test x$runs" -R "^${test//./\\.}\$" --repeat "until-fail:$runs"
  done
else
  for i in $(seq "$runs"); do run "run $i of $runs"; done
fi
rm -f "$log"

echo
if ((${#failures[@]})); then
  echo "${#failures[@]} failing: ${failures[*]}"
  exit 1
fi
echo "no failures ($label, $runs $($each && echo "runs of each test alone" || echo "runs in a row")$($busy && echo ", busy"))"
