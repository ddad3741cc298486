#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pictures of the game for the README and the AppStream metadata, taken from
# the real window under a private Xvfb. Builds nothing.
# Usage: tools/screenshots.sh GAME_BINARY [OUTPUT_FOLDER]
#   writes screenshot.png (the start) and screenshot-look.png (a game in
#   progress in the wood look) of the Polish window, and screenshot-en.png
#   and screenshot-look-en.png of the English one, to OUTPUT_FOLDER, docs/
#   by default. SCALE=1.5 or SCALE=2 in the environment takes them at that
#   screen scale.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
game="$(realpath "${1:?usage: $0 GAME_BINARY [OUTPUT_FOLDER]}")"
out="$(realpath -m "${2:-$here/docs}")"
scale="${SCALE:-1}"
for tool in Xvfb xdotool xwininfo import; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is needed" >&2; exit 1; }
done
[ -x "$game" ] || { echo "$0: $game is not a program" >&2; exit 1; }

work="$(mktemp -d)"
XWORK="$work" XVFB_SCREEN=1600x1200x24
source "$here/scripts/xwindow.sh"
cleanup() {
    xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT

xvfb_start || { echo "$0: Xvfb did not start" >&2; exit 1; }
export QT_SCALE_FACTOR="$scale"
# Window pixels in the 100 % design, scaled to the screen.
at() { awk -v s="$scale" -v v="$1" 'BEGIN { printf "%d", v * s + 0.5 }'; }
click() {
    xdotool mousemove --window "$win" "$(at "$1")" $(( $(at "$2") + menu_h ))
    sleep 0.05; xdotool click 1; sleep 0.25
}
cell() { click $((16 + 60 * $1 - 30)) $((16 + 60 * $2 - 30)); }
shot() { import -window "$win" "$1"; echo "$1"; }

# The game in language $1, its pictures named with suffix $2.
pictures() {
    # Each game plays in a copy of the samples, so data/ gets no files.
    mkdir -p "$work/game-$1"
    cp "$here"/data/*.cfg "$here"/data/*.png "$work/game-$1/"
    LANGUAGE="$1" game_window_start "$work/game-$1" "$game" \
        || { echo "$0: no game window: $(cat "$work/game.log")" >&2; exit 1; }
    win=$WIN_ID
    sleep 0.5
    # The board window lies below the menu bar.
    menu_h=$(( $(xwininfo -id "$win" | awk '/Height:/ {print $2}') - $(at 464) ))

    shot "$out/screenshot$2.png"

    click 260 448                 # "Mata", the look button
    click 200 168                 # the first look in the list: "Jasne drewno"
    click 188 328                 # "Ok"
    cell 4 6; cell 4 4            # three jumps
    cell 6 5; cell 4 5
    cell 5 3; cell 5 5
    cell 3 4                      # and a peg selected
    xdotool mousemove --window "$win" 0 0
    sleep 0.3
    shot "$out/screenshot-look$2.png"

    kill "$GAME_PID" && wait "$GAME_PID" || true
    GAME_PID=""
}

mkdir -p "$out"
pictures pl ""
pictures en -en
