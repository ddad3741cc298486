#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what playing needs, builds the game alone (no tests, no
# benchmarks) in its own folder, and starts it in the folder of sample files.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
install_missing play
BUILD="${BUILD_DIR:-$ROOT/build-play}"
build -DBUILD_TESTING=OFF -DPEG_BENCHMARKS=OFF
cd "$ROOT/data"
exec "$BUILD/src/ui/kelbs-pegboard"
