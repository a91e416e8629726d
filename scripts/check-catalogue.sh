#!/bin/bash
# Checks the translators' template Wickcheck writes for the demo folder:
# gettext's own msgfmt --check accepts it, it has one entry per text of the
# language file (25), and, by the Windows build under Wine, a room measured
# in Tunewick's dialog for each text a control shows (23: the caption's two
# parts have none). Usage: check-catalogue.sh PRESET (windows-x86 or windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
preset=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r demo "$work/game"
(cd "$work/game" && xvfb-run -a "$root/scripts/wine-run" "$root/build/$preset/wineprefix" \
   "$root/build/$preset/bin/Wickcheck.exe" --po-template "$work/demo.pot") >"$work/said.txt" 2>&1 ||
  { cat "$work/said.txt"; echo "check-catalogue: Wickcheck wrote no template" >&2; exit 1; }
msgfmt --check -o /dev/null "$work/demo.pot" 2>"$work/msgfmt.txt" ||
  { cat "$work/msgfmt.txt"; echo "check-catalogue: msgfmt --check refuses the template" >&2; exit 1; }
entries=$(grep -c '^msgctxt ' "$work/demo.pot")
rooms=$(grep -cE '^#\. Room: [0-9]+ pixels, about [0-9]+ characters' "$work/demo.pot")
if [ "$entries" -ne 25 ] || [ "$rooms" -ne 23 ]; then
  echo "check-catalogue: the template has $entries entries (25 wanted) and $rooms rooms (23 wanted)" >&2
  exit 1
fi
echo "check-catalogue: msgfmt --check accepts the demo's template: $entries entries, $rooms rooms measured"
