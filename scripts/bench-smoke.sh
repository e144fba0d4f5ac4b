#!/bin/sh
# Builds the benchmarks in Release and runs each one briefly, so that a benchmark that
# no longer builds or crashes is caught. The figures themselves are read by hand.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build-bench"

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSEL_TESTS=OFF \
    -DTESSEL_BENCH=ON -DTESSEL_WERROR=ON >/dev/null
cmake --build "$BUILD"

export TZ=Europe/London QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
found=0
for bench in "$BUILD"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    found=1
    echo "== $(basename "$bench")"
    "$bench" --benchmark_min_time=0.01
done
if [ "$found" -eq 0 ]; then
    echo "bench smoke: no benchmark programs were built" >&2
    exit 1
fi
