#!/usr/bin/env bash
# Root ignores folder permissions, so the tests of writes into a read-only folder skip when the
# tests run as root, as in CI. As root this runs them once more as the unprivileged user 65534,
# from a copy of the test program in a folder any user can reach (the clone may lie under a
# folder only root may enter), and fails unless each passes. Under any other user ctest has run
# them already. The sanitizers' settings are those of ctest (they do nothing in other builds).
set -euo pipefail
bin=${1:?usage: run-unprivileged.sh <folder of the test programs>}
[ "$(id -u)" -eq 0 ] || exit 0
scripts=$(dirname "$0")
source "$scripts/readonly-folder-tests.sh"
program=$readonly_folder_program
place=$(mktemp -d)
trap 'rm -rf "$place"' EXIT
chmod 755 "$place"
install -m 755 "$bin/$program" "$place/$program"
install -d -m 700 -o 65534 -g 65534 "$place/tmp"
install -m 644 "$scripts/../cmake/lsan.supp" "$place/lsan.supp"
filter=$(IFS=:; echo "${readonly_folder_tests[*]}")
log="$place/log"
if ! setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$place/tmp" TMPDIR="$place/tmp" XDG_RUNTIME_DIR="$place/tmp" \
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$place/lsan.supp:print_suppressions=0" "$place/$program" --gtest_filter="$filter" >"$log" 2>&1; then
  cat "$log"
  echo "The read-only folder tests failed as an unprivileged user"
  exit 1
fi
for test in "${readonly_folder_tests[@]}"; do
  grep -qF "[       OK ] $test (" "$log" || { cat "$log"; echo "$test did not pass as an unprivileged user"; exit 1; }
done
echo "The read-only folder tests passed as an unprivileged user"
