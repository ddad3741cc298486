#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program played with the keyboard alone: the worked example by
# arrow keys and Space, undo and redo, saved through the panel by typing and
# Enter, the file compared with the sample, then replayed by a held Space;
# last a whole game played by H and Space alone, the first Space held, down
# to one peg in the centre.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

start_xvfb
dump_tiles
start_game "$WORK/game"

keys Up                 # shows the cursor on the centre: the board has the keys from the start
keys Up Up space        # (4, 2) selected
keys Down Down space    # jumps into the centre
keys Up Left Left space # (2, 3) selected
keys Right Right space  # jumps to (4, 3)
keys ctrl+z             # the second jump taken back
keys Tab Tab space      # Reset, then "Zapisz Ruchy": the save panel opens, its name chosen
xdotool type --delay 20 "klawiatura.txt"
keys ctrl+z ctrl+y      # in the field both edit the name and never the game
keys Return             # Enter saves, as OK does
saved="$WORK/game/klawiatura.txt"
[ -f "$saved" ] || fail "no file was saved: $(cat "$WORK/game.log")"
[ "$(sed -n 2p "$saved" | tr -d ' \r')" = 31 ] || fail "Ctrl+Y in the name field made a move again"
keys ctrl+y             # on the window: the jump made again
keys space Return       # the save panel again, Enter in its field
cmp "$saved" "$SAMPLES/przyklad.txt" || fail "the saved file differs from przyklad.txt: $(od -c "$saved" | head)"

# A held Space on "szybko": the replay closes the panel under the key, and
# the repeats must press nothing else (the help, "Odtwórz" again).
keys ctrl+z             # so the replay shows
keys Tab space          # "Odtwórz", from "Zapisz Ruchy" where the save left the focus
keys Tab Tab Tab        # from its list: OK, Anuluj, szybko
xdotool keydown space; sleep 1.5; xdotool keyup space; sleep 0.3
[ -z "$(xdotool search --name '^Pomoc' 2>/dev/null)" ] || fail "the held Space opened the help"
expect_cells "4 4 $TILES/pelny.png" "4 2 $TILES/pusty.png" "2 3 $TILES/pusty.png"  # the replayed game, no panel over it

click_window 40 448                   # Reset
keys h                                # (4, 2) to the centre; a held Space makes that one move
xdotool keydown space; sleep 1.2; xdotool keyup space; sleep 0.3
click_cell 1 1                        # hides the cursor
expect_cells "4 4 $TILES/pelny.png"   # the peg that landed is not selected by the repeats
for _ in $(seq 30); do keys h space; done
click_cell 1 1                        # a corner: hides the cursor, changes nothing
screenshot
# The board within the focus mark that the keys left around it.
start_board_picture "$TILES/nieuzyt.png" "$TILES/pelny.png" "$TILES/pusty.png" - | convert - -crop 412x412+4+4 "$WORK/won.png"
expect_region 20 20 412 "$WORK/won.png"
echo "desktop keyboard test passed"
