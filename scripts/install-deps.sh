#!/bin/sh
# Installs the Debian packages Tessel needs to build, test, fuzz and benchmark.
# Safe to run again: packages already present are left alone.
set -eu

PACKAGES="build-essential cmake ninja-build ccache pkg-config git \
qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins \
libgl-dev libvulkan-dev libxkbcommon-dev \
libbenchmark-dev clang libclang-rt-14-dev \
fonts-liberation fonts-dejavu-core xvfb xauth poppler-utils tzdata \
python3 python3-html5lib desktop-file-utils appstream shared-mime-info file man-db \
clang-format clang-tidy"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
