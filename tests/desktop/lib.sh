# SPDX-License-Identifier: MIT
# Shared by the real-window tests: a private Xvfb, the game in a scratch
# folder, real mouse clicks and pixel checks on screenshots.
set -euo pipefail

PROGRAM="$1"
TILEDUMP="$2"
WORK="$(mktemp -d)"
XWORK="$WORK"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xwindow.sh"

trap 'xvfb_stop; rm -rf "$WORK"' EXIT
# The game in Polish, whatever the machine prefers; a test of another language says so.
export LANGUAGE=pl

fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb() { xvfb_start || fail "Xvfb did not start"; }

# Runs the test again on a private session bus, gone with it, and there
# starts Xvfb and the accessibility bus, which the game then joins.
on_accessibility_bus() {
    if [ -z "${ACCESS_TEST_BUS:-}" ]; then
        unset AT_SPI_BUS_ADDRESS
        XDG_RUNTIME_DIR="$WORK" ACCESS_TEST_BUS=1 dbus-run-session -- bash "$0" "$@"
        exit
    fi
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    start_xvfb
    # Qt joins an accessibility bus only if it is there: asking for its address starts it.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
}

# Starts the game in folder $1 (made if missing) and waits for its window,
# which takes the keyboard; sets WIN_ID, and WIN_X, WIN_Y: the board
# window's corner, below the menu bar (MENU_H device pixels high).
start_game() {
    mkdir -p "$1"
    game_window_start "$1" "$PROGRAM" || fail "the game window did not appear: $(cat "$WORK/game.log")"
    read -r WIN_X WIN_Y height < <(xwininfo -id "$WIN_ID" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Height:/ {print x, y, $2}')
    MENU_H=$((height - $(awk -v s="${QT_SCALE_FACTOR:-1}" 'BEGIN { printf "%d", 464 * s + 0.5 }')))
    [ "$MENU_H" -gt 0 ] || fail "no menu bar above the board window"
    WIN_Y=$((WIN_Y + MENU_H))
    xdotool windowfocus --sync "$WIN_ID"
    sleep 0.3
}
keys() { xdotool key --delay 40 "$@"; sleep 0.2; }

# Board cell (col, row) centre, in screen pixels: the board starts 16 pixels in.
cell_x() { echo $((WIN_X + 16 + ($1 - 1) * 60 + 30)); }
cell_y() { echo $((WIN_Y + 16 + ($1 - 1) * 60 + 30)); }

click_at() { xdotool mousemove "$1" "$2" sleep 0.05 click 1; }

click_cell() { click_at "$(cell_x "$1")" "$(cell_y "$2")"; }

# A point inside the window, in window pixels.
click_window() { click_at $((WIN_X + $1)) $((WIN_Y + $2)); }

type_text() { xdotool type --delay 20 "$1"; sleep 0.2; }

screenshot() { import -window root "$WORK/shot.png"; }

# Number of pixels by which the screenshot's square of side $3 at window
# pixel ($1, $2) differs from picture $4.
region_diff() {
    compare -metric AE "$WORK/shot.png[${3}x${3}+$((WIN_X + $1))+$((WIN_Y + $2))]" "$4" null: 2>&1 || true
}
# The screen shows picture $4 in the square of side $3 at window pixel
# ($1, $2): checked on the last screenshot, then on new ones for up to two
# seconds, as the game repaints in its own time.
expect_region() {
    local d
    for _ in $(seq 20); do
        d=$(region_diff "$@")
        [ "$d" = "0" ] && return 0
        sleep 0.1
        screenshot
    done
    fail "the ${3}-pixel square at ($1, $2) differs from $(basename "$4") in $d pixels"
}
expect_cell() { expect_region $((16 + ($1 - 1) * 60)) $((16 + ($2 - 1) * 60)) 60 "$3"; }
# A new screenshot, with each "col row picture" given shown in its cell
# (checked by $CELL_CHECK, expect_cell unless set).
expect_cells() { local c; screenshot; for c in "$@"; do ${CELL_CHECK:-expect_cell} $c; done; }
# The built-in tiles into $TILES, drawn at scale $1 if given.
dump_tiles() {
    TILES="$WORK/tiles" && mkdir -p "$TILES"
    "$TILEDUMP" "$TILES" "$@" >/dev/null 2>&1 || fail "could not write the built-in tiles"
}

# The start position drawn from tile pictures $1 (no hole), $2 (empty hole)
# and $3 (peg) into picture $4: one comparison for the whole board.
start_board_picture() {
    local c r rows=()
    for r in 1 2 3 4 5 6 7; do
        rows+=("(")
        for c in 1 2 3 4 5 6 7; do
            if ! (( (c >= 3 && c <= 5) || (r >= 3 && r <= 5) )); then rows+=("$1")
            elif [ "$c$r" = 44 ]; then rows+=("$2")
            else rows+=("$3"); fi
        done
        rows+=(+append ")")
    done
    convert "${rows[@]}" -append "$4"
}
