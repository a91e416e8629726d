#!/bin/bash
# Wickcheck's command line, by the native build: each row a command and the
# exit status it must end with (3: bad usage; 4: what this build cannot do).
# Usage: check-usage.sh WICKCHECK
set -u
wickcheck=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failures=0
while IFS='|' read -r status arguments; do
  [ -z "$status" ] && continue
  # shellcheck disable=SC2086  # the row's words are the arguments
  (cd "$folder" && "$wickcheck" $arguments >/dev/null 2>&1)
  got=$?
  if [ "$got" != "$status" ]; then
    echo "check-usage: Wickcheck $arguments exits $got, not $status"
    failures=$((failures + 1))
  fi
done <<'ROWS'
0|--help
0|--version
3|--seconds 5
3|--watch --seconds 0
3|--watch --seconds 3601
3|--watch --seconds 5x
3|--code-page 1252
3|--from-po
3|--from-po a.po
3|--from-po a.po b.lng --json
3|--po-template a.pot --watch
3|--preview
3|--bogus
3|one two
3|no-such-folder
4|--watch
4|--watch --seconds 3600
4|--from-po a.po b.lng --code-page 1251
4|--po-template no-such-folder/x.pot
2|--from-po no-such.po b.lng
2|--json
2|--sarif
3|--sarif no-such-folder
3|--po a.po --sarif
3|--from-po a.po b.lng --sarif
ROWS
[ $failures -eq 0 ] || exit 1
echo "check-usage: every command line ends as it must"
