#!/bin/bash
# Builds every preset and runs every test: natively on the portable back end
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), the 32-bit
# Windows build with all its tests under Wine on a virtual display, the
# 64-bit one with its unit tests, the release with its Linux Wickcheck
# against the Windows one, then a short run of each fuzzer. On a
# machine that starts no 32-bit program (scripts/runs-32bit), the 32-bit
# build is built only, and the 64-bit one runs every Windows test instead.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1  # it says what failed

# Asked once; the scripts called below act on the same answer.
if ! TUNEWICK_NO_32BIT_WHY=$(scripts/runs-32bit); then
  export TUNEWICK_NO_32BIT=1 TUNEWICK_NO_32BIT_WHY
  echo "The windows-x86 tests will not run: $TUNEWICK_NO_32BIT_WHY The windows (x64) build runs every Windows test."
fi

failed=()
run_preset() {
  local preset=$1
  shift
  echo "=== $preset (at ${SECONDS} s)"
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
echo "=== scripts (at ${SECONDS} s)"
check_wine_run || failed+=("scripts")
bash scripts/check-setup.sh || failed+=("scripts (setup)")
bash scripts/check-docs.sh || failed+=("scripts (docs)")

run_preset native ctest --preset native
run_preset native-sanitize ctest --preset native-sanitize
# The Windows build whose end-to-end tests run: the 32-bit one, what ships,
# where this machine starts it; the other runs its unit tests, or is only
# built. Each prefix is whole, and nothing an earlier, cut-off run left
# runs in it.
windows_tests() {
  local preset=$1 scope=$2
  make_wine_prefix "$preset" && stop_wine "$preset" || failed+=("$preset (Wine prefix)")
  if [ "$scope" = all ]; then
    run_preset "$preset" ran_end_to_end "$preset" xvfb-run -a ctest --preset "$preset"
  else
    run_preset "$preset" xvfb-run -a ctest --preset "$preset" -E "end_to_end|settings_dialog|code_page"
  fi
}
# Counts only when the end-to-end tests were among those run: a run that
# fails is reported as the preset's failure.
end_to_end_ran=""
ran_end_to_end() {
  local preset=$1
  shift
  [ "$(ctest --preset "$preset" -N -R end_to_end | grep -c "Test *#")" -gt 0 ] && end_to_end_ran=$preset
  "$@"
}
if [ "${TUNEWICK_NO_32BIT:-}" = 1 ]; then
  run_preset windows-x86 true
  windows_tests windows all
else
  windows_tests windows-x86 all
fi
echo "=== translators' catalogue (at ${SECONDS} s)"
bash scripts/check-catalogue.sh "${end_to_end_ran:-windows-x86}" || failed+=("translators' catalogue")
echo "=== release archive (at ${SECONDS} s)"
bash scripts/release.sh && bash scripts/check-release.sh || failed+=("release archive")
# The release's Linux Wickcheck against the Windows build that ran its
# end-to-end tests, on the test corpus; the SARIF logs validated; the
# pipeline job's script on the release just built.
echo "=== Linux Wickcheck and the pipeline job (at ${SECONDS} s)"
linux_wickcheck=$(ls build/windows-x86/release/Tunewick-*-win32/tools/linux-x86_64/wickcheck 2>/dev/null | head -n 1)
if [ -z "$linux_wickcheck" ]; then
  failed+=("Linux Wickcheck (no release)")
else
  bash scripts/check-wickchecks.sh "$linux_wickcheck" "${end_to_end_ran:-windows-x86}" || failed+=("Linux Wickcheck")
  bash scripts/check-wickcheck-ci.sh || failed+=("pipeline job")
fi
if [ "${TUNEWICK_NO_32BIT:-}" = 1 ]; then
  stop_wine windows
else
  stop_wine windows-x86
  windows_tests windows unit
  stop_wine windows
fi
echo "=== fuzz (at ${SECONDS} s)"
bash scripts/fuzz.sh || failed+=("fuzz")
rm -f build-errors.log

if [ -z "$end_to_end_ran" ]; then
  echo "Neither Windows build ran its end-to-end tests."
  failed+=("Windows end-to-end tests")
fi
if [ "${TUNEWICK_NO_32BIT:-}" = 1 ]; then
  echo "Not run: the windows-x86 tests (built only), since $TUNEWICK_NO_32BIT_WHY" \
       "The windows (x64) build ran them all instead."
fi
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All presets passed."
