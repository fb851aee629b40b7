#!/usr/bin/env bash
# Installs what is missing, builds Vorn1 and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: Vorn1 is a desktop program. Run this on a machine with a desktop,"
  echo "or try the calculator mode: $root/build/vorn1 --calc \"2^3^2\" \"LOG(2,8)\""
  exit 0
fi
exec "$root/build/vorn1" "$@"
