#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keys typed into the real panels stay there: Enter in the name field saves
# the game as it stands and makes no move behind the panel, held or not;
# arrows and Escape leave the board alone; Enter in the replay list and in
# the look list do what their panel's OK does; Escape closes the help.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

start_xvfb
dump_tiles
game="$WORK/game"
mkdir -p "$game"
cp "$SAMPLES/przyklad.txt" "$game/a.txt"
cp "$SAMPLES"/kontrast* "$game/"
start_game "$game"
# The game as it stands: (2, 4) selected, nothing moved; with no panel
# open (the panels cover the middle), no cursor frame on the centre either.
expect_untouched() {
    local cells=("2 4 $TILES/aktual.png" "1 4 $TILES/pelny.png")
    [ "${1:-}" = open ] || cells+=("3 4 $TILES/pelny.png" "4 4 $TILES/pusty.png")
    expect_cells "${cells[@]}"
}
counter_of() { sed -n 2p "$game/$1" | tr -d ' \r'; }

click_cell 2 4
click_window 392 448                  # "Zapisz Ruchy": its name chosen, ready to be typed over
type_text "jeden.txt"
keys Return
[ "$(counter_of jeden.txt)" = 32 ] || fail "Enter in the name field did not save the game as it stands"
expect_untouched

click_window 392 448
type_text "dwa.txt"
keys Up Down Up                       # in the field only
expect_untouched open
xdotool keydown Return; sleep 1.5; xdotool keyup Return; sleep 0.3
[ "$(counter_of dwa.txt)" = 32 ] || fail "a held Enter in the name field did not save once"
expect_untouched

click_window 392 448
type_text "trzy.txt"
keys Escape                           # Anuluj: nothing written
[ ! -e "$game/trzy.txt" ] || fail "Escape in the name field saved"
expect_untouched

click_window 260 448                  # "Mata": the look list
keys Down Down
expect_untouched open
keys Escape
expect_untouched
click_window 96 448                   # "Pomoc", closed by Escape
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Pomoc' >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --onlyvisible --name '^Pomoc' >/dev/null 2>&1 || fail "the help did not open"
keys Escape
sleep 0.3
[ -z "$(xdotool search --onlyvisible --name '^Pomoc' 2>/dev/null)" ] || fail "Escape did not close the help"

xdotool windowfocus --sync "$WIN_ID"
click_window 260 448
keys Return                           # the look list's first look, applied as "Ok" does
expect_cells "1 1 $game/kontrast-nieuzyt.png" "2 4 $game/kontrast-pelny.png"  # the look drawn anew shows no highlight

click_window 316 448                  # "Odtwórz": its list, a.txt first
keys Up Return                        # OK: the sample at 550 ms a move
sleep 1.6
expect_cells "4 2 $game/kontrast-pusty.png" "2 3 $game/kontrast-pusty.png" "2 4 $game/kontrast-pelny.png"
echo "desktop panel keys test passed"
