#!/usr/bin/env bash
# Builds an optimised hxtr720 and starts it; arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
exec "$build/hxtr720" "$@"
