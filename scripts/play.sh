#!/usr/bin/env bash
# Builds Ravelo2 and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target ravelo2 ravelo2-cli
exec "$root/build/src/app/ravelo2" "$@"
