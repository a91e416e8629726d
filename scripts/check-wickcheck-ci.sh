#!/bin/bash
# Runs the pipeline job's script (scripts/wickcheck-ci.sh, shipped as
# tools/wickcheck-ci.sh) on the release just built, all but the upload:
# from the archive as a file on its sample folder, the demo game (no
# finding: it passes); from the archive as an address (file://) on the
# sample folder with its icon gone (warnings: it passes with --fail-on
# error, fails with --fail-on warning); and a changed archive, which its
# sums refuse.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
release=$root/build/windows-x86/release
archive=$(ls "$release"/Tunewick-*-win32.zip 2>/dev/null | head -n 1)
[ -n "$archive" ] || { echo "check-wickcheck-ci: no release archive: run scripts/release.sh first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0
expect() {  # STATUS WHAT COMMAND...
  local want=$1 what=$2 status
  shift 2
  "$@" >"$work/out" 2>&1
  status=$?
  if [ "$status" -ne "$want" ]; then
    cat "$work/out"
    echo "check-wickcheck-ci: $what: exit status $status, not $want"
    failed=1
  fi
}
python3 -m zipfile -e "$archive" unpacked
cp -r unpacked/samples game
job=$root/scripts/wickcheck-ci.sh

expect 0 "the sample folder, the archive a file" bash "$job" "$archive" game
grep -q '"executionSuccessful": true' wickcheck.sarif && ! grep -q '"ruleId"' wickcheck.sarif ||
  { echo "check-wickcheck-ci: the sample folder's log is not that of a check without findings"; failed=1; }
rm game/nightrun.ico
expect 0 "warnings, --fail-on error" bash "$job" --fail-on error --sarif icon.sarif "file://$archive" game
grep -q '"ruleId": "icon-none"' icon.sarif && grep -q '"uri": "game/System/nightrun.lxf"' icon.sarif ||
  { echo "check-wickcheck-ci: the log lacks the missing icon at the settings file"; failed=1; }
expect 1 "warnings, --fail-on warning" bash "$job" --fail-on warning "file://$archive" game
cp "$archive" "$work/$(basename "$archive")" && cp "$release/SHA256SUMS" "$work/"
printf 'x' >>"$work/$(basename "$archive")"
expect 3 "an archive that its sums do not match" bash "$job" "$work/$(basename "$archive")" game
[ $failed -eq 0 ] && echo "check-wickcheck-ci: the job's script passes the sample folder from the archive as a file and as an address, fails on warnings where asked, refuses a changed archive"
exit $failed
