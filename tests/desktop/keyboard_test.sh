#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program played with the keyboard alone: the worked example by
# arrow keys and Space, saved through the panel by Tab and typing, the file
# compared with the sample, then one move taken back with Ctrl+Z.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

start_xvfb
dump_tiles
mkdir -p "$WORK/game"
start_game "$WORK/game"
id=$(xdotool search --name "^Kelb's Pegboard$" | head -n1)
xdotool windowfocus --sync "$id"
sleep 0.2

keys() { xdotool key --delay 40 "$@"; sleep 0.2; }

keys Up                 # shows the cursor on the centre
keys Up Up space        # (4, 2) selected
keys Down Down space    # jumps into the centre
keys Up Left Left space # (2, 3) selected
keys Right Right space  # jumps to (4, 3)
screenshot
expect_cell 4 4 "$TILES/pelny.png"
expect_cell 2 3 "$TILES/pusty.png"

keys Tab Tab space      # Reset, then "Zapisz Ruchy": the save panel opens
keys Tab ctrl+a         # the file name
xdotool type --delay 20 "klawiatura.txt"
keys Tab space          # its OK
saved="$WORK/game/klawiatura.txt"
[ -f "$saved" ] || fail "no file was saved: $(cat "$WORK/game.log")"
cmp "$saved" "$SAMPLES/przyklad.txt" || fail "the saved file differs from przyklad.txt: $(od -c "$saved" | head)"

keys ctrl+z
screenshot
expect_cell 2 3 "$TILES/pelny.png"
expect_cell 3 3 "$TILES/pelny.png"
expect_cell 4 3 "$TILES/pusty.png"
expect_cell 4 4 "$TILES/pelny.png"
echo "desktop keyboard test passed"
