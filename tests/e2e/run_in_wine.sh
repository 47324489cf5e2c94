#!/bin/sh
# Runs a Windows test program under wine for ctest: its output goes through a
# file, so a process wine starts on its behalf and leaves running cannot hold
# ctest's pipe open after the program has ended; and a program that will not
# end is killed after the limit given first (seconds), with a message.
limit=$1
shift
out=$(mktemp)
timeout -k 5 "$limit" wine "$@" >"$out" 2>&1
status=$?
cat "$out"
rm -f "$out"
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "$(basename "$1") $2 did not end within $limit s and was killed" >&2
fi
exit "$status"
