#!/usr/bin/env bash
# Builds and runs every test: the normal build, the suites again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of every
# fuzz target. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON -DQUILLO_BENCH=OFF >/dev/null
ninja -C build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzz"
  bash scripts/fuzz.sh 20
fi
