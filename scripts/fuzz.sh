#!/bin/bash
# Builds the libFuzzer targets and runs each for FUZZ_SECONDS (default 60),
# two at a time, from the seed corpus in tests/fuzz/corpus, with the fixed
# random seed FUZZ_SEED (default 1) so that a run repeats. Prints each
# target's executions; a broken invariant or a sanitizer report fails.
set -uo pipefail
cd "$(dirname "$0")/.."
# Absolute paths: the launch command's target changes its current directory.
root=$PWD
seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || exit 1

run_fuzzer() {
  local target=$1
  shift  # the rest: options of this target's own
  local corpus=$root/build/fuzz/corpus/$target
  mkdir -p "$corpus"
  cp -n tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null
  build/fuzz/bin/"${target}_fuzzer" "$corpus" -seed="${FUZZ_SEED:-1}" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$@" \
    -artifact_prefix="$root/build/fuzz/$target-" >build/fuzz/"$target".log 2>&1
  local status=$?
  local done
  done=$(grep -E "^Done [0-9]+ runs" build/fuzz/"$target".log | tail -n 1)
  if [ $status -eq 0 ]; then
    echo "fuzz $target: ${done:-ran} (${seconds} s)"
  else
    echo "fuzz $target: FAILED"
    tail -n 30 build/fuzz/"$target".log
  fi
  return $status
}

failed=0
run_fuzzer profile_read & a=$!
run_fuzzer profile_write & b=$!
wait $a || failed=1
wait $b || failed=1
run_fuzzer launch_command & a=$!
run_fuzzer catalogue -close_fd_mask=3 & b=$!  # its notes and errors, a line a run, go nowhere
wait $a || failed=1
wait $b || failed=1
exit $failed
