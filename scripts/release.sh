#!/bin/bash
# Builds the release archive from the 32-bit Windows build: Tunewick.exe,
# Runwick.exe, the authors' guide and the license; tools/ with Wickcheck.exe and the
# stand-in game; samples/, a complete sample game folder. Then checks the
# archive's sample folder with the archive's own Wickcheck: no error, no
# warning. On a machine that starts no 32-bit program (scripts/runs-32bit)
# the 64-bit build's Wickcheck checks it instead: the archive still ships the
# 32-bit programs, which run on every Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
checker=../tools/Wickcheck.exe  # from samples/
checker_build=windows-x86
if ! why=$(scripts/runs-32bit); then
  checker_build=windows
  checker=$PWD/build/windows/bin/Wickcheck.exe
  echo "release: the sample folder is checked with the 64-bit Wickcheck ($checker), since $why"
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target Wickcheck >/dev/null
fi
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
(cd "$unpacked/samples" && "$root/scripts/wine-run" "$root/build/$checker_build/wineprefix" "$checker" --brief) \
  >"$unpacked/check.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "release: the archive's sample folder fails its check (exit status $status):" >&2
  cat "$unpacked/check.txt" >&2
  exit 1
fi
echo "$archive"
