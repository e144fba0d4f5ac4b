#!/bin/sh
# Builds Tessel and runs every test. With CI=true it builds the debug
# configuration with AddressSanitizer and UndefinedBehaviorSanitizer and
# treats warnings as errors.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh"

if [ "${CI:-}" = "true" ]; then
    BUILD="$ROOT/build-ci"
    CONFIG="-DCMAKE_BUILD_TYPE=Debug -DTESSEL_SANITIZE=ON -DTESSEL_WERROR=ON"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    BUILD="$ROOT/build"
    CONFIG="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
fi

# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$BUILD" -G Ninja $CONFIG
cmake --build "$BUILD"
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
