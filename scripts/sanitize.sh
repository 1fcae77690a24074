#!/usr/bin/env bash
# Builds every test and the fuzz targets with clang (warnings as errors), AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the tests (under root the tests of read-only folders again as
# an unprivileged user, see run-unprivileged.sh) and replays each fuzz target over its committed
# corpus (every input once, no new inputs).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
dir=build/ci-sanitize
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM_FUZZ=ON -DZM_BENCH=OFF -DZM_WERROR=ON >/dev/null
cmake --build "$dir" -j "$jobs" --target test_engine test_plot test_storage test_platform test_editors test_shell test_tools test_output fuzz_formula fuzz_document fuzz_plane
source scripts/readonly-folder-tests.sh
ctest --test-dir "$dir" --output-on-failure -j "$jobs" -L '^(engine|plot|storage|platform|editors|shell|tools|output)$' \
  "${ctest_unprivileged_only[@]}"
bash scripts/run-unprivileged.sh "$dir/bin"
# target:corpus (fuzz_plane reads the document corpus and draws it)
for pair in formula:formula document:document plane:document; do
  target=${pair%%:*} corpus=${pair#*:}
  echo "Replaying the $corpus corpus through fuzz_$target"
  "$dir/bin/fuzz_$target" -timeout=10 fuzz/corpus/$corpus/* 2>"$dir/fuzz_$target.log" ||
    { tail -n 60 "$dir/fuzz_$target.log"; exit 1; }
  grep -E "Running [0-9]+ inputs" "$dir/fuzz_$target.log" || true
done
