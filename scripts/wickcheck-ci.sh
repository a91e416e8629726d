#!/bin/bash
# Wickcheck in a pipeline: fetches the release's Linux Wickcheck, checks it
# against the release's SHA256SUMS, checks the game folder and writes the
# report as a SARIF log for code scanning; its findings also stand in the
# job's log, one line each (on GitHub Actions read by the problem matcher
# the release ships, as annotations).
#
# Usage: wickcheck-ci.sh [--fail-on error|warning] [--sarif FILE] ARCHIVE GAME-FOLDER
#   ARCHIVE      the release archive (Tunewick-VERSION-win32.zip): a file, or
#                an address (anything with "://", fetched with curl); its
#                SHA256SUMS stands beside it, in the same folder or at the
#                same address, as the release publishes them
#   --fail-on    error (the default): fails where Wickcheck finds an error;
#                warning: where it finds a warning or an error
#   --sarif      where the log goes (wickcheck.sarif)
# Exit status: 0 the folder passes, 1 it fails, 2 bad usage, 3 the archive
# could not be fetched, does not match its sums, or holds no Linux Wickcheck.
# Needs bash, coreutils, curl for an address, and unzip or python3.
set -uo pipefail
fail_on=error
sarif=wickcheck.sarif
usage() {
  echo "usage: wickcheck-ci.sh [--fail-on error|warning] [--sarif FILE] ARCHIVE GAME-FOLDER" >&2
  exit 2
}
while [ $# -gt 2 ]; do
  case "$1" in
    --fail-on) [ "${2:-}" = error ] || [ "${2:-}" = warning ] || usage; fail_on=$2; shift 2 ;;
    --sarif) [ -n "${2:-}" ] || usage; sarif=$2; shift 2 ;;
    *) usage ;;
  esac
done
[ $# -eq 2 ] || usage
archive=$1
folder=$2
[ -d "$folder" ] || { echo "wickcheck-ci: $folder is no folder" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=$(basename "$archive")
refused() {
  echo "wickcheck-ci: $*" >&2
  exit 3
}

# The archive and its sums, side by side.
if [[ "$archive" == *://* ]]; then
  curl -fsSL -o "$work/$name" "$archive" || refused "could not fetch $archive"
  curl -fsSL -o "$work/SHA256SUMS" "${archive%/*}/SHA256SUMS" || refused "could not fetch ${archive%/*}/SHA256SUMS"
else
  cp "$archive" "$work/$name" || refused "no archive $archive"
  cp "$(dirname "$archive")/SHA256SUMS" "$work/SHA256SUMS" || refused "no SHA256SUMS beside $archive"
fi
check_sum() {  # FILE, as SHA256SUMS names it, in FOLDER
  local line
  line=$(grep -E "^[0-9a-f]{64}  $1\$" "$work/SHA256SUMS") || refused "SHA256SUMS names no $1"
  (cd "$2" && sha256sum --quiet -c - <<<"$line") || refused "$1 does not match SHA256SUMS"
}
check_sum "$name" "$work"
mkdir "$work/release"
if command -v unzip >/dev/null; then
  unzip -q "$work/$name" -d "$work/release" || refused "$name is no archive that unzip reads"
else
  python3 -m zipfile -e "$work/$name" "$work/release" || refused "$name is no archive that Python reads"
fi
wickcheck=tools/linux-x86_64/wickcheck
[ -f "$work/release/$wickcheck" ] || refused "$name holds no $wickcheck"
check_sum "$wickcheck" "$work/release"
chmod +x "$work/release/$wickcheck"

# The folder as given: the log's files are the folder joined with their path in it.
"$work/release/$wickcheck" --sarif "$folder" >"$sarif"
status=$?
# The runner reads the matcher as it meets the line: a copy that outlives this script.
if [ -n "${GITHUB_ACTIONS:-}" ]; then
  matcher=${RUNNER_TEMP:-$PWD}/wickcheck-problem-matcher.json
  cp "$work/release/tools/wickcheck-problem-matcher.json" "$matcher" && echo "::add-matcher::$matcher"
fi
"$work/release/$wickcheck" --brief "$folder"
case $status in
  0) echo "wickcheck-ci: $folder passes: no warnings, no errors (log: $sarif)" ;;
  1) echo "wickcheck-ci: $folder has warnings, no errors (log: $sarif)"
     [ "$fail_on" = warning ] && exit 1 ;;
  2) echo "wickcheck-ci: $folder has errors (log: $sarif)"; exit 1 ;;
  *) echo "wickcheck-ci: Wickcheck could not check $folder (exit status $status; log: $sarif)"; exit 1 ;;
esac
exit 0
