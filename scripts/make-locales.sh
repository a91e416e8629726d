#!/bin/bash
# Makes the glibc locales the code-page tests run Wine under into a folder of
# the tests' own, so that nothing of the system's locale settings changes.
# Wine takes the ANSI code page from LANG; it needs the glibc locale too, to
# map non-ASCII Unix file names. Usage: make-locales.sh DIR LOCALE...
# (LOCALE as de_DE); then run with LOCPATH=DIR LANG=de_DE.UTF-8.
set -euo pipefail
dir=$1
shift
mkdir -p "$dir"
for locale in "$@"; do
  [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] && continue
  # A cut-off run leaves a half-made locale: made anew.
  rm -rf "$dir/$locale.UTF-8"
  # localedef warns about some sources and still makes the locale: only a
  # locale it did not make is a failure, with what it said.
  said=$(localedef -i "$locale" -f UTF-8 "$dir/$locale.UTF-8" 2>&1) || true
  if [ ! -f "$dir/$locale.UTF-8/LC_CTYPE" ]; then
    rm -rf "$dir/$locale.UTF-8"
    echo "make-locales: could not make the locale $locale.UTF-8 in $dir${said:+: $said}" >&2
    [ -f "/usr/share/i18n/locales/$locale" ] || echo "make-locales: there is no locale source $locale (package locales)" >&2
    exit 1
  fi
done
