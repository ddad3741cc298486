#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The menu bar of the real window, driven by keys alone: F10 opens "Gra"
# and Enter on its first item starts a new game; Alt+G and the item's
# letter take a move back; F10 and Right twice reach "Pomoc" (past
# "Zadanie"), whose first item opens the help. The board window below it is
# clicked where it always was.
source "$(dirname "$0")/lib.sh"

start_xvfb
dump_tiles
start_game "$WORK/game"
moved=("4 2 $TILES/pusty.png" "4 3 $TILES/pusty.png" "4 4 $TILES/pelny.png")
start=("4 2 $TILES/pelny.png" "4 3 $TILES/pelny.png" "4 4 $TILES/pusty.png")

click_cell 4 2; click_cell 4 4
expect_cells "${moved[@]}"
keys F10 Down Return                  # Gra, Nowa gra
expect_cells "${start[@]}"

click_cell 4 2; click_cell 4 4
expect_cells "${moved[@]}"
keys alt+g c                          # Gra, Cofnij
expect_cells "${start[@]}"

keys F10 Right Right Return           # Pomoc, its first item: the help
for _ in $(seq 30); do xdotool search --onlyvisible --name '^Pomoc' >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --onlyvisible --name '^Pomoc' >/dev/null 2>&1 || fail "F10, Right and Enter did not open the help"
echo "desktop menu test passed"
