#!/usr/bin/env bash
# Fuzz campaign: runs every libFuzzer target built in build/fuzz for SECONDS each,
# seeded from the sample data, and prints one line per target. Exits non-zero when any
# target crashed, hung, leaked or made a sanitizer report.
#   fuzz/run.sh SECONDS [target ...]      (build first: cmake --build build/fuzz --target fuzzers)
# KV_FUZZ_RUNS=N also stops each target after N executions, whichever comes first.
# The corpus each target grows is kept in build/fuzz/campaign/<target>/corpus for the
# next campaign; inputs that failed are saved beside it with the target's log.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_FUZZ_BUILD:-$top/build/fuzz}
seconds=${1:-}
shift || true
runs=${KV_FUZZ_RUNS:--1}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] || ! [[ "$runs" =~ ^-?[0-9]+$ ]]; then
  echo "usage: [KV_FUZZ_RUNS=N] fuzz/run.sh SECONDS [target ...]" >&2
  exit 2
fi

bin=$build/fuzz
seeds=$build/fuzz-seeds
campaign=$build/campaign
if [ ! -x "$bin/fuzz_seeds" ]; then
  echo "fuzz/run.sh: no fuzz build in $build (cmake --preset fuzz && cmake --build build/fuzz --target fuzzers)" >&2
  exit 2
fi
"$bin/fuzz_seeds" "$top/data" "$build/KV_GameRefData" "$seeds" >/dev/null || exit 2

# Every fuzz_* program here is a target, whoever added it.
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(find "$bin" -maxdepth 1 -type f -perm -u+x -name 'fuzz_*' ! -name fuzz_seeds -printf '%f\n' | sort)
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz/run.sh: no fuzz targets in $bin" >&2
  exit 2
fi

# Undefined behaviour stops the run like a crash, so its input is saved.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=0
printf '%-24s %12s %10s %8s %8s %8s\n' target executions 'exec/s' cov features crashes
for target in "${targets[@]}"; do
  dir=$campaign/$target
  mkdir -p "$dir/corpus"
  rm -f "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*
  seed=$seeds/$target
  [ -d "$seed" ] || seed=$seeds/common
  log=$dir/log.txt
  "$bin/$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" "$seed" >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$dir" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  reports=$(grep -c -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log")
  if [ "$rc" -ne 0 ] || [ "$crashes" -gt 0 ] || [ "$reports" -gt 0 ]; then
    failed=1
    [ "$crashes" -gt 0 ] || crashes=1
  fi
  printf '%-24s %12s %10s %8s %8s %8s\n' "$target" "${execs:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}" "$crashes"
  if [ "$crashes" -gt 0 ]; then
    echo "  see $log; failing inputs in $dir/" >&2
  fi
done
exit $failed
