#!/bin/sh
# Builds the two libFuzzer targets with clang (a second compiler over the same code)
# and runs each for a short while, seeded from the example seasons.
# Usage: scripts/fuzz-smoke.sh [SECONDS]   (default 60)
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${1:-60}
BUILD="$ROOT/build-fuzz"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSEL_FUZZ=ON -DTESSEL_BENCH=OFF -DTESSEL_WERROR=ON >/dev/null
cmake --build "$BUILD" --target fuzz_binary_reader fuzz_text_import

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/binary" "$WORK/text"
cp "$ROOT"/examples/*.bwl "$WORK/binary/"
cp "$ROOT"/examples/*.bwt "$WORK/text/"

export TZ=Europe/London
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$WORK"
"$BUILD/tests/fuzz/fuzz_binary_reader" -max_total_time="$SECONDS_EACH" -print_final_stats=1 binary
"$BUILD/tests/fuzz/fuzz_text_import" -max_total_time="$SECONDS_EACH" -max_len=8192 -print_final_stats=1 text
echo "fuzz smoke: clean"
