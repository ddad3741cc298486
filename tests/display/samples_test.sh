#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sample board looks are made by tools/makelooks: making them again must
# give the committed pictures, and every picture a .cfg names must exist.
set -euo pipefail
makelooks="$1"; samples="$2"
out="$(mktemp -d)"; trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$makelooks" "$out" >/dev/null
n=0
for f in "$out"/*.png; do
    cmp -s "$f" "$samples/$(basename "$f")" || { echo "FAIL: $(basename "$f") differs from the sample"; exit 1; }
    n=$((n + 1))
done
[ "$n" -ge 12 ] || { echo "FAIL: only $n pictures made"; exit 1; }
for cfg in "$samples"/*.cfg; do
    for pic in $(tr ',\r' '\n\n' <"$cfg" | grep -o '[A-Za-z0-9_-]*\.png'); do
        [ -f "$samples/$pic" ] || { echo "FAIL: $(basename "$cfg") names missing $pic"; exit 1; }
    done
done
echo "$n sample pictures reproduced"
