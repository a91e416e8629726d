#!/bin/bash
# The Linux Wickcheck against the Windows one, on the test corpus: the broken
# and the generated game folders (build/native's write_corpus), and the demo
# folder with its files' names in other letter case than the settings file
# writes them, which Windows finds and so must the Linux check.
# Usage: check-wickchecks.sh LINUX-WICKCHECK WINDOWS-PRESET
# Each runs from the corpus with the folder's name as its argument; the
# Windows one under Wine, on a virtual display. scripts/check_wickchecks.py
# compares their findings and holds the problem matcher to every brief line;
# then every SARIF log, and the demo folder's, goes to the SARIF validator
# (where the setup could not install it, that is said, and skipped).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
linux=$(realpath "$1")
preset=$2
windows=$root/build/$preset/bin/Wickcheck.exe
prefix=$root/build/$preset/wineprefix
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT

cmake --build --preset native --target write_corpus >/dev/null || exit 1
folders=$(build/native/bin/write_corpus "$corpus/folders") || exit 1
# The demo folder, every name in another letter case.
other=$corpus/folders/other-case
mkdir -p "$other/system"
# One mistake on its last line, which only a check that reads the file finds.
{ cat demo/System/nightrun.lxf; printf 'Bogus=1\n'; } >"$other/system/NIGHTRUN.LXF"
cp demo/System/english.lng "$other/system/English.Lng"
cp demo/nightrun.bmp "$other/NightRun.BMP"
cp art/demogame.ico "$other/NIGHTRUN.ICO"
: >"$other/standingame.EXE"
: >"$other/RUNWICK.exe"
folders="$folders other-case"

failed=0
cd "$corpus/folders"
for folder in $folders; do
  "$linux" --sarif "$folder" >"../$folder.linux.sarif"
  "$linux" --brief "$folder" >"../$folder.linux.brief"
  "$linux" --json "$folder" >"../$folder.linux.json"
done
# The Windows ones on one virtual display, with one wine server kept for
# them all (a server that ends after each program starts Wine's services
# anew for the next, seconds each), ended after the last.
export root prefix windows folders
xvfb-run -a bash -c '"$root/scripts/wine-run" "$prefix" || exit 1
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
WINEPREFIX="$prefix" "$wineserver" -p
for folder in $folders; do
  for form in sarif brief; do
    "$root/scripts/wine-run" "$prefix" "$windows" "--$form" "$folder" >"../$folder.windows.$form" 2>/dev/null
  done
done
"$root/scripts/wine-stop" "$prefix"'

# In the folder of other letter case each file was found, and read: the
# one mistake alone.
if [ "$(grep -c . ../other-case.linux.brief)" != 1 ] || ! grep -q "Bogus: .*\[unknown-key\]$" ../other-case.linux.brief ||
   [ "$(grep -c . ../other-case.windows.brief)" != 1 ]; then
  echo "check-wickchecks: in the folder of other letter case, a file was not found or not read:"
  cat ../other-case.linux.brief ../other-case.windows.brief
  failed=1
fi
cd "$root"
python3 scripts/check_wickchecks.py wickcheck/pipeline/wickcheck-problem-matcher.json "$corpus" $folders || failed=1

# The demo folder's log too (the release's sample folder beside the Linux
# Wickcheck, or the demo's own), and a folder that cannot be checked.
demo=$(dirname "$linux")/../../samples
[ -f "$demo/System/nightrun.lxf" ] || demo=build/demo-game
if ! "$linux" --sarif "$demo" >"$corpus/demo.linux.sarif" 2>&1; then
  echo "check-wickchecks: the demo folder $demo does not pass the Linux Wickcheck's check"
  failed=1
fi
"$linux" --sarif "$corpus/no such folder" >"$corpus/unchecked.linux.sarif" 2>/dev/null
if ! grep -q '"executionSuccessful": false' "$corpus/unchecked.linux.sarif"; then
  echo "check-wickchecks: the log of a folder that cannot be opened does not say the run failed"
  failed=1
fi
validator=build/sarif-multitool/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool
if [ -f build/setup/no-sarif-multitool.txt ] || [ ! -x "$validator" ]; then
  echo "Not run: the SARIF validator, since $(cat build/setup/no-sarif-multitool.txt 2>/dev/null || echo "it is not installed (scripts/setup.sh installs it).")"
else
  logs=("$corpus"/*.sarif)
  out=$(DOTNET_SYSTEM_GLOBALIZATION_INVARIANT=1 "$validator" validate --rule-kind "Gh;Sarif" "${logs[@]}" 2>&1)
  status=$?
  errors=$(grep -E ": error [A-Z]+[0-9]+:" <<<"$out")
  if [ $status -ne 0 ] || [ -n "$errors" ]; then
    echo "$out" | grep -vE ": (warning|note) [A-Z]+[0-9]+:"
    echo "check-wickchecks: the SARIF validator finds errors (exit status $status)"
    failed=1
  else
    echo "check-wickchecks: ${#logs[@]} SARIF logs valid (sarif-multitool validate --rule-kind \"Gh;Sarif\"):" \
      "$(grep -cE ": warning [A-Z]+[0-9]+:" <<<"$out") warnings, no error"
  fi
fi
exit $failed
