#!/bin/bash
# The demo: builds both programs for Windows (32-bit, what ships), puts them
# in a demo game folder with its settings, language file, picture, icon and
# the stand-in game, and opens Tunewick there under Wine: on your display
# when there is one, otherwise on a virtual one, photographing its dialog
# and then the stand-in game that Save & Exit starts through Runwick.
# The demo has a Wine prefix of its own, so it and the tests never share one.
# On a machine that starts no 32-bit program (scripts/runs-32bit) it shows
# the 64-bit build of the same programs instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=windows-x86
build=$root/build/$preset
game=$root/build/demo-game
prefix=$root/build/demo-wineprefix
log=$root/build/demo-wine.log
# The captions the demo folder gives: Tunewick's dialog ([Titlebar] of the
# language file around [Game] Title) and the stand-in game's (WinTitleOld).
dialog_caption="Night Run Settings"
game_caption="Night Run"
window_seconds=60

run_tunewick() { cd "$game" && "$root/scripts/wine-run" "$prefix" Tunewick.exe; }

# The X window with exactly this caption, once it is shown; fails after the time.
wait_for_window() {
  local caption=$1 id
  for _ in $(seq $((window_seconds * 5))); do
    id=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Photographs one window, then checks the picture is of that window: its
# size, and more than a blank.
photograph() {
  local id=$1 picture=$2 what=$3 width height
  sleep 1  # let it finish painting
  import -window "$id" "$picture"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  read -r width height colours < <(identify -format '%w %h %k\n' "$picture")
  if [ "$width" != "$WIDTH" ] || [ "$height" != "$HEIGHT" ] || [ "$width" -lt 200 ] || [ "$height" -lt 100 ] ||
     [ "$colours" -lt 4 ]; then
    echo "demo: the picture of $what is not of its window (${width}x${height}, $colours colours;" \
         "the window is ${WIDTH}x${HEIGHT})" >&2
    return 1
  fi
}

missing_window() {
  echo "demo: $1 did not appear within $window_seconds s. Wine's output is in $log" >&2
  return 1
}

# On a virtual display (the script calls itself under xvfb-run): photograph
# the dialog, press Enter (Save & Exit), photograph the stand-in game that
# Runwick started, then close everything.
if [ "${1:-}" = "--photograph" ]; then
  run_tunewick >>"$log" 2>&1 &
  status=0
  if ! dialog=$(wait_for_window "$dialog_caption"); then
    missing_window "Tunewick's dialog \"$dialog_caption\"" || status=1
  elif ! photograph "$dialog" "$2" "Tunewick's dialog"; then
    status=1
  else
    xdotool windowfocus --sync "$dialog" key Return
    if ! shown=$(wait_for_window "$game_caption"); then
      missing_window "The stand-in game's window \"$game_caption\", started by Runwick after Save & Exit," || status=1
    else
      photograph "$shown" "$3" "the stand-in game" || status=1
    fi
  fi
  # The prefix is whole by now: ending its programs cannot break it.
  "$root/scripts/wine-stop" "$prefix"
  wait || true
  exit $status
fi

bash scripts/setup.sh demo || exit 1
if ! why=$(scripts/runs-32bit); then
  echo "The 32-bit programs cannot start here: $why"
  echo "The demo folder gets the 64-bit build of the same programs instead (players get the 32-bit ones)."
  preset=windows
  build=$root/build/$preset
fi
# The demo builds the programs alone: no tests, so no GoogleTest to install.
cmake --preset "$preset" -DTUNEWICK_TESTS=OFF >/dev/null
cmake --build --preset "$preset" --target Tunewick Runwick StandInGame >/dev/null

# The folder is the demo's own: made anew from demo/ each time.
[ -d "$game" ] && echo "Replacing the demo game folder of an earlier run: $game"
rm -rf "$game"
mkdir -p "$game"
cp -r demo/. "$game/"
cp art/demogame.ico "$game/nightrun.ico"
cp "$build/bin/Tunewick.exe" "$build/bin/Runwick.exe" "$build/bin/StandInGame.exe" "$game/"
echo "Demo game folder: $game (the $preset build)"

# Made before any window is awaited, and never shown on a display.
echo "Preparing Wine (the first time takes 10 to 30 seconds)."
: >"$log"
"$root/scripts/wine-run" "$prefix" >>"$log" 2>&1
# Whole now: end whatever an earlier, cut-off demo left running in it.
"$root/scripts/wine-stop" "$prefix"

if [ -n "${DISPLAY:-}" ]; then
  echo "Opening Tunewick; Save & Exit starts the stand-in game through Runwick."
  run_tunewick
  exit 0
fi

dialog_shot=$root/build/demo-tunewick.png
game_shot=$root/build/demo-game.png
rm -f "$dialog_shot" "$game_shot"
xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --photograph "$dialog_shot" "$game_shot"
echo "No display here, so the demo ran on a virtual display:"
echo "  Tunewick's dialog:                           $dialog_shot"
echo "  after Save & Exit, the game Runwick started: $game_shot"
