#!/usr/bin/env bash
# Runs a Windows program under Wine with a private prefix (first argument).
# Used as CMAKE_CROSSCOMPILING_EMULATOR, so plain ctest runs the Wine tests.
set -u
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  # Parallel tests share the prefix; only one may create it.
  flock "$prefix.lock" bash -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }'
fi
run=(wine "$@")
if [ -z "${DISPLAY:-}" ]; then
  # Parallel tests each start a server: begin the search for a free display at a random
  # number so that two of them rarely race for the same one.
  run=(xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" wine "$@")
fi
[ -t 1 ] && exec "${run[@]}"
# Wine's server and the system processes it starts keep the error output of the program
# that started them open until the last Windows program ends, so ctest took that test
# for running until every other had run. Through a file, followed while the program
# runs, the error output ends with the program.
err=$(mktemp)
trap 'rm -f "$err"' EXIT
"${run[@]}" 2>"$err" &
pid=$!
tail -s 0.1 -n +1 -f --pid=$pid "$err" >&2
wait $pid
