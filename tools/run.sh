#!/usr/bin/env bash
# Installs what is missing, builds Vorn1 and starts it with the document given, or the first example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release
doc=${1:-$(ls "$root"/examples/*.vr1 | head -n 1)}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  out="$root/build/$(basename "${doc%.*}").png"
  "$root/build/vorn1" --export "$out" "$doc"
  echo "There is no display here, so Vorn1 cannot open its window."
  echo "Instead it drew the graph of $doc into:"
  echo "  $out"
  echo "On a machine with a desktop this command starts the program with that document."
  exit 0
fi
exec "$root/build/vorn1" "$doc"
