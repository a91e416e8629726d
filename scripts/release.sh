#!/bin/bash
# Builds the release archive from the 32-bit Windows build: Tunewick.exe,
# Runwick.exe, the authors' guide and the license; tools/ with Wickcheck.exe, the
# stand-in game and the notices their libraries ask for; samples/, a complete sample game folder. Then checks the
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
# The MinGW threads library's licence asks for its notice with every copy of
# its code: Tunewick and Runwick, which go into games, hold none of it; the
# tools that do come with tools/NOTICES.txt. Read from each program's link map.
for program in Tunewick Runwick Wickcheck StandInGame; do
  map=$(find build/windows-x86 -name "$program.map" | head -n 1)
  if [ -z "$map" ]; then
    echo "release: no link map of $program.exe: cannot tell which libraries' code it holds" >&2
    exit 1
  fi
  grep -qE 'libpthread\.a\(' "$map" || continue
  holds="release: $program.exe holds code of the MinGW threads library (winpthreads), whose licence asks for its notice with every copy"
  case $program in
    Tunewick|Runwick)
      echo "$holds: a program that goes into a game must need none" >&2
      exit 1 ;;
  esac
  if ! grep -qs "winpthreads" "$unpacked/tools/NOTICES.txt"; then
    echo "$holds, and the archive's tools/NOTICES.txt does not carry it" >&2
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
