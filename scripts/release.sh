#!/bin/bash
# Builds the release archive from the 32-bit Windows build: Tunewick.exe,
# Runwick.exe, the authors' guide and the license; tools/ with Wickcheck.exe and the
# stand-in game; samples/, a complete sample game folder. Then checks the
# archive's sample folder with the archive's own Wickcheck: no error, no
# warning.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target Tunewick Runwick Wickcheck StandInGame >/dev/null
# An archive of an earlier version would stand beside this one: only the new one stays.
rm -f build/windows-x86/Tunewick-*-win32.zip
(cd build/windows-x86 && cpack -C Release >/dev/null)
archive=$(ls -1 "$PWD"/build/windows-x86/Tunewick-*-win32.zip)

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$archive")
for shipped in Tunewick.exe Runwick.exe game-authors.md LICENSE tools/Wickcheck.exe samples/System/nightrun.lxf; do
  if [ ! -f "$unpacked/$shipped" ]; then
    echo "release: the archive lacks $shipped" >&2
    exit 1
  fi
done
root=$PWD
status=0
(cd "$unpacked/samples" && "$root/scripts/wine-run" "$root/build/windows-x86/wineprefix" ../tools/Wickcheck.exe --brief) \
  >"$unpacked/check.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "release: the archive's sample folder fails its check (exit status $status):" >&2
  cat "$unpacked/check.txt" >&2
  exit 1
fi
echo "$archive"
