#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A look whose pictures are WebP and TIFF files, made here from the samples:
# applied through the panel, the board shows them pixel for pixel.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

start_xvfb
mkdir -p "$WORK/game"
convert "$SAMPLES/kontrast-nieuzyt.png" -define webp:lossless=true "$WORK/game/brzeg.webp"
convert "$SAMPLES/kontrast-pusty.png" -define webp:lossless=true "$WORK/game/otwor.webp"
convert "$SAMPLES/kontrast-pelny.png" -compress lzw "$WORK/game/pion.tiff"
convert "$SAMPLES/kontrast-aktual.png" -compress none "$WORK/game/wybrany.tif"
file "$WORK/game/brzeg.webp" | grep -qi webp || fail "ImageMagick wrote no WebP"
file "$WORK/game/pion.tiff" | grep -qi tiff || fail "ImageMagick wrote no TIFF"
printf 'WebP i TIFF, wybrany.tif, brzeg.webp, pion.tiff, otwor.webp\n' >"$WORK/game/formaty.cfg"
start_game "$WORK/game"

click_window 260 448          # "Mata"
click_window 200 168          # the only entry of the list
click_window 188 328          # "Ok"
screenshot
expect_cell 1 1 "$SAMPLES/kontrast-nieuzyt.png"
expect_cell 4 4 "$SAMPLES/kontrast-pusty.png"
expect_cell 4 3 "$SAMPLES/kontrast-pelny.png"
click_cell 4 6
screenshot
expect_cell 4 6 "$SAMPLES/kontrast-aktual.png"
expect_cell 7 7 "$SAMPLES/kontrast-nieuzyt.png"
echo "desktop look formats test passed"
