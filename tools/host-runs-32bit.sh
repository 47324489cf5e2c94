#!/bin/sh
# Exits 0 when this Linux host can run 32-bit x86 programs (as 32-bit wine
# needs), 1 when its kernel runs 64-bit ones only. Tries a program of nine
# instructions' worth of bytes that only exits.
tiny=$(mktemp)
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\061\333\315\200' >"$tiny"
chmod +x "$tiny"
"$tiny" 2>/dev/null
status=$?
rm -f "$tiny"
[ "$status" -eq 0 ]
