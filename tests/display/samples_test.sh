#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sample board looks are made by tools/makelooks: making them again must
# give the samples folder, and every picture a .cfg names must be made, with
# its name@2x.png beside it. Pictures count as the same when they show the
# same pixels, alpha included: a zlib or libpng update may re-encode them.
# Usage: samples_test.sh MAKELOOKS SAMPLES_FOLDER
set -euo pipefail
makelooks="$1"; samples="$2"
out="$(mktemp -d)"; trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$makelooks" "$out" >/dev/null
for f in "$out"/*; do
    name="$(basename "$f")"
    case "$name" in
        *.png) compare -alpha set -metric AE "$f" "$samples/$name" null: 2>/dev/null ;;
        *) cmp -s "$f" "$samples/$name" ;;
    esac || { echo "FAIL: $name is not as in the samples"; exit 1; }
done
for pic in $(cat "$samples"/*.cfg | tr ',\r' '\n\n' | grep -o '[A-Za-z0-9_-]*\.png'); do
    for want in "$pic" "${pic%.png}@2x.png"; do
        [ -f "$out/$want" ] || { echo "FAIL: a .cfg names $pic, but makelooks does not make $want"; exit 1; }
    done
done
echo "sample looks reproduced"
