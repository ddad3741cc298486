#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Play by mouse at a screen scale (100, 150 or 200 %): every cell of the
# board shows, in device pixels, the tile drawn for that scale; a press on a
# cell's first or last device pixel acts on that cell; corner and right
# clicks change nothing; Reset brings the start back. The real program,
# clicked with xdotool on exact pixels.
# Usage: scale_test.sh PROGRAM TILEDUMP SAMPLES SCALE
source "$(dirname "$0")/lib.sh"
SCALE="$4"

export QT_SCALE_FACTOR="$SCALE"
XVFB_SCREEN=1280x1024x24  # the whole window at 200 %
start_xvfb
dump_tiles "$SCALE"  # the expected tiles, from the same drawing and scaling the game uses
tile() { if [ "$SCALE" = 1 ]; then echo "$WORK/tiles/$1.png"; else echo "$WORK/tiles/$1@${SCALE}x.png"; fi; }
start_game "$WORK/game"

# Cell n spans device pixels first_px n .. last_px n, the board starting 16 logical pixels in.
CELL=$(awk -v s="$SCALE" 'BEGIN { printf "%d", 60 * s + 0.5 }')
OFFSET=$(awk -v s="$SCALE" 'BEGIN { printf "%d", 16 * s + 0.5 }')
first_px() { echo $((OFFSET + CELL * ($1 - 1))); }
last_px() { echo $((OFFSET + CELL * $1 - 1)); }

expect_device_cell() { expect_region "$(first_px "$1")" "$(first_px "$2")" "$CELL" "$(tile "$3")"; }
CELL_CHECK=expect_device_cell
start_board_picture "$(tile nieuzyt)" "$(tile pusty)" "$(tile pelny)" "$WORK/start.png"
expect_start() { screenshot; expect_region "$OFFSET" "$OFFSET" $((7 * CELL)) "$WORK/start.png"; }
expect_start
# Nothing of the board spills past its last cell.
[ "$(convert "$WORK/shot.png" -crop "1x$((7 * CELL))+$((WIN_X + OFFSET + 7 * CELL))+$((WIN_Y + OFFSET))" +repage \
    -format '%[fx:maxima.r*255],%[fx:maxima.g*255],%[fx:maxima.b*255]' info:)" = "0,0,0" ] \
    && fail "a black column right of the board: the board image is too small"

# The board's last device pixels, right and bottom, belong to its last cells.
click_at $((WIN_X + $(last_px 7))) $((WIN_Y + $(last_px 3)))
expect_cells "7 3 aktual"
click_at $((WIN_X + $(last_px 3))) $((WIN_Y + $(last_px 7)))
expect_cells "3 7 aktual" "7 3 pelny"

click_at $((WIN_X + $(last_px 2))) $((WIN_Y + $(last_px 4)))    # bottom-right pixel of (2, 4)
expect_cells "2 4 aktual" "3 4 pelny" "2 5 pelny"

click_at $((WIN_X + $(first_px 4))) $((WIN_Y + $(first_px 4)))  # top-left pixel of (4, 4)
expect_cells "2 4 pusty" "3 4 pusty" "4 4 pelny" "1 1 nieuzyt"

# The keyboard cursor, shown on the centre and moved right, leaves no trace
# of its frame on the centre cell or on the cells beside it. The board has
# the focus from the clicks.
xdotool key --delay 200 Right Right; sleep 0.3
expect_cells "4 4 pelny" "3 4 pusty" "4 3 pelny" "4 5 pelny" "6 4 pelny"
[ "$(region_diff "$(first_px 5)" "$(first_px 4)" "$CELL" "$(tile pelny)")" != "0" ] || fail "no cursor drawn on (5, 4)"
# A corner click and a right-button press change nothing.
click_at $((WIN_X + $(first_px 1) + 2)) $((WIN_Y + $(first_px 1) + 2))
xdotool mousemove $((WIN_X + $(first_px 4) + 2)) $((WIN_Y + $(first_px 2) + 2)) click 3
sleep 0.3
expect_cells "1 1 nieuzyt" "4 2 pelny"
scaled() { awk -v v="$1" -v s="$SCALE" 'BEGIN { printf "%d", v * s + 0.5 }'; }
click_window "$(scaled 40)" "$(scaled 448)"   # "Reset"
xdotool mousemove 0 0; sleep 0.3              # no hover or cursor left on the board
expect_start
echo "desktop scale test at $SCALE passed"
