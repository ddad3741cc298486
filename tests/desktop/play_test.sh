#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program in a real window: click pegs with the mouse, check the screen.
source "$(dirname "$0")/lib.sh"

start_xvfb
dump_tiles
mkdir -p "$WORK/game"
start_game "$WORK/game"

screenshot
expect_start_board "$TILES"
# Title bars and task bars get the icon at every size it is drawn at.
expect_window_icon "$WIN_ID"

click_cell 4 6
screenshot
expect_cell 4 6 "$TILES/aktual.png"

click_cell 4 4
screenshot
expect_cell 4 6 "$TILES/pusty.png"
expect_cell 4 5 "$TILES/pusty.png"
expect_cell 4 4 "$TILES/pelny.png"

# A corner click and a right-button press change nothing.
click_cell 1 1
xdotool mousemove "$(cell_x 4)" "$(cell_y 2)" click 3
sleep 0.2
screenshot
expect_cell 1 1 "$TILES/nieuzyt.png"
expect_cell 4 2 "$TILES/pelny.png"

# Reset brings the start position back.
click_window 40 448
screenshot
expect_start_board "$TILES"

# The help window, opened over the game, carries the game's icon too.
click_window 96 448
help=""
for _ in $(seq 100); do
    help=$(xdotool search --name "^Pomoc" 2>/dev/null | head -n1 || true)
    [ -n "$help" ] && xwininfo -id "$help" 2>/dev/null | grep -q IsViewable && break
    sleep 0.05
done
[ -n "$help" ] || fail "the help window did not open"
expect_window_icon "$help"
echo "desktop play test passed"
