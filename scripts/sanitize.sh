#!/usr/bin/env bash
# Builds the engine, plot-model and storage tests and the fuzz targets with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer, runs the tests and replays each fuzz
# target over its committed corpus (every input once, no new inputs).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
dir=build/ci-sanitize
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM_FUZZ=ON -DZM_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target test_engine test_plot test_storage fuzz_formula fuzz_document
ctest --test-dir "$dir" --output-on-failure -j "$jobs" -L '^(engine|plot|storage)$'
for target in formula document; do
  echo "Replaying the $target corpus"
  "$dir/bin/fuzz_$target" -timeout=10 fuzz/corpus/$target/* 2>"$dir/fuzz_$target.log" ||
    { tail -n 60 "$dir/fuzz_$target.log"; exit 1; }
  grep -E "Running [0-9]+ inputs" "$dir/fuzz_$target.log" || true
done
