#!/bin/bash
# Prints Runwick's figures under Wine: the time from its start to the game's
# window beside a minimal C launcher and the game started directly; then,
# while the stand-in game runs for 10 s, the CPU time Runwick's own process
# uses (from /proc) and how long Runwick outlives the game. Needs the
# windows-x86 build (scripts/test.sh makes it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows-x86
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$@"; fi
[ -x "$build/bin/Runwick.exe" ] || { echo "build windows-x86 first (bash scripts/test.sh)"; exit 1; }

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
mkdir -p "$game/System"
cp "$build/bin/StandInGame.exe" "$root/art/demogame.ico" "$game/"
printf '[Game]\r\nGameExe=StandInGame.exe\r\n[Startup]\r\nWinTitleOld=Benchmark\r\n[Icon]\r\nIC=TRUE\r\nIcon=demogame.ico\r\n[Tunewick]\r\nDetail=-w3d\r\nWin=-wnd\r\nScreen=-d 800x600x16\r\n' \
  >"$game/System/bench.lxf"
[ -x "$build/bin/launch_benchmark.exe" ] || cmake --build --preset windows-x86 --target launch_benchmark >/dev/null
STANDIN_GAME_SECONDS=0.3 "$root/scripts/wine-run" "$build/wineprefix" "$build/bin/launch_benchmark.exe" \
  "Z:${game//\//\\}" Benchmark "${LAUNCH_RUNS:-11}"
export STANDIN_GAME_SECONDS=10 STANDIN_GAME_REPORT="Z:${game//\//\\}\\report.txt"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

cd "$game"
"$root/scripts/wine-run" "$build/wineprefix" "$build/bin/Runwick.exe" &
launcher=$!
pid=""
for _ in $(seq 100); do
  pid=$(pgrep -f -i 'runwick\.exe' | grep -v "^$launcher\$" | tail -n 1 || true)
  [ -n "$pid" ] && [ -f report.txt ] && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "Runwick did not start"; exit 1; }
sleep 1  # the game's window is up and the icon passes run
start=$(cpu_ticks "$pid")
sleep 8
used=$(( $(cpu_ticks "$pid") - start ))
wait "$launcher"
ended=$(date +%s%3N)
game_ended=$(tr -d '\r' <report.txt | sed -n 's/^ended=//p')

awk -v used="$used" -v ticks="$ticks" -v outlived=$((ended - game_ended)) 'BEGIN {
  printf "Runwick CPU while the game runs: %.2f s in 8 s = %.2f%% of one core\n", used / ticks, 100 * used / ticks / 8
  printf "Runwick outlives the game by: %d ms (Wine process exit included)\n", outlived
}'
