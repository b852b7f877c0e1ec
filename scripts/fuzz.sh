#!/usr/bin/env bash
# Builds every fuzz target with clang (libFuzzer, ASan, UBSan) and runs each
# for the given number of seconds (default 20), starting from its seed corpus
# in fuzz/corpus/NAME when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLO_FUZZ=ON -DQUILLO_BENCH=OFF >/dev/null
ninja -C build-fuzz -j "$(nproc)"

shopt -s nullglob
targets=(build-fuzz/fuzzers/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets"
  exit 0
fi
for t in "${targets[@]}"; do
  name=$(basename "$t")
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "-- $name (${seconds}s)"
  "$t" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$work" "${seeds[@]}" 2>&1 | tail -n 3
done
echo "fuzzing: ${#targets[@]} targets ran clean"
