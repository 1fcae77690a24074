#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test: each
# test on its own under ctest, then each test program once as one process
# (scripts/run-whole.sh); under root the tests of read-only folders run as an unprivileged user
# (scripts/run-unprivileged.sh); then runs every test and the fuzz corpora under the sanitizers
# (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM_WERROR=ON >/dev/null
cmake --build build/ci -j "$jobs"
source scripts/readonly-folder-tests.sh
ctest --test-dir build/ci --output-on-failure -j "$jobs" "${ctest_unprivileged_only[@]}"
bash scripts/run-whole.sh build/ci/bin
bash scripts/run-unprivileged.sh build/ci/bin
bash scripts/sanitize.sh
