#!/bin/bash
# Builds the three presets and runs every test: natively on the portable back
# end, and the Windows builds under Wine on a virtual display.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1

failed=()
run_preset() {
  local preset=$1
  shift
  echo "=== $preset"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j2 >/dev/null; then
    # Build again, quietly no more, so the errors show.
    cmake --build --preset "$preset" -j1 2>&1 | tail -40
    failed+=("$preset (build)")
    return
  fi
  "$@" ctest --preset "$preset" || failed+=("$preset")
}

stop_wine() {
  WINEPREFIX="$PWD/build/$1/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
}

run_preset native
run_preset windows-x86 xvfb-run -a
stop_wine windows-x86
run_preset windows xvfb-run -a
stop_wine windows

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All presets passed."
