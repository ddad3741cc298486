#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At 200 %, in a copy of the samples, looks applied through the panel with
# mouse and keys: a WebP and TIFF look without @2x pictures shows its
# pictures doubled without smoothing, a PNG look shows its @2x pictures, and
# Reset keeps the look. Cells are compared pixel for pixel.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"
export QT_SCALE_FACTOR=2
XVFB_SCREEN=1280x1024x24  # the whole window at 200 %
start_xvfb
game="$WORK/game"
mkdir -p "$game"
cp "$SAMPLES"/*.cfg "$SAMPLES"/*.png "$game/"
convert "$SAMPLES/kontrast-nieuzyt.png" -define webp:lossless=true "$game/brzeg.webp"
convert "$SAMPLES/kontrast-pusty.png" -define webp:lossless=true "$game/otwor.webp"
convert "$SAMPLES/kontrast-pelny.png" -compress lzw "$game/pion.tiff"
convert "$SAMPLES/kontrast-aktual.png" -compress none "$game/wybrany.tif"
file "$game/brzeg.webp" | grep -qi webp && file "$game/pion.tiff" | grep -qi tiff || fail "no WebP or TIFF written"
printf 'WebP i TIFF, wybrany.tif, brzeg.webp, pion.tiff, otwor.webp\n' >"$game/formaty.cfg"
for t in aktual nieuzyt pelny pusty; do convert "$SAMPLES/kontrast-$t.png" -scale 200% "$WORK/doubled-$t.png"; done
start_game "$game"
# Window and cell positions in device pixels: twice the logical ones.
click_window2() { click_window $((2 * $1)) $((2 * $2)); }
click_cell2() { click_at $((WIN_X + 32 + 120 * $1 - 60)) $((WIN_Y + 32 + 120 * $2 - 60)); }
expect_cell2() { expect_region $((32 + 120 * ($1 - 1))) $((32 + 120 * ($2 - 1))) 120 "$3"; }
pick_look() {  # "Mata", the list's first entry (drewno.cfg), then $1 entries down
    click_window2 260 448
    click_window2 200 168
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    sleep 0.2
}
pick_look 1                   # formaty.cfg
click_window2 188 328         # "Ok": closes the panel and applies
screenshot
expect_cell2 1 1 "$WORK/doubled-nieuzyt.png"
expect_cell2 4 3 "$WORK/doubled-pelny.png"
expect_cell2 4 4 "$WORK/doubled-pusty.png"
click_cell2 4 6
screenshot
expect_cell2 4 6 "$WORK/doubled-aktual.png"
click_cell2 4 6               # the peg put back down
pick_look 2                   # kamien.cfg
click_window2 216 296         # "Zastosuj": the panel stays open over the middle
screenshot
expect_cell2 1 1 "$game/kamien-nieuzyt@2x.png"
expect_cell2 1 3 "$game/kamien-pelny@2x.png"
expect_cell2 7 7 "$game/kamien-nieuzyt@2x.png"
click_window2 188 328         # "Ok"
click_cell2 4 6
screenshot
expect_cell2 4 4 "$game/kamien-pusty@2x.png"
expect_cell2 4 6 "$game/kamien-aktual@2x.png"
click_window2 40 448          # "Reset" keeps the look
screenshot
expect_cell2 4 6 "$game/kamien-pelny@2x.png"
echo "desktop look test passed"
