#!/usr/bin/env bash
# Runs KalderaSim with the KV_UserLog plug-in, the sample console directory, the sample
# operator log and (when the generator is built) the sample reference data.
#
#   sim/demo.sh <repo top> [--docs]
#
# With a display a person can use, KalderaSim opens and runs until its window is closed.
# Headless, it runs scripted instead: it clicks every tab, runs a query on the Kaldera
# tab, a character query and an item query on the game log tab, opens an item's serial
# history from the row menu and then asks for all of it, runs a siege log query with
# "Query More", a server event log query and one refused for a stopped manager service,
# saves a screenshot of each step as PNG under <top>/build/demo/ and ends.
#
# Headless means any of: KV_DEMO_HEADLESS=1; no DISPLAY; standard output is not a
# terminal; the display is served by Xvfb (as kv.sh starts one when there is no
# display). KV_DEMO_HEADLESS=0 forces the interactive run.
#
# --docs runs scripted whatever the display, and when every step succeeded it also
# refreshes the operator's guide's copies of seven screenshots under <top>/docs/img/.
#
# --lang ko or --lang zh-TW runs the console as on Korean or Traditional Chinese Windows
# (Wine takes the language and the code page from LANG: ko_KR.UTF-8, zh_TW.UTF-8). The
# scripted run then writes its screenshots under <top>/build/demo/<lang>/ and adds a step:
# the items of a character whose item names are in that language (Haneul: Korean, Meilin:
# Traditional Chinese). With --docs and --lang ko it refreshes only the guide's picture of
# that step (game_log_korean.png); the guide has no Traditional Chinese picture.
#
# The builds used are <top>/build/win32 and <top>/build/native (the presets' folders);
# KV_DEMO_WIN32_BUILD and KV_DEMO_NATIVE_BUILD name others.
#
# Wine runs as in the tests: the private prefix wineprefix in the win32 build folder,
# WINEDEBUG=-all, and xvfb-run when DISPLAY is unset (cmake/wine-run.sh).
set -euo pipefail

usage="usage: demo.sh <repo top> [--docs] [--lang ko|zh-TW]"
top=$(cd "${1:?$usage}" && pwd)
docs=0
lang=
shift
while [ $# -gt 0 ]; do
  case $1 in
    --docs) docs=1 ;;
    --lang) lang=${2:-}; shift ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  shift
done
# The language's locale, and the character whose items carry its names.
case $lang in
  '') ;;
  ko) locale=ko_KR.UTF-8 names_of=Haneul ;;
  zh-TW) locale=zh_TW.UTF-8 names_of=Meilin ;;
  *) echo "demo: no language \"$lang\"; $usage" >&2; exit 2 ;;
esac
if [ "$docs" = 1 ] && [ "$lang" = zh-TW ]; then
  echo "demo: the guide has no Traditional Chinese picture; run --lang zh-TW without --docs" >&2
  exit 2
fi
if [ -n "$lang" ]; then
  if ! locale -a | grep -qix "${locale/UTF-8/utf8}"; then
    echo "demo: the locale $locale is missing (./kv.sh setup makes it)" >&2
    exit 1
  fi
  export LANG=$locale LC_ALL=$locale
fi
win32=${KV_DEMO_WIN32_BUILD:-$top/build/win32}
native=${KV_DEMO_NATIVE_BUILD:-$top/build/native}
sim_dir=$win32/sim
exe=$sim_dir/KalderaSim.exe
work=$top/build/demo/work
out=$top/build/demo${lang:+/$lang}
refdatagen=$native/tools/refdatagen/refdatagen

for f in KalderaSim.exe KV_UserLog.dll console.cfg console_log.txt game_log.txt siege_log.txt server_event_log.txt; do
  if [ ! -f "$sim_dir/$f" ]; then
    echo "demo: $sim_dir/$f is missing; build the win32 preset first" >&2
    exit 1
  fi
done

mkdir -p "$work" "$out"
if [ -f "$refdatagen" ] && [ -x "$refdatagen" ]; then
  rm -rf "$work/KV_GameRefData"
  "$refdatagen" --sample "$top/data/refdata" "$work/KV_GameRefData"
  echo "demo: sample reference data in $work/KV_GameRefData"
else
  echo "demo: no reference data generator at $refdatagen (build the native preset);"
  echo "      the plug-in runs without KV_GameRefData"
fi

served_by_xvfb() {
  local n=${DISPLAY#*:}
  n=${n%%.*}
  local lock=/tmp/.X$n-lock pid
  [ -r "$lock" ] || return 1
  pid=$(tr -d ' \n' < "$lock")
  [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]
}

headless=${KV_DEMO_HEADLESS:-}
if [ -z "$headless" ]; then
  headless=0
  if [ -z "${DISPLAY:-}" ] || [ ! -t 1 ] || served_by_xvfb; then headless=1; fi
fi

winpath() { printf 'Z:%s' "$1"; }
run_sim() {
  (cd "$work" && "$top/cmake/wine-run.sh" "$win32/wineprefix" "$exe" \
     --dll "$(winpath "$sim_dir/KV_UserLog.dll")" \
     --config "$(winpath "$sim_dir/console.cfg")" \
     --kdlog "$(winpath "$sim_dir/console_log.txt")" \
     --gamelog "$(winpath "$sim_dir/game_log.txt")" \
     --siegelog "$(winpath "$sim_dir/siege_log.txt")" \
     --serverevent "$(winpath "$sim_dir/server_event_log.txt")" "$@")
}

[ "$docs" = 1 ] && headless=1
if [ "$headless" != 1 ]; then
  echo "demo: starting KalderaSim on $DISPLAY; close its window to end"
  run_sim
  exit 0
fi

shots=(tab0_kaldera tab1_game_log tab2_siege_log tab3_server_event_log kaldera_query game_log_character
       game_log_item game_log_history game_log_history_all siege_log_query siege_log_more server_event_query
       server_event_stopped)
steps=()
for i in 0 1 2 3; do
  steps+=(--tab "$i" --screenshot "$(winpath "$out/${shots[$i]}.bmp")")
done
# A query by category over the whole sample year: more than 100 GM commands, so the
# plug-in lists 100 and warns of the limit. The span ends at a fixed time, so that the
# guide's picture does not change with the day the demo runs.
steps+=(--tab 0 --set 1015=Catagory --set "1016=GM Command" --set 1002=2026-1-1 --set 1003=00:00:00
        --set 1004=2026-12-31 --set 1005=23:59:59 --query --screenshot "$(winpath "$out/${shots[4]}.bmp")")
# Varnel on the first shard from 9 November on: every kind of character event (a first
# page of 50, so "Query More" is on), then his items.
steps+=(--tab 1 --set 1009=Character --set 1012=All --set 1001=Varnel --set 1002=2026-11-09
        --set 1003=00:00:00 --set 1004=2026-11-30 --set 1005=23:59:59 --query
        --screenshot "$(winpath "$out/${shots[5]}.bmp")"
        --set 1009=Item --set 1012=All --query --screenshot "$(winpath "$out/${shots[6]}.bmp")")
# The first item row's serial: its November history from the row menu, then all of it.
steps+=(--row 0 --menu 1 --screenshot "$(winpath "$out/${shots[7]}.bmp")"
        --box-click 1000 --screenshot "$(winpath "$out/${shots[8]}.bmp")" --box-click 1)
# Northwatch on the first shard in November: a first page of 50 events, then "Query
# More" appends the rest of the siege week.
steps+=(--tab 2 --set 1028=Velmora-Ember --set 1029=FORTRESS_NORTHWATCH --set 1009=All --set 1030=2026-11-01
        --set 1031=00:00:00 --set 1032=2026-11-30 --set 1033=23:59:59 --query
        --screenshot "$(winpath "$out/${shots[9]}.bmp")"
        --click 1036 --screenshot "$(winpath "$out/${shots[10]}.bmp")")
# The Monster Invasion on the first shard; then the third shard, whose manager service
# is stopped in console.cfg: the page refuses before it sends anything.
steps+=(--tab 3 --set 1038=Velmora-Ember --set "1039=Monster Invasion" --set 1040=All --set 1002=2026-11-01
        --set 1003=00:00:00 --set 1004=2026-11-30 --set 1005=23:59:59 --query
        --screenshot "$(winpath "$out/${shots[11]}.bmp")"
        --set 1038=Aschfeld-Gale --query --screenshot "$(winpath "$out/${shots[12]}.bmp")")
# In a language: the November items of the character whose item names are in it.
if [ -n "$lang" ]; then
  shots+=(game_log_names)
  steps+=(--tab 1 --set 1009=Item --set 1012=All --set "1001=$names_of" --set 1002=2026-11-01 --set 1003=00:00:00
          --set 1004=2026-11-30 --set 1005=23:59:59 --query --screenshot "$(winpath "$out/game_log_names.bmp")")
fi
steps+=(--quit)

echo "demo: running KalderaSim scripted (headless)"
rc=0
run_sim "${steps[@]}" 2> >(grep -v '^X connection' >&2) || rc=$?
for s in "${shots[@]}"; do
  if [ -f "$out/$s.bmp" ]; then
    convert "$out/$s.bmp" "$out/$s.png" && rm -f "$out/$s.bmp"
    echo "demo: wrote $out/$s.png"
  else
    echo "demo: no screenshot $s" >&2
    rc=1
  fi
done
# The guide shows a step at the full client area (the plug-in above, the log pane
# below), except the refusal: there the tab's controls (the top 92 rows) and the log
# pane (the bottom 168 rows, at KalderaSim's default size) are enough.
if [ "$docs" = 1 ] && [ "$rc" = 0 ] && [ "$lang" = ko ]; then
  bash "$top/sim/demo_docs.sh" "$out" "$top/docs/img" game_log_names:game_log_korean || rc=1
elif [ "$docs" = 1 ] && [ "$rc" = 0 ]; then
  bash "$top/sim/demo_docs.sh" "$out" "$top/docs/img" \
    kaldera_query:kaldera game_log_character:game_log_character game_log_item:game_log_item \
    game_log_history:item_history siege_log_more:siege_log server_event_query:server_event_log \
    "server_event_stopped:refusal_stopped_service:1092x92+0+0,1092x168+0+665" || rc=1
elif [ "$docs" = 1 ]; then
  echo "demo: a step failed; the guide's pictures stay as they were" >&2
fi
exit $rc
