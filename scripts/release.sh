#!/bin/bash
# Builds the release archive from the 32-bit Windows build: Tunewick.exe,
# Runwick.exe, Wickcheck.exe, the authors' guide and sample files, as one ZIP.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target Tunewick Runwick Wickcheck >/dev/null
(cd build/windows-x86 && cpack -C Release >/dev/null)
ls -1 "$PWD"/build/windows-x86/Tunewick-*.zip
