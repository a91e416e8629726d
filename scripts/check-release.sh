#!/bin/bash
# Checks the release that scripts/release.sh made in build/windows-x86/release:
# - the same sources give the same bytes: the tree is copied into another
#   folder and the release made again there, a while later; both archives and
#   both SHA256SUMS must be equal;
# - scripts/sign.sh, with a throwaway self-signed certificate made here:
#   osslsigncode verify accepts the signed Runwick, the signed Runwick still
#   starts the stand-in game under Wine, and without its signature it is the
#   unsigned program again, byte for byte; a wrong password or a missing
#   certificate is refused, and the program is left as it was.
# On a machine that starts no 32-bit program (scripts/runs-32bit) the 64-bit
# build's Runwick is the one signed and started.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD
release=$here/build/windows-x86/release
[ -f "$release/SHA256SUMS" ] || { echo "check-release: no release to check: run scripts/release.sh first" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "check-release: the release made again in another folder ($work/source)"
mkdir "$work/source"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
  [ -e "$file" ] && printf '%s\0' "$file"
done | tar -cf - --null -T - | tar -xf - -C "$work/source"
start=$(date +%s)
(cd "$work/source" && RELEASE_NO_SAMPLE_CHECK=1 bash scripts/release.sh >"$work/rebuild.log" 2>&1) ||
  { cat "$work/rebuild.log"; echo "check-release: the second build failed" >&2; exit 1; }
again=$work/source/build/windows-x86/release
if ! cmp -s "$release/SHA256SUMS" "$again/SHA256SUMS" ||
   ! cmp -s "$release"/Tunewick-*.zip "$again"/Tunewick-*.zip; then
  diff "$release/SHA256SUMS" "$again/SHA256SUMS" >&2 || true
  echo "check-release: two builds of the same sources differ" >&2
  exit 1
fi
echo "check-release: the same archive, byte for byte, from another folder ($(( $(date +%s) - start )) s):"
cat "$release/SHA256SUMS"

echo "check-release: signing with a throwaway certificate"
cd "$work"
printf 'throwaway password\n' >password
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
  -subj "/CN=Throwaway signer of check-release" 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.pfx -passout file:password
build=windows-x86
scripts_runs32=$here/scripts/runs-32bit
"$scripts_runs32" >/dev/null || build=windows
game=$work/game
cp -r "$release"/Tunewick-*-win32/samples "$game"
if [ "$build" = windows ]; then
  cp "$here/build/windows/bin/Runwick.exe" "$here/build/windows/bin/StandInGame.exe" "$game/"
fi
cp "$game/Runwick.exe" unsigned.exe
printf 'wrong password\n' >wrong
if "$here/scripts/sign.sh" cert.pfx wrong "$game/Runwick.exe" 2>/dev/null ||
   "$here/scripts/sign.sh" nothing.pfx password "$game/Runwick.exe" 2>/dev/null ||
   ! cmp -s unsigned.exe "$game/Runwick.exe"; then
  echo "check-release: a wrong password or a missing certificate was not refused, or changed the program" >&2
  exit 1
fi
"$here/scripts/sign.sh" cert.pfx password "$game/Runwick.exe"
osslsigncode verify -CAfile cert.pem -in "$game/Runwick.exe" >verify.txt ||
  { cat verify.txt; echo "check-release: osslsigncode verify refuses the signed Runwick" >&2; exit 1; }
osslsigncode remove-signature -in "$game/Runwick.exe" -out unsigned-again.exe >/dev/null
cmp -s unsigned.exe unsigned-again.exe ||
  { echo "check-release: Runwick without its signature is not the unsigned program" >&2; exit 1; }
# Runwick keeps the icon until the game ends (IC is TRUE), so its end is the game's.
(cd "$game" && STANDIN_GAME_REPORT=$work/report.txt STANDIN_GAME_SECONDS=0.5 \
   xvfb-run -a "$here/scripts/wine-run" "$here/build/$build/wineprefix" Runwick.exe >/dev/null 2>&1)
if ! grep -q '^ended=' "$work/report.txt" 2>/dev/null; then
  echo "check-release: the signed Runwick did not start the stand-in game" >&2
  exit 1
fi
echo "check-release: signed Runwick verified, started the stand-in game, and is the release's bytes without its signature"
