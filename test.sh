#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test;
# then runs the engine, plot-model and storage tests and the fuzz corpora under the
# sanitizers (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM_WERROR=ON >/dev/null
cmake --build build/ci -j "$jobs"
ctest --test-dir build/ci --output-on-failure -j "$jobs"
bash scripts/sanitize.sh
