#!/usr/bin/env bash
# Builds an optimised hxtr720 and starts it on the virtual keyboard; arguments go to the
# program (they replace the default --virtual-keyboard).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

args=("$@")
[ ${#args[@]} -eq 0 ] && args=(--virtual-keyboard)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  # No desktop to show a window on: render it once instead, so the run still shows something.
  shot="$build/hxtr720-screenshot.png"
  echo "No display found: writing a picture of the window to $shot"
  QT_QPA_PLATFORM=offscreen "$build/hxtr720" "${args[@]}" --screenshot="$shot"
  exit $?
fi
exec "$build/hxtr720" "${args[@]}"
