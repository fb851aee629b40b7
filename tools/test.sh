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
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$root/tools/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== Fuzz targets, short runs =="
"$root/tools/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVORN1_FUZZ=ON -DVORN1_GUI=OFF -DVORN1_TESTS=OFF -DVORN1_BENCH=OFF
# Each target starts from a copy of its committed corpus (fuzz/corpus/<target>), so that a short run goes on
# where the long ones stopped; whatever it finds is left in the working folder as crash-*, leak-* or timeout-*.
for f in "$root"/build-fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  echo "-- $name"
  corpus=$(mktemp -d)
  if [ -d "$root/fuzz/corpus/$name" ]; then cp -r "$root/fuzz/corpus/$name/." "$corpus/"; fi
  if ! "$f" -max_total_time="${VORN1_FUZZ_SECONDS:-30}" -timeout=5 -rss_limit_mb=2048 "$corpus" >"$corpus.log" 2>&1
  then
    tail -n 60 "$corpus.log"
    exit 1
  fi
  tail -n 3 "$corpus.log"
  rm -rf "$corpus" "$corpus.log"
done
echo "All tests passed."
