#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At 200 %, a look with @2x pictures shows them pixel for pixel, and a look
# without them shows its 60-pixel pictures doubled without smoothing.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

export QT_SCALE_FACTOR=2
XVFB_SCREEN=1280x1024x24  # the whole window at 200 %
start_xvfb
mkdir -p "$WORK/game"
cp "$SAMPLES"/*.cfg "$SAMPLES"/*.png "$WORK/game/"
# The same pictures as kontrast, under names with no @2x beside them.
for t in aktual nieuzyt pelny pusty; do cp "$SAMPLES/kontrast-$t.png" "$WORK/game/zwykly-$t.png"; done
printf 'Bez dużych obrazków, zwykly-aktual.png, zwykly-nieuzyt.png, zwykly-pelny.png, zwykly-pusty.png\n' \
    >"$WORK/game/zwykly.cfg"
start_game "$WORK/game"

# Window and cell positions in device pixels: twice the logical ones.
click_window2() { click_window $((2 * $1)) $((2 * $2)); }
expect_cell_2x() {
    local x=$((WIN_X + 32 + 120 * ($1 - 1))) y=$((WIN_Y + 32 + 120 * ($2 - 1))) d
    convert "$WORK/shot.png" -crop "120x120+$x+$y" +repage "$WORK/cell.png"
    d=$(compare -metric AE "$WORK/cell.png" "$3" null: 2>&1 || true)
    [ "$d" = "0" ] || fail "cell ($1, $2) differs from $(basename "$3") at 200 % in $d device pixels"
}

click_window2 260 448         # "Mata"
click_window2 200 168         # the first entry of the list (drewno.cfg)
xdotool key Down              # kamien.cfg
sleep 0.2
click_window2 188 328         # "Ok"
screenshot
expect_cell_2x 1 1 "$WORK/game/kamien-nieuzyt@2x.png"
expect_cell_2x 4 3 "$WORK/game/kamien-pelny@2x.png"
expect_cell_2x 4 4 "$WORK/game/kamien-pusty@2x.png"
click_cell_2x() { click_at $((WIN_X + 32 + 120 * $1 - 60)) $((WIN_Y + 32 + 120 * $2 - 60)); }
click_cell_2x 4 6
screenshot
expect_cell_2x 4 6 "$WORK/game/kamien-aktual@2x.png"
click_cell_2x 4 6             # put the peg back down

for t in aktual nieuzyt pelny pusty; do
    convert "$WORK/game/zwykly-$t.png" -scale 200% "$WORK/zwykly-$t-doubled.png"
done
click_window2 260 448         # "Mata"
click_window2 200 168
xdotool key Down Down Down    # zwykly.cfg, last in the list
sleep 0.2
click_window2 188 328         # "Ok"
screenshot
expect_cell_2x 1 1 "$WORK/zwykly-nieuzyt-doubled.png"
expect_cell_2x 4 3 "$WORK/zwykly-pelny-doubled.png"
expect_cell_2x 4 4 "$WORK/zwykly-pusty-doubled.png"
click_cell_2x 4 6
screenshot
expect_cell_2x 4 6 "$WORK/zwykly-aktual-doubled.png"
echo "desktop look scale test passed"
