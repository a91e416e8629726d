#!/bin/bash
# Prints the programs' figures: profile reads of a 10,000-line settings file
# (portable back end natively, Win32 functions under Wine), Tunewick's start
# to a visible dialog beside a minimal dialog program, the programs' sizes,
# and Runwick's CPU use and exit delay while a game runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$@"; fi
bash scripts/setup.sh
for preset in native-release windows-x86; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
build=$root/build/windows-x86
wine_run() { "$root/scripts/wine-run" "$build/wineprefix" "$@"; }

echo "machine: $(nproc) cores, $(free -g | awk '/Mem:/ { print $2 }') GiB, $(. /etc/os-release && echo "$PRETTY_NAME"), $(/usr/lib/wine/wine64 --version)"
build/native-release/bin/profile_read_benchmark
wine_run "$build/bin/profile_read_benchmark.exe"

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r demo/. "$game/"
cp art/demogame.ico "$game/nightrun.ico"
wine_run "$build/bin/startup_benchmark.exe" "Z:${game//\//\\}"

for program in Tunewick Runwick; do
  printf 'size of %s.exe (32-bit, static, stripped): %d bytes\n' "$program" "$(stat -c %s "$build/bin/$program.exe")"
done
bash scripts/benchmark-launcher.sh
