#!/bin/bash
# Installs from Debian's packages what the demo or the tests need.
# Usage: setup.sh [demo]   (without "demo": everything the tests need)
#
# Two steps. First what the command cannot do without: the 64-bit toolchain,
# Wine, Xvfb and the rest; where one of those cannot be installed, it stops at
# once with one line naming the package, apt's error and the command to try
# again (exit 1). Then Wine's 32-bit loader (wine32:i386) on its own: where
# that cannot be installed (an i386 index out of sync, say), it says so in
# one line and goes on (exit 0), and scripts/runs-32bit gives that line as
# the reason the 32-bit programs cannot start, so the demo and the tests take
# the 64-bit build. For the tests, between the two, the SARIF validator from
# npm into build/sarif-multitool, which they can do without too (below). A
# failed `apt-get update` alone stops nothing: what
# counts is whether the packages install. Packages already present are
# skipped, so a run with nothing to do costs a second.
#
# apt's output goes to $TUNEWICK_SETUP_DIR/apt.log (build/setup by default).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
state=${TUNEWICK_SETUP_DIR:-$root/build/setup}
mkdir -p "$state" || exit 1
log=$state/apt.log
no_loader_note=$state/no-32bit-loader.txt
loader_package=wine32:i386

demo_packages=(cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64
               wine64 xvfb xauth imagemagick xdotool)
test_packages=(g++ libgtest-dev googletest clang libclang-rt-14-dev
               locales python3 openssl osslsigncode gettext curl)
case "${1:-}" in
  demo) needed=("${demo_packages[@]}") ;;
  "") needed=("${demo_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: setup.sh [demo]" >&2; exit 2 ;;
esac
try_again="bash scripts/setup.sh${1:+ $1}"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: installing packages needs root, and there is no sudo here. Run as root: $try_again" >&2
    exit 1
  fi
  sudo=(sudo)
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

# apt's last error line in what it just wrote to the log, or its exit status.
apt_error() {
  local line
  line=$(grep -E '^(E|Err):' "$1" | tail -n 1)
  echo "${line:-apt-get exited with status $2}"
}

# Brings the package lists up to date; a failure is noted, not fatal.
update_failed=""
apt_update() {
  local out=$state/apt-update.log status
  "${sudo[@]}" apt-get update -qq >"$out" 2>&1
  status=$?
  cat "$out" >>"$log"
  update_failed=""
  [ $status -eq 0 ] || update_failed=$(apt_error "$out" $status)
}

# Installs the packages; on failure leaves apt's output in $state/apt-install.log.
apt_install() {
  local out=$state/apt-install.log status
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$@" >"$out" 2>&1
  status=$?
  cat "$out" >>"$log"
  return $status
}

# The one of these packages that apt cannot install on its own, by a dry run each.
first_uninstallable() {
  local package out=$state/apt-dry-run.log
  for package in "$@"; do
    if ! apt-get install -s -qq "$package" >"$out" 2>&1; then
      echo "$package: $(apt_error "$out" 100)"
      return 0
    fi
  done
  return 1
}

: >"$log"

# Step one: what the command cannot do without.
missing=()
for package in "${needed[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_update
  if ! apt_install "${missing[@]}"; then
    what=$(first_uninstallable "${missing[@]}") || what="${missing[*]}: $(apt_error "$state/apt-install.log" 100)"
    because=""
    [ -n "$update_failed" ] && because=" (apt-get update had failed too: $update_failed)"
    echo "setup: cannot install ${what}${because}. Nothing can go on without it; try again later: $try_again (apt's output: $log)" >&2
    exit 1
  fi
fi

# Then, for the tests alone, the SARIF validator, pinned, into the build
# folder (npm's @microsoft/sarif-multitool-linux, npm from Debian where
# there is none): the tests can do without it, and say so
# (scripts/check-wickchecks.sh reads the note).
sarif_version=5.7.0
sarif_dir=$root/build/sarif-multitool
sarif_tool=$sarif_dir/node_modules/@microsoft/sarif-multitool-linux
no_validator_note=$state/no-sarif-multitool.txt
install_sarif_validator() {
  if grep -q "\"version\": \"$sarif_version\"" "$sarif_tool/package.json" 2>/dev/null &&
     [ -x "$sarif_tool/Sarif.Multitool" ]; then
    rm -f "$no_validator_note"
    return
  fi
  if ! command -v npm >/dev/null; then
    echo "Installing: npm"
    apt_update
    if ! apt_install npm; then
      echo "apt could not install npm ($(apt_error "$state/apt-install.log" 100))." >"$no_validator_note"
      echo "setup: $(cat "$no_validator_note") Going on without the SARIF validator: the SARIF logs are not validated."
      return
    fi
  fi
  echo "Installing the SARIF validator: @microsoft/sarif-multitool-linux@$sarif_version into $sarif_dir"
  local out=$state/npm.log
  # Its install script only marks the program as one to run: done here.
  if npm install --no-save --no-audit --no-fund --prefix "$sarif_dir" \
       "@microsoft/sarif-multitool-linux@$sarif_version" >"$out" 2>&1 && chmod u+x "$sarif_tool/Sarif.Multitool"; then
    rm -f "$no_validator_note"
  else
    echo "npm could not install @microsoft/sarif-multitool-linux@$sarif_version ($(grep -m1 'ERR' "$out" || tail -n 1 "$out"))." \
      >"$no_validator_note"
    echo "setup: $(cat "$no_validator_note") Going on without it: the SARIF logs are not validated."
  fi
  cat "$out" >>"$log"
}
[ -z "${1:-}" ] && install_sarif_validator

# Step two: the 32-bit loader, which the command can do without.
[ "${TUNEWICK_NO_32BIT:-}" = 1 ] && exit 0
if installed "$loader_package"; then
  rm -f "$no_loader_note"
  exit 0
fi
echo "Installing Wine's 32-bit loader: $loader_package"
if ! dpkg --print-foreign-architectures | grep -qx i386 &&
   ! "${sudo[@]}" dpkg --add-architecture i386 >>"$log" 2>&1; then
  echo "apt could not install $loader_package: dpkg would not add the i386 architecture." >"$no_loader_note"
else
  apt_update
  if apt_install "$loader_package"; then
    rm -f "$no_loader_note"
    exit 0
  fi
  echo "apt could not install $loader_package ($(apt_error "$state/apt-install.log" 100))." >"$no_loader_note"
fi
echo "setup: $(cat "$no_loader_note") Going on without it: the 64-bit build stands in for the 32-bit one."
exit 0
