#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop expects
# of it: the desktop entry and the metainfo pass their validators, the MIME
# types compile and claim both season files, every icon and man page is in
# place, and both programs answer --version and --help without a display.
# usage: check_install.sh BUILD_DIR SCRATCH_DIR
set -eu
BUILD=$1
DEST=$2/usr
rm -rf "$2"
cmake --install "$BUILD" --prefix "$DEST" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop-file-validate "$DEST/share/applications/org.orvane.Tessel.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$DEST/share/metainfo/org.orvane.Tessel.metainfo.xml" ||
    fail "metainfo"

# The MIME database built from our file alone must map both extensions,
# and the binary season's magic number must identify it.
update-mime-database "$DEST/share/mime" || fail "MIME types do not compile"
grep -q '^50:application/x-tessel-season:\*\.bwl$' "$DEST/share/mime/globs2" || fail "*.bwl glob"
grep -q '^50:application/x-tessel-season-text:\*\.bwt$' "$DEST/share/mime/globs2" || fail "*.bwt glob"
[ -s "$DEST/share/mime/magic" ] || fail "no magic for the binary season"

# The program icon: the SVG and every PNG size in the hicolor theme.
for size in 16 24 32 48 64 128 256; do
    icon="$DEST/share/icons/hicolor/${size}x$size/apps/org.orvane.Tessel.png"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size"
done
grep -q "<svg" "$DEST/share/icons/hicolor/scalable/apps/org.orvane.Tessel.svg" || fail "SVG icon"

for page in tessel tessel-cli; do
    MANWIDTH=80 man -l "$DEST/share/man/man1/$page.1.gz" 2>&1 >/dev/null | grep . && fail "man page $page warns"
    zcat "$DEST/share/man/man1/$page.1.gz" | grep -q "^\.TH" || fail "man page $page"
done

VERSION=$(sed -n 's/^project(Tessel VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
for program in tessel tessel-cli; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$DEST/bin/$program" --version) ||
        fail "$program --version failed"
    [ "$out" = "$program $VERSION" ] || fail "$program --version said: $out"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$DEST/bin/$program" --help | grep -q "^Usage" ||
        fail "$program --help"
done

[ "$failures" -eq 0 ] && echo "installation checks passed"
exit "$failures"
