#!/bin/sh
# Style and static checks, as CI runs them:
#   clang-format over every source file (the scheme table keeps its hand-aligned columns);
#   clang-tidy (bugprone, performance, analyzer; see .clang-tidy) over the program's sources,
#   from the compile commands of an existing build tree.
# Usage: scripts/lint.sh [BUILD_DIR]   (default: build-ci, then build)
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

BUILD=${1:-}
if [ -z "$BUILD" ]; then
    for candidate in build-ci build; do
        if [ -f "$candidate/compile_commands.json" ]; then BUILD=$candidate; break; fi
    done
fi
if [ -z "$BUILD" ] || [ ! -f "$BUILD/compile_commands.json" ]; then
    echo "lint: no build tree with compile_commands.json; build first (scripts/test.sh)" >&2
    exit 2
fi

echo "== clang-format"
git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    | grep -v '^src/model/SchemeTable\.cpp$' \
    | xargs clang-format --dry-run --Werror

echo "== clang-tidy"
# Generated files (moc, rcc) are not ours to tidy.
run-clang-tidy -quiet -p "$BUILD" -j "$(nproc)" "^$ROOT/src/.*\\.cpp\$" \
    >"$BUILD/clang-tidy.log" 2>&1 || true
if grep -E '(warning|error): ' "$BUILD/clang-tidy.log" | grep -v '^Suppressed' >/dev/null; then
    grep -E -A3 '(warning|error): ' "$BUILD/clang-tidy.log" | head -200
    echo "lint: clang-tidy findings (full log: $BUILD/clang-tidy.log)" >&2
    exit 1
fi
echo "lint: clean"
