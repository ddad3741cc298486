#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the game in the folder of sample files.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
install_missing
build
cd "$ROOT/data"
exec "$BUILD/src/ui/kelbs-pegboard"
