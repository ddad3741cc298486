#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At 200 % screen scale, a press on a cell's first or last device pixel acts
# on that cell: the real program, clicked with xdotool on exact pixels.
source "$(dirname "$0")/lib.sh"

export QT_SCALE_FACTOR=2
start_xvfb
dump_tiles
for t in aktual pelny pusty; do convert "$TILES/$t.png" -scale 200% "$TILES/$t-2x.png"; done
mkdir -p "$WORK/game"
start_game "$WORK/game"

# Cell (col, row) at scale 2: device pixels from 32 + 120 (n - 1) to 32 + 120 n - 1.
first_px() { echo $((32 + 120 * ($1 - 1))); }
last_px() { echo $((32 + 120 * $1 - 1)); }

expect_cell_2x() {
    local x=$((WIN_X + $(first_px "$1"))) y=$((WIN_Y + $(first_px "$2"))) d
    convert "$WORK/shot.png" -crop "120x120+$x+$y" +repage "$WORK/cell.png"
    d=$(compare -metric AE "$WORK/cell.png" "$TILES/$3-2x.png" null: 2>&1 || true)
    [ "$d" = "0" ] || fail "cell ($1, $2) differs from $3 at 200 % in $d device pixels"
}

click_at $((WIN_X + $(last_px 2))) $((WIN_Y + $(last_px 4)))    # bottom-right pixel of (2, 4)
screenshot
expect_cell_2x 2 4 aktual
expect_cell_2x 3 4 pelny
expect_cell_2x 2 5 pelny

click_at $((WIN_X + $(first_px 4))) $((WIN_Y + $(first_px 4)))  # top-left pixel of (4, 4)
screenshot
expect_cell_2x 2 4 pusty
expect_cell_2x 3 4 pusty
expect_cell_2x 4 4 pelny
echo "desktop scale test passed"
