# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by play.sh, test.sh and bench/run.sh: installs what is missing, then builds.
# Safe to run again: nothing is installed or rebuilt that is already there.

# Building and playing: compiler, Qt, Qt's translation tools for the English
# texts, libpng, fontconfig's header, the counter's and the help's fonts,
# Qt's own strings in Polish, the picture formats beyond Qt's own, and Qt's
# Wayland plugin for a Wayland desktop.
PLAY_PACKAGES=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libpng-dev libfontconfig-dev
               fonts-urw-base35 fonts-dejavu-core qt6-translations-l10n qt6-image-formats-plugins
               qt6-wayland)
# The tests, benchmarks and fuzzers on top: a private X server and tools to
# click and look at it, GoogleTest and Google Benchmark, clang for the
# fuzzers, what builds and checks the Debian package and the metadata, and a
# session bus with the accessibility bus and Python's client for the board
# as a screen reader reads it; a headless Wayland compositor, its screenshot
# tool and jq for its window list, and what builds the test's own pointer
# and keyboard for it.
TEST_PACKAGES=("${PLAY_PACKAGES[@]}"
               xvfb xauth xdotool x11-utils imagemagick libgtest-dev libbenchmark-dev
               clang-14 libclang-rt-14-dev
               dpkg-dev file lintian appstream desktop-file-utils
               dbus at-spi2-core python3-pyatspi
               sway grim jq libwayland-dev libxkbcommon-dev pkg-config)

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

# install_missing [play|test]: the packages for playing, or (the default)
# for everything the tests and benchmarks run.
install_missing() {
    local missing
    if [ "${1:-test}" = play ]; then
        missing=$(missing_packages "${PLAY_PACKAGES[@]}" | tr '\n' ' ')
    else
        missing=$(missing_packages "${TEST_PACKAGES[@]}" | tr '\n' ' ')
    fi
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086
        apt-get install -y -qq --no-install-recommends $missing </dev/null
    else
        echo "Missing packages. Run this once, then try again:"
        echo "  sudo apt-get install $missing"
        exit 1
    fi
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
    cmake --build "$BUILD" -j"$(nproc)"
}
