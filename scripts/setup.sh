# SPDX-License-Identifier: MIT
# Sourced by play.sh and test.sh: installs what is missing, then builds.
# Safe to run again: nothing is installed or rebuilt that is already there.

PACKAGES=(cmake make g++ clang-14 libclang-rt-14-dev qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-urw-base35 fonts-dejavu-core
          xvfb xauth xdotool x11-utils imagemagick)

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

install_missing() {
    local missing
    missing=$(missing_packages | tr '\n' ' ')
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
