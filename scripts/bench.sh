#!/usr/bin/env bash
# Builds the benchmarks optimised in build-bench/ and runs each; arguments go to every program
# (for example --benchmark_filter=Main).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHX_BUILD_TESTS=OFF \
  -DHX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
for program in "$build"/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" "$@"
done
