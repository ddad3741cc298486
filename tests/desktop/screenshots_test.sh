#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tools/screenshots.sh takes the start and a game in the wood look, in
# Polish and in English: the pictures it writes show those boards, cell for
# cell.
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"
here="$(cd "$(dirname "$0")/../.." && pwd)"

dump_tiles
bash "$here/tools/screenshots.sh" "$PROGRAM" "$WORK/out" >"$WORK/shots.log" 2>&1 \
    || fail "screenshots.sh failed: $(cat "$WORK/shots.log")"
[ -z "$(ls "$SAMPLES" | grep -v -e '\.cfg$' -e '\.png$' -e '\.txt$' -e '\.html$' || true)" ] \
    || fail "screenshots.sh left files in the samples folder"

# The pictures are of the window alone: the board 16 pixels into the
# board window, below the menu bar; the same boards in both languages.
start_board_picture "$TILES/nieuzyt.png" "$TILES/pusty.png" "$TILES/pelny.png" "$WORK/start.png"
for lang in "" -en; do
    WIN_X=0 WIN_Y=$(( $(identify -format %h "$WORK/out/screenshot$lang.png") - 464 ))
    cp "$WORK/out/screenshot$lang.png" "$WORK/shot.png"
    expect_region 16 16 420 "$WORK/start.png"
    cp "$WORK/out/screenshot-look$lang.png" "$WORK/shot.png"
    for c in "3 4 aktual" "4 4 pelny" "4 5 pelny" "5 5 pelny" "4 6 pusty" "6 5 pusty" "5 4 pusty" "5 3 pusty" "1 1 nieuzyt"; do
        set -- $c && expect_cell "$1" "$2" "$SAMPLES/drewno-$3.png"
    done
done
echo "screenshots test passed"
