#!/bin/bash
# Checks setup.sh's two outcomes against stand-ins for apt-get, dpkg and
# dpkg-query put first on PATH, as on a machine whose i386 index is out of
# sync: `apt-get update` exits 100 there, and the package named by
# BROKEN cannot be installed. Nothing is installed for real.
#   - wine32:i386 broken: setup goes on (exit 0), saying why in one line that
#     names the package and apt's error, and leaves that line for runs-32bit;
#   - a package the demo needs broken: setup stops at once (exit 1) with one
#     line naming it, apt's error and the command to try again, and never
#     gets to the 32-bit loader.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"

cat >"$work/bin/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >>"$FAKE/calls"
held="E: Unable to correct problems, you have held broken packages."
[ "$BROKEN" = wine32:i386 ] || held="E: Unable to locate package $BROKEN"
case "$1" in
  update)
    echo "E: Failed to fetch binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100 ;;
  install)
    shift
    for word in "$@"; do [ "$word" = "$BROKEN" ] && { echo "$held" >&2; exit 100; }; done
    for word in "$@"; do [ "$word" = -s ] && exit 0; done
    for word in "$@"; do [ "${word#-}" = "$word" ] && echo "$word" >>"$FAKE/installed"; done
    exit 0 ;;
esac
exit 0
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/bash
grep -qx -- "${!#}" "$FAKE/installed" 2>/dev/null || exit 1
echo "install ok installed"
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >>"$FAKE/calls"
case "$1" in
  --print-foreign-architectures) cat "$FAKE/architectures" 2>/dev/null ;;
  --add-architecture) echo "$2" >>"$FAKE/architectures" ;;
esac
EOF
printf '#!/bin/bash\n"$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

failures=0
fail() { echo "setup: $1"; failures=$((failures + 1)); }

# Runs setup.sh demo with BROKEN=$1 in a fresh stand-in machine; sets status, out, err.
run_setup() {
  export FAKE=$work/$1 BROKEN=$1
  mkdir -p "$FAKE"
  PATH=$work/bin:$PATH TUNEWICK_SETUP_DIR=$FAKE/state TUNEWICK_NO_32BIT="" \
    bash "$root/scripts/setup.sh" demo >"$FAKE/out" 2>"$FAKE/err"
  status=$?
  out=$(cat "$FAKE/out")
  err=$(cat "$FAKE/err")
}

run_setup wine32:i386
said=$(grep "wine32:i386" <<<"$out" | grep "held broken packages")
[ $status -eq 0 ] || fail "an uninstallable wine32:i386 stopped it (exit $status): $err"
[ "$(grep -c . <<<"$said")" -eq 1 ] || fail "no one line named wine32:i386 and apt's error: $out"
grep -q "held broken packages" "$FAKE/state/no-32bit-loader.txt" 2>/dev/null ||
  fail "left runs-32bit no reason naming apt's error"
grep -qx xdotool "$FAKE/installed" && grep -qx wine64 "$FAKE/installed" ||
  fail "did not install the packages it cannot do without after apt-get update failed"
grep -qx "dpkg --add-architecture i386" "$FAKE/calls" || fail "did not add the i386 architecture"

run_setup xdotool
[ $status -eq 1 ] || fail "an uninstallable xdotool did not stop it (exit $status)"
[ "$(grep -c . <<<"$err")" -eq 1 ] && grep -q "xdotool: E: Unable to locate package xdotool" <<<"$err" &&
  grep -q "bash scripts/setup.sh demo" <<<"$err" ||
  fail "did not name xdotool, apt's error and the command to try again in one line: $err"
grep -q "wine32" "$FAKE/calls" && fail "went on to the 32-bit loader after a package it needs failed"

[ $failures -eq 0 ] || exit 1
echo "setup: goes on without wine32:i386, saying why; stops at once, naming it, on a package it needs"
