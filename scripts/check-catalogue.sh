#!/bin/bash
# Checks the translators' template Wickcheck writes for the demo folder:
# gettext's own msgfmt --check accepts it, it has one entry per text of the
# language file (25), and, by the Windows build under Wine, a room measured
# in Tunewick's dialog for each text a control shows (23: the caption's two
# parts have none). Then, with an accented title (Windows-1252) and a text
# marking an accented Alt letter, the template and the catalogue of the
# native build and of that Windows build are UTF-8 from their first byte to
# their last. Usage: check-catalogue.sh PRESET (windows-x86 or windows).
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

# Every byte UTF-8, the comments too: the title and the letters come from files in the code page.
cp -r demo "$work/accented"
sed -i 's/^Title=Night Run/Title=Caf\xe9 Nuit/' "$work/accented/System/nightrun.lxf"
sed -i 's/^OK=Save && E&xit/OK=\&\xc4rger/' "$work/accented/System/english.lng"
for option in --po-template --po; do
  build/native/bin/Wickcheck "$option" "$work/native.po" "$work/accented" >"$work/said.txt" 2>&1 &&
    (cd "$work/accented" && xvfb-run -a "$root/scripts/wine-run" "$root/build/$preset/wineprefix" \
       "$root/build/$preset/bin/Wickcheck.exe" "$option" "$work/wine.po") >>"$work/said.txt" 2>&1 ||
    { cat "$work/said.txt"; echo "check-catalogue: Wickcheck $option wrote nothing for the accented folder" >&2; exit 1; }
  for made in native wine; do
    if ! iconv -f UTF-8 -t UTF-8 "$work/$made.po" >/dev/null 2>&1 || ! grep -qF "$(printf 'Caf\xc3\xa9 Nuit')" "$work/$made.po"; then
      echo "check-catalogue: Wickcheck $option ($made) wrote bytes that are no UTF-8, or not the title in UTF-8" >&2
      exit 1
    fi
  done
done
echo "check-catalogue: the catalogues of a folder with an accented title are UTF-8 throughout, natively and under Wine"
