#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real window: play two moves with the mouse, save them through the panel,
# reset, replay the file at "szybko" and check the board on screen.
source "$(dirname "$0")/lib.sh"

start_xvfb
dump_tiles
mkdir -p "$WORK/game"
start_game "$WORK/game"

click_cell 4 2; click_cell 4 4
click_cell 2 3; click_cell 4 3

click_window 392 448          # "Zapisz Ruchy"
click_window 220 249          # the file name field
xdotool key ctrl+a
type_text "dwa ruchy.txt"
click_window 184 280          # "OK"

saved="$WORK/game/dwa ruchy.txt"
[ -f "$saved" ] || fail "no file was saved"
expected="$WORK/expected.txt"
printf 'Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n' >"$expected"
cmp "$saved" "$expected" || fail "the saved file differs: $(od -c "$saved" | head)"

click_window 40 448           # "Reset"
screenshot
expect_start_board "$TILES"

click_window 316 448          # "Odtwórz"
click_window 288 144          # "szybko"
await_cell 4 3 "$TILES/pelny.png"   # the last move is on screen: the replay has ended
for cell in "4 2" "4 3 pelny" "4 4 pelny" "2 3" "3 3"; do
    set -- $cell
    expect_cell "$1" "$2" "$TILES/${3:-pusty}.png"
done
expect_cell 4 6 "$TILES/pelny.png"

# The board takes clicks again once the replay has ended.
click_cell 4 5
screenshot
expect_cell 4 5 "$TILES/aktual.png"
echo "desktop replay test passed"
