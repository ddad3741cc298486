#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sample board looks are made by tools/makelooks: making them again must
# give the pictures in the samples folder, and every picture a .cfg names must
# exist. Pictures count as the same when they decode to the same pixels: a
# zlib or libpng update re-encodes them without changing what is shown.
# Every picture has its name@2x.png beside it, for screens above 100 %.
# Usage: samples_test.sh MAKELOOKS PIXELS SAMPLES_FOLDER
set -euo pipefail
makelooks="$1"; pixels="$2"; samples="$3"
out="$(mktemp -d)"; trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$makelooks" "$out" >/dev/null
n=0
for f in "$out"/*; do
    name="$(basename "$f")"
    [ -f "$samples/$name" ] || { echo "FAIL: $name is made but missing from the samples"; exit 1; }
    case "$name" in
        *.png) "$pixels" same "$f" "$samples/$name" || { echo "FAIL: $name differs from the sample"; exit 1; }
               n=$((n + 1)) ;;
        *) cmp -s "$f" "$samples/$name" || { echo "FAIL: $name differs from the sample"; exit 1; } ;;
    esac
done
[ "$n" -ge 24 ] || { echo "FAIL: only $n pictures made"; exit 1; }
for cfg in "$samples"/*.cfg; do
    for pic in $(tr ',\r' '\n\n' <"$cfg" | grep -o '[A-Za-z0-9_-]*\.png'); do
        [ -f "$samples/$pic" ] || { echo "FAIL: $(basename "$cfg") names missing $pic"; exit 1; }
        [ -f "$out/$pic" ] || { echo "FAIL: $(basename "$cfg") names $pic, which makelooks does not make"; exit 1; }
        twice="${pic%.png}@2x.png"
        [ -f "$samples/$twice" ] || { echo "FAIL: $pic has no $twice beside it"; exit 1; }
    done
done
echo "$n sample pictures reproduced"
