#!/bin/bash
# Builds every preset and runs every test: natively on the portable back end
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), the 32-bit
# Windows build with all its tests under Wine on a virtual display, the
# 64-bit one with its unit tests, then a short run of each fuzzer.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1

failed=()
run_preset() {
  local preset=$1
  shift
  echo "=== $preset"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" >/dev/null 2>build-errors.log; then
    tail -n 40 build-errors.log
    failed+=("$preset (build)")
    return
  fi
  "$@" || failed+=("$preset")
}

# The prefix is made whole before any test runs in it (scripts/wine-run).
make_wine_prefix() {
  scripts/wine-run "$PWD/build/$1/wineprefix"
}

# Ends what the tests left running; only ever in a prefix that is whole.
stop_wine() {
  scripts/wine-stop "$PWD/build/$1/wineprefix"
}

# wine-run removes only what it made itself: a prefix of one's own survives.
check_wine_run() {
  local own
  own=$(mktemp -d)
  mkdir -p "$own/prefix/drive_c/users/player"
  echo "saved game" >"$own/prefix/drive_c/users/player/save.dat"
  touch "$own/prefix/system.reg"
  if scripts/wine-run "$own/prefix/" 2>/dev/null || [ ! -f "$own/prefix/drive_c/users/player/save.dat" ] ||
     [ -e "$own/prefix.lock" ] || [ -e "$own/prefix/.lock" ]; then
    echo "wine-run: a prefix it did not make was not left as it was"
    rm -rf "$own"
    return 1
  fi
  rm -rf "$own"
  echo "wine-run: a prefix it did not make is refused and left as it was"
}
echo "=== scripts"
check_wine_run || failed+=("scripts")

run_preset native ctest --preset native
run_preset native-sanitize ctest --preset native-sanitize
# A prefix whole, and nothing left running in it by an earlier, cut-off run.
make_wine_prefix windows-x86 && stop_wine windows-x86 || failed+=("windows-x86 (Wine prefix)")
make_wine_prefix windows && stop_wine windows || failed+=("windows (Wine prefix)")
run_preset windows-x86 xvfb-run -a ctest --preset windows-x86
echo "=== release archive"
bash scripts/release.sh || failed+=("release archive")
stop_wine windows-x86
run_preset windows xvfb-run -a ctest --preset windows -E "end_to_end|settings_dialog|code_page"
stop_wine windows
echo "=== fuzz"
bash scripts/fuzz.sh || failed+=("fuzz")
rm -f build-errors.log

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All presets passed."
