#!/usr/bin/env bash
# Set-up, demo and tests of KV_UserLog on Debian (bookworm), as root.
#   ./kv.sh demo   build, then run KalderaSim with the plug-in and the sample data
#   ./kv.sh demo --docs   the scripted demo, and its pictures refresh docs/img/
#   ./kv.sh demo --lang ko|zh-TW   the demo as on Korean or Traditional Chinese Windows
#   ./kv.sh package   build the release archive build/win32/package/KV_UserLog-<version>.zip
#   ./kv.sh test   build every preset, run every test tier (native and under Wine),
#                  each fuzz target for a short smoke run over its seeds, build and
#                  check the release archive, and check that the DLL rebuilds the same
#   ./kv.sh setup  only install what is missing
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD

say() { printf '\n== %s\n' "$*"; }

packages=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
          g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386
          xvfb xauth imagemagick locales clang libclang-rt-dev pandoc zip
          fonts-nanum fonts-arphic-uming)
locales_needed=(ko_KR zh_TW en_GB)

setup() {
  local missing=()
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
  # Wine takes the user's language and ANSI code page from the Unix locale; the font
  # and code page tests and the demo's languages need these. Wine finds the Korean and
  # Chinese fonts of the packages above through fontconfig.
  for l in "${locales_needed[@]}"; do
    locale -a | grep -qx "$l.utf8" || localedef -i "$l" -f UTF-8 "$l.UTF-8"
  done
}

build() {
  local preset=$1
  say "configure and build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset"
}

# One X server for the whole run, so Wine windows need no xvfb-run per test.
start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=97
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
    export DISPLAY=":$n"
    # Nobody can see this display: the demo runs scripted and writes screenshots.
    export KV_DEMO_HEADLESS=1
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
}

# The release archive (package/CMakeLists.txt); sets $release to its path.
package() {
  say "package"
  cmake --preset win32 >/dev/null
  cmake --build build/win32 --target release_zip
  release=$(ls build/win32/package/KV_UserLog-*.zip)
  say "KV_UserLog.dll SHA-256: $(sha256sum build/win32/src/plugin/KV_UserLog.dll | cut -d' ' -f1)"
}

# The DLL built again in another folder must be the same byte for byte (with its debug
# file): anyone can then check that a shipped DLL came from its commit. The rebuild
# takes build/win32's compiler launcher: ccache with CCACHE_BASEDIR hands the compiler
# relative source paths, which end up in the debug information.
rebuild_check() {
  local dir=build/win32-rebuild launcher f
  say "rebuild check: KV_UserLog.dll in $dir"
  launcher=$(sed -n 's/^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=//p' build/win32/CMakeCache.txt)
  cmake --preset win32 -B "$dir" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_C_COMPILER_LAUNCHER="$launcher" >/dev/null
  cmake --build "$dir" --target KV_UserLog
  for f in KV_UserLog.dll KV_UserLog.dll.debug; do
    cmp "build/win32/src/plugin/$f" "$dir/src/plugin/$f" || { echo "FAIL: $f differs when rebuilt"; return 1; }
  done
  echo "the rebuilt KV_UserLog.dll and its debug file are the same"
}

run_tests() {
  local rc=0
  for preset in native-asan win32; do
    say "tests: $preset"
    ctest --test-dir "build/$preset" --output-on-failure -j2 || rc=1
  done
  return $rc
}

# Every fuzz target for a few seconds over its seed corpus (fuzz/run.sh).
fuzz_smoke() {
  say "configure and build: fuzz"
  cmake --preset fuzz >/dev/null
  cmake --build build/fuzz --target fuzzers
  say "fuzz smoke: ${KV_FUZZ_SECONDS:-10} s per target"
  fuzz/run.sh "${KV_FUZZ_SECONDS:-10}"
}

case "${1:-}" in
  setup)
    setup ;;
  test)
    setup
    build native
    build native-asan
    build win32
    rc=0
    package
    say "package check"
    bash tests/package/check_package.sh "$release" || rc=1
    rebuild_check || rc=1
    fuzz_smoke || rc=1
    start_display
    run_tests || rc=1
    exit $rc ;;
  demo)
    setup
    build native
    build win32
    start_display
    say "demo"
    bash "$top/sim/demo.sh" "$top" "${@:2}" ;;
  package)
    setup
    package
    say "release archive: $release" ;;
  *)
    echo "usage: $0 demo [--docs] [--lang ko|zh-TW]|package|test|setup" >&2
    exit 2 ;;
esac
