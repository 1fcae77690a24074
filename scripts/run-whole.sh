#!/usr/bin/env bash
# Runs each test program of a build once as one process, offscreen as under ctest, all at the
# same time, so that a test that leaves a timer, window or file behind fails a test after it.
# Fails when a program fails or a test skips; under root the tests of read-only folders skip
# here and scripts/run-unprivileged.sh runs them.
set -euo pipefail
bin=${1:?usage: run-whole.sh <folder of the test programs>}
source "$(dirname "$0")/readonly-folder-tests.sh"
allowed=()
[ "$(id -u)" -eq 0 ] && allowed=("${readonly_folder_tests[@]}")
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
names=()
pids=()
for program in "$bin"/test_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$program" >"$logs/$name.log" 2>&1 &
  names+=("$name")
  pids+=($!)
done
[ ${#names[@]} -gt 0 ] || { echo "No test programs in $bin"; exit 1; }
failed=0
for i in "${!names[@]}"; do
  log="$logs/${names[$i]}.log"
  if wait "${pids[$i]}"; then
    echo "${names[$i]} passed run whole: $(grep -E '^\[==========\] [0-9]+ tests? from' "$log" | tail -n 1)"
  else
    echo "${names[$i]} failed run whole:"
    grep -E '^\[  FAILED  \] [A-Za-z0-9_./]+ \([0-9]+ ms\)$' "$log" || tail -n 40 "$log"
    failed=1
  fi
  while read -r test; do
    [ -n "$test" ] || continue
    if [[ " ${allowed[*]} " != *" $test "* ]]; then
      echo "${names[$i]}: $test skipped"
      failed=1
    fi
  done < <(sed -nE 's/^\[  SKIPPED \] ([A-Za-z0-9_./]+) \([0-9]+ ms\)$/\1/p' "$log")
done
exit $failed
