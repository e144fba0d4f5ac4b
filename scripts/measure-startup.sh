#!/bin/sh
# Times Tessel from start to its first painted grid against a minimal Qt
# Widgets program, both under a virtual X display. Needs hyperfine.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
cmake --build "$BUILD" --target tessel startup_minimal

Xvfb :97 -screen 0 1600x1000x24 >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB' EXIT
sleep 1
export DISPLAY=:97

hyperfine --warmup 3 --runs ${RUNS:-20} \
    -n minimal "$BUILD/bench/startup_minimal" \
    -n tessel "$BUILD/src/tessel --quit-after-first-paint $ROOT/examples/stockport-singles.bwl"
