#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Problems in the real window, by keys and clicks: the cross figure chosen
# from "Zadanie", the line above the board switched on, the rest of the
# game played by Ctrl+D to one peg in the centre and one move taken back;
# the empty hole picked on the English board (Escape first gives the game
# back), a hint there; the French board's corner holes, a hole from which
# one peg cannot be left refused, another taken.
source "$(dirname "$0")/lib.sh"

start_xvfb
dump_tiles
start_game "$WORK/game"
P="$TILES/pelny.png" E="$TILES/pusty.png"

keys F10 Right Down Return                   # Zadanie, Krzyż
expect_cells "4 1 $E" "4 2 $P" "3 3 $P" "4 4 $P" "4 5 $P" "2 4 $E" "4 6 $E"

# The grey strip above the board shows the line once it is switched on.
strip_spread() {
    screenshot
    convert "$WORK/shot.png" -crop "420x16+$((WIN_X + 16))+$WIN_Y" -format '%[fx:standard_deviation]' info:
}
[ "$(strip_spread)" = 0 ] || fail "the strip above the board is not plain before Ctrl+I"
keys ctrl+i
for _ in $(seq 20); do [ "$(strip_spread)" != 0 ] && break; sleep 0.1; done
[ "$(strip_spread)" != 0 ] || fail "Ctrl+I showed nothing above the board"

keys ctrl+d                                  # five moves at 550 ms
sleep 3.2
expect_cells "4 4 $P" "4 2 $E" "3 3 $E" "4 3 $E" "5 3 $E" "4 5 $E"
keys ctrl+z
expect_cells "4 4 $E"

keys F10 Right Up Up Return                  # the English board, the hole to be picked
expect_cells "4 4 $P" "3 1 $P" "1 3 $P"
keys Escape                                  # the figure's game as it was left
expect_cells "4 4 $E" "3 1 $E"
keys F10 Right Up Up Return
click_cell 3 1
expect_cells "3 1 $E" "4 4 $P" "5 1 $P"
# A move into (3, 1): from (3, 3) or from (5, 1). Where the first 200 ms
# leave it open ("Nie wiadomo"), the proof goes on meanwhile and H asks again.
hinted=""
for try in $(seq 60); do
    [ $((try % 20)) = 1 ] && keys h
    screenshot
    for c in "3 3" "5 1"; do
        read -r col row <<<"$c"
        [ "$(region_diff $((16 + (col - 1) * 60)) $((16 + (row - 1) * 60)) 60 "$TILES/aktual.png")" = 0 ] && hinted="$c"
    done
    [ -n "$hinted" ] && break
    sleep 0.1
done
[ -n "$hinted" ] || fail "H selected no peg of a move into the empty hole"

keys F10 Right Up Return                     # the French board
expect_cells "2 2 $P" "6 6 $P" "4 4 $P" "1 1 $TILES/nieuzyt.png"
click_cell 2 2                               # one peg cannot be left from here: still picking
expect_cells "2 2 $P"
click_cell 4 2
expect_cells "4 2 $E" "2 2 $P" "4 4 $P"
echo "desktop problems test passed"
