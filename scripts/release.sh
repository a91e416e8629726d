#!/bin/bash
# Builds the release archive from the 32-bit Windows build: Tunewick.exe,
# Runwick.exe, the authors' guide, the license, the changelog and the
# notices the programs' runtime code asks for; tools/ with Wickcheck.exe and
# the stand-in game, and linux-x86_64/wickcheck, Wickcheck for Linux
# pipelines: the same sources on the portable back end, statically linked;
# samples/, a complete sample game folder. Beside it,
# SHA256SUMS: the archive's sum and each program's.
#
# The same commit gives the same bytes, wherever and whenever it is built:
# the programs carry no build time and no path of the build machine, and the
# archive's entries stand in name order with one time, the commit's
# (SOURCE_DATE_EPOCH where it is set), and the same permissions.
#
# It fails where a shipped program holds code of a library that
# docs/release/runtime-objects.tsv does not name, where Tunewick or Runwick
# would need a notice beyond the runtime's own, or where a program imports a
# function docs/release/windows-functions.tsv does not give for the oldest
# Windows the README states. Then (unless RELEASE_NO_SAMPLE_CHECK=1) it
# checks the archive's sample folder with
# the archive's own Wickcheck: no error, no warning. On a machine that starts
# no 32-bit program (scripts/runs-32bit) the 64-bit build's Wickcheck checks
# it instead: the archive still ships the 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The oldest Windows, as the README states it for players and authors.
oldest=$(sed -n 's/^\*\*Oldest Windows: \(Windows [^.*]*\)\.\*\*.*/\1/p' README.md)
if [ -z "$oldest" ]; then
  echo "release: README.md states no oldest Windows (a line \"**Oldest Windows: Windows ....**\")" >&2
  exit 1
fi
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
    echo "release: no commit to take the archive's time from: set SOURCE_DATE_EPOCH" >&2
    exit 1
  fi
fi
export SOURCE_DATE_EPOCH

checker=../tools/Wickcheck.exe  # from samples/
checker_build=windows-x86
if [ "${RELEASE_NO_SAMPLE_CHECK:-}" != 1 ] && ! why=$(scripts/runs-32bit); then
  checker_build=windows
  checker=$PWD/build/windows/bin/Wickcheck.exe
  echo "release: the sample folder is checked with the 64-bit Wickcheck ($checker), since $why"
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target Wickcheck >/dev/null
fi
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target Tunewick Runwick Wickcheck StandInGame >/dev/null
cmake --preset linux-x86_64 >/dev/null
cmake --build --preset linux-x86_64 --target Wickcheck >/dev/null
linux_build=build/linux-x86_64

build=build/windows-x86
version=$(sed -n 's/^#define TUNEWICK_VERSION "\(.*\)"$/\1/p' "$build/generated/Version.h")
name=Tunewick-$version-win32
# What the archive carries is the changelog's newest section, and each
# program's manifest names the same version.
if [ "$(sed -n 's/^## \([^ ]*\) .*/\1/p' CHANGELOG.md | head -n 1)" != "$version" ]; then
  echo "release: the newest section of CHANGELOG.md is not version $version, the one CMakeLists.txt states" >&2
  exit 1
fi
out=$build/release
stage=$out/$name
rm -rf "$out"
mkdir -p "$stage"
cmake --install "$build" --prefix "$PWD/$stage" >/dev/null
mkdir -p "$stage/tools/linux-x86_64"
install -m 755 "$linux_build/bin/Wickcheck" "$stage/tools/linux-x86_64/wickcheck"
# Statically linked: it needs no library of the machine it runs on.
if readelf -d "$stage/tools/linux-x86_64/wickcheck" | grep -q NEEDED || ! readelf -h "$stage/tools/linux-x86_64/wickcheck" | grep -q "X86-64"; then
  echo "release: tools/linux-x86_64/wickcheck is no statically linked x86-64 program" >&2
  exit 1
fi

# The notices, from each program's link map.
maps=()
for shipped in Tunewick.exe Runwick.exe tools/Wickcheck.exe tools/StandInGame.exe samples/Tunewick.exe \
               samples/Runwick.exe samples/StandInGame.exe; do
  program=$(basename "$shipped" .exe)
  map=$(find "$build" -name "$program.map" -not -path "*/release/*" | head -n 1)
  if [ -z "$map" ]; then
    echo "release: no link map of $program.exe: cannot tell which libraries' code it holds" >&2
    exit 1
  fi
  maps+=("$shipped=$map")
done
maps+=("tools/linux-x86_64/wickcheck=$linux_build/wickcheck/Wickcheck.map")
python3 scripts/release_files.py notices docs/release/runtime-objects.tsv docs/release/notices "$stage" "${maps[@]}" \
  >"$out/notices.txt"
cat "$out/notices.txt"
# What goes into a game needs no notice but the runtime's own, which ships beside it.
if grep -E '^(samples/)?(Tunewick|Runwick)\.exe: ' "$out/notices.txt" | grep -vqE ': notices (none|mingw-w64-runtime)$'; then
  echo "release: Tunewick or Runwick would need a notice beyond the runtime's own: a program that goes into a game must not" >&2
  exit 1
fi
OBJDUMP=i686-w64-mingw32-objdump python3 scripts/release_files.py windows docs/release/windows-functions.tsv \
  "$oldest" "$stage" Tunewick.exe Runwick.exe tools/Wickcheck.exe tools/StandInGame.exe

# No path of the build machine in any shipped file.
python3 scripts/release_files.py paths "$build/CMakeCache.txt" "$stage"
python3 scripts/release_files.py paths "$linux_build/CMakeCache.txt" "$stage/tools/linux-x86_64"

archive=$out/$name.zip
(cd "$stage" && python3 "$OLDPWD/scripts/release_files.py" zip . "$OLDPWD/$archive")
(cd "$out" && sha256sum "$name.zip" && cd "$name" &&
 sha256sum Tunewick.exe Runwick.exe tools/Wickcheck.exe tools/StandInGame.exe tools/linux-x86_64/wickcheck) \
  >"$out/SHA256SUMS"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$archive")
for shipped in Tunewick.exe Runwick.exe game-authors.md LICENSE CHANGELOG.md NOTICES.txt tools/Wickcheck.exe \
               tools/wickcheck.md tools/sign.sh tools/NOTICES.txt tools/linux-x86_64/wickcheck \
               tools/linux-x86_64/NOTICES.txt tools/wickcheck-problem-matcher.json tools/wickcheck-ci.sh \
               samples/System/nightrun.lxf; do
  if [ ! -f "$unpacked/$shipped" ]; then
    echo "release: the archive lacks $shipped" >&2
    exit 1
  fi
done
quad=$(sed -n 's/^#define TUNEWICK_VERSION_NUMBERS \(.*\)$/\1/p' "$build/generated/Version.h" | sed 's/, /./g')
for program in Tunewick.exe Runwick.exe tools/Wickcheck.exe; do
  if ! grep -qaF "version=\"$quad\" processorArchitecture" "$unpacked/$program"; then
    echo "release: the manifest of $program does not give version $quad" >&2
    exit 1
  fi
done
# Each notice a program needs stands in the NOTICES.txt beside it, in the archive.
while IFS= read -r line; do
  program=${line%%: notices *}
  for notice in $(echo "${line#*: notices }" | tr -d ','); do
    [ "$notice" = none ] && continue
    heading=$(head -n 1 "docs/release/notices/$notice.txt")
    if ! grep -qF "$heading" "$unpacked/$(dirname "$program")/NOTICES.txt" 2>/dev/null; then
      echo "release: $program needs the notice of $heading, which the NOTICES.txt beside it lacks" >&2
      exit 1
    fi
  done
done <"$out/notices.txt"
if ! (cd "$unpacked" && cp "$OLDPWD/$out/SHA256SUMS" . && cp "$OLDPWD/$archive" . && sha256sum --quiet -c SHA256SUMS); then
  echo "release: SHA256SUMS does not match the archive and the programs in it" >&2
  exit 1
fi

[ "${RELEASE_NO_SAMPLE_CHECK:-}" = 1 ] && { echo "$PWD/$archive"; exit 0; }  # a rebuild to compare
root=$PWD
status=0
(cd "$unpacked/samples" && "$root/scripts/wine-run" "$root/build/$checker_build/wineprefix" "$checker" --brief) \
  >"$unpacked/check.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "release: the archive's sample folder fails its check (exit status $status):" >&2
  cat "$unpacked/check.txt" >&2
  exit 1
fi
echo "$PWD/$archive"
echo "$PWD/$out/SHA256SUMS"
