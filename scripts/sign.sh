#!/bin/bash
# Signs programs for Windows (Authenticode, SHA-256) with a game author's
# code-signing certificate, in place, with osslsigncode (a Debian package).
# Usage: scripts/sign.sh CERT.pfx PASSWORD-FILE PROGRAM.exe...
#
# The certificate's password is read from PASSWORD-FILE (its first line),
# never taken as an argument and never printed. Where SIGN_TIMESTAMP_URL
# names a timestamp server (RFC 3161), each signature is timestamped there,
# so that it stays valid after the certificate expires. Every program is
# signed into a file beside it first; only when all are signed do they
# replace the programs, so that a failure leaves every program as it was.
# Removing the signature (osslsigncode remove-signature) gives back the
# program's bytes, to compare with the release's SHA256SUMS.
set -uo pipefail
if [ $# -lt 3 ]; then
  echo "usage: sign.sh CERT.pfx PASSWORD-FILE PROGRAM.exe..." >&2
  exit 2
fi
cert=$1 password=$2
shift 2
if [ ! -f "$cert" ] || [ ! -r "$cert" ]; then
  echo "sign: no certificate file that can be read: $cert" >&2
  exit 1
fi
if [ ! -f "$password" ] || [ ! -r "$password" ]; then
  echo "sign: no password file that can be read: $password" >&2
  exit 1
fi
if ! command -v osslsigncode >/dev/null; then
  echo "sign: osslsigncode is not installed (apt-get install osslsigncode)" >&2
  exit 1
fi
for program in "$@"; do
  if [ ! -f "$program" ]; then
    echo "sign: no program $program: nothing was signed" >&2
    exit 1
  fi
done
timestamp=()
[ -n "${SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$SIGN_TIMESTAMP_URL")

signed=()
cleanup() { for file in "${signed[@]}"; do rm -f "$file"; done; }
trap cleanup EXIT
for program in "$@"; do
  out="$program.signing"
  rm -f "$out"
  signed+=("$out")
  if ! result=$(osslsigncode sign -pkcs12 "$cert" -readpass "$password" -h sha256 "${timestamp[@]}" \
                  -in "$program" -out "$out" 2>&1); then
    reason=$(echo "$result" | grep -m1 -iE "password|pkcs12|mac|timestamp|failed|error" || echo "$result" | tail -n 1)
    echo "sign: $program was not signed, and no program was changed: $reason" >&2
    exit 1
  fi
done
for program in "$@"; do
  mv -f "$program.signing" "$program"
  echo "signed: $program"
done
signed=()
