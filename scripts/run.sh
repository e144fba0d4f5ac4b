#!/bin/sh
# Builds Tessel and shows the example Stockport & district season: in the
# desktop program when a display is available, else as a text report.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ROOT/build"

EXAMPLE="$ROOT/examples/stockport-singles.bwl"
if [ -x "$ROOT/build/src/tessel" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$ROOT/build/src/tessel" "$EXAMPLE"
fi
exec "$ROOT/build/src/tessel-cli" report "$EXAMPLE"
