#!/bin/sh
# Builds Tessel and starts it on the example Stockport & district season. Where
# there is no display to show it on, the season is printed as a text report.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ROOT/build" --target tessel tessel-cli

EXAMPLE="$ROOT/examples/stockport-singles.bwl"
if [ -x "$ROOT/build/src/tessel" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$ROOT/build/src/tessel" "$EXAMPLE"
fi
echo "No display to show Tessel on; here is the season as a text report:" >&2
exec "$ROOT/build/src/tessel-cli" report "$EXAMPLE"
