#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Real window in a copy of the sample folder: apply board looks through the
# panel with the mouse and keyboard, and check the board on screen.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"

start_xvfb
dump_tiles
mkdir -p "$WORK/game"
cp "$SAMPLES"/*.cfg "$SAMPLES"/*.png "$WORK/game/"
start_game "$WORK/game"

click_window 260 448          # "Mata"
click_window 200 168          # the first entry of the list (drewno.cfg)
xdotool key Down              # kamien.cfg
sleep 0.2
click_window 216 296          # "Zastosuj": the panel stays open
screenshot
expect_cell 1 1 "$WORK/game/kamien-nieuzyt.png"
expect_cell 1 3 "$WORK/game/kamien-pelny.png"
expect_cell 7 7 "$WORK/game/kamien-nieuzyt.png"

click_window 200 168          # back to the list, first entry
xdotool key Down Down         # kontrast.cfg
sleep 0.2
click_window 188 328          # "Ok": closes the panel and applies
screenshot
expect_cell 4 4 "$WORK/game/kontrast-pusty.png"
expect_cell 4 3 "$WORK/game/kontrast-pelny.png"
expect_cell 2 2 "$WORK/game/kontrast-nieuzyt.png"

click_cell 4 6                # the new selected-peg picture from the next selection on
screenshot
expect_cell 4 6 "$WORK/game/kontrast-aktual.png"

click_window 40 448           # "Reset" keeps the look
screenshot
expect_cell 4 6 "$WORK/game/kontrast-pelny.png"
expect_cell 4 4 "$WORK/game/kontrast-pusty.png"
echo "desktop look test passed"
