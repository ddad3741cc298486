#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tools/screenshots.sh takes the start and a game in the wood look: the
# pictures it writes show those boards, cell for cell.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"
here="$(cd "$(dirname "$0")/../.." && pwd)"

dump_tiles
bash "$here/tools/screenshots.sh" "$PROGRAM" "$WORK/out" >"$WORK/shots.log" 2>&1 \
    || fail "screenshots.sh failed: $(cat "$WORK/shots.log")"
[ -z "$(ls "$SAMPLES" | grep -v -e '\.cfg$' -e '\.png$' -e '\.txt$' -e '\.html$' || true)" ] \
    || fail "screenshots.sh left files in the samples folder"

# The pictures are of the window alone: the board 16 pixels in.
WIN_X=0 WIN_Y=0
cp "$WORK/out/screenshot.png" "$WORK/shot.png"
expect_start_board "$TILES"
cp "$WORK/out/screenshot-look.png" "$WORK/shot.png"
expect_cell 3 4 "$SAMPLES/drewno-aktual.png"
expect_cell 4 4 "$SAMPLES/drewno-pelny.png"
expect_cell 4 5 "$SAMPLES/drewno-pelny.png"
expect_cell 5 5 "$SAMPLES/drewno-pelny.png"
for c in "4 6" "6 5" "5 4" "5 3"; do expect_cell $c "$SAMPLES/drewno-pusty.png"; done
expect_cell 1 1 "$SAMPLES/drewno-nieuzyt.png"
echo "screenshots test passed"
