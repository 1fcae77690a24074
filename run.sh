#!/usr/bin/env bash
# Installs what is missing, builds Release and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target ZorvikMendal
exec build/release/bin/ZorvikMendal "$@"
