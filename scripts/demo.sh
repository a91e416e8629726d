#!/bin/bash
# The demo: builds both programs for Windows (32-bit, what ships), puts them
# in a demo game folder with its settings, language file, picture, icon and
# the stand-in game, and opens Tunewick there under Wine: on your display
# when there is one, otherwise on a virtual one, saving a screenshot.
# Save & Exit opens Runwick, which starts the stand-in game with the options.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$root/build/windows-x86
game=$root/build/demo-game

run_tunewick() { cd "$game" && "$root/scripts/wine-run" "$build/wineprefix" Tunewick.exe; }

# On a virtual display (the script calls itself under xvfb-run): photograph
# the dialog once it is up, then close it.
# Photograph the screen once it shows more than a few colours.
photograph_when_shown() {
  for _ in $(seq 150); do
    sleep 0.2
    if import -window root "$1" 2>/dev/null && [ "$(convert "$1" -format "%k" info:)" -gt 16 ]; then break; fi
  done
  sleep 1
  import -window root -trim +repage "$1"
}

# On a virtual display (the script calls itself under xvfb-run): photograph
# the dialog, press Enter (Save & Exit), photograph the stand-in game that
# Runwick started, then close everything.
if [ "${1:-}" = "--photograph" ]; then
  run_tunewick &
  photograph_when_shown "$2"
  xdotool key Return
  sleep 1
  photograph_when_shown "$3"
  WINEPREFIX="$build/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait || true
  exit 0
fi

bash scripts/setup.sh
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target Tunewick Runwick StandInGame >/dev/null

rm -rf "$game"
mkdir -p "$game"
cp -r demo/. "$game/"
cp art/demogame.ico "$game/nightrun.ico"
cp "$build/bin/Tunewick.exe" "$build/bin/Runwick.exe" "$build/bin/StandInGame.exe" "$game/"
echo "Demo game folder: $game"

if [ -n "${DISPLAY:-}" ]; then
  echo "Opening Tunewick; Save & Exit starts the stand-in game through Runwick."
  run_tunewick
  exit 0
fi

dialog_shot=$root/build/demo-tunewick.png
game_shot=$root/build/demo-game.png
xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --photograph "$dialog_shot" "$game_shot"
echo "No display here, so the demo ran on a virtual display:"
echo "  Tunewick's dialog:                         $dialog_shot"
echo "  after Save & Exit, the game Runwick started: $game_shot"
