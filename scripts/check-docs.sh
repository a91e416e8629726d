#!/bin/bash
# Checks the pages a newcomer reads: every scripts/ and docs/ path that the
# README and the docs name exists, the README keeps to a newcomer's page
# (150 lines at most) and gives both commands, the demo's and the tests',
# in its first 60 lines.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
for page in README.md docs/*.md; do
  # Paths as the pages write them; a <placeholder> or a * in one stands for many.
  for path in $(grep -oE '(scripts|docs)/[A-Za-z0-9_./<>*-]*[A-Za-z0-9_*>]' "$page" | sort -u); do
    case "$path" in *"<"*|*"*"*) continue ;; esac
    [ -e "$path" ] || { echo "check-docs: $page names $path, which does not exist"; status=1; }
  done
done
lines=$(wc -l <README.md)
[ "$lines" -le 150 ] || { echo "check-docs: README.md has $lines lines, more than 150"; status=1; }
for command in "bash scripts/demo.sh" "bash scripts/test.sh"; do
  head -n 60 README.md | grep -qxF "$command" ||
    { echo "check-docs: README.md does not give \"$command\" in its first 60 lines"; status=1; }
done
[ $status -eq 0 ] && echo "check-docs: every scripts/ and docs/ path the pages name exists; the README keeps to its size"
exit $status
