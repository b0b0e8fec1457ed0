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
if [ -z "${DISPLAY:-}" ]; then
  # Parallel tests each start a server: begin the search for a free display at a random
  # number so that two of them rarely race for the same one.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
