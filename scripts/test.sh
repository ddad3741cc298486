#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
install_missing
build
cd "$BUILD"
exec ctest --output-on-failure -j"$(nproc)" "$@"
