#!/usr/bin/env bash
# Installs what is missing, builds Vorn1 and runs every test: the plain build, then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of each fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

"$root/tools/deps.sh"

echo "== Build and test =="
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== Build and test with ASan+UBSan =="
"$root/tools/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVORN1_SANITIZE=ON -DVORN1_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== Fuzz targets, short runs =="
"$root/tools/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVORN1_FUZZ=ON -DVORN1_GUI=OFF -DVORN1_TESTS=OFF -DVORN1_BENCH=OFF
for f in "$root"/build-fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  echo "-- $(basename "$f")"
  corpus=$(mktemp -d)
  "$f" -max_total_time="${VORN1_FUZZ_SECONDS:-20}" -timeout=5 -rss_limit_mb=2048 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done
echo "All tests passed."
