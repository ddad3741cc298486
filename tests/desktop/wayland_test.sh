#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under Wayland, in a headless sway whose output has scale
# 2: the window carries its menu entry's id; a peg jumps by two pointer
# clicks and Ctrl+Z takes it back; H and a held Space make the hinted move
# once; the "Pomoc" button opens the help and Escape closes it; the about box
# opens from the menu by its letters and Enter closes it. At every step the
# board's cells show, device pixel for device pixel, the tiles drawn for
# scale 2, as the X11 scale test checks them.
# Usage: wayland_test.sh PROGRAM TILEDUMP SAMPLES WLINPUT
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"
WLINPUT="$4"
APP_ID="$(basename "$(dirname "$0")"/../../install/*.desktop.in .desktop.in)"
SCALE=2

# sway will not run as root: there the compositor, the game and the tools
# run as nobody, in a folder of its own holding copies of the programs.
HOMEDIR="$WORK/home"
RUNDIR="$HOMEDIR/run"
mkdir -p "$HOMEDIR/game" "$RUNDIR"
chmod 700 "$RUNDIR"
cp "$1" "$WLINPUT" "$HOMEDIR/"
cp "$SAMPLES/pegit.html" "$HOMEDIR/game/"
AS_USER=()
if [ "$(id -u)" = 0 ]; then
    chmod 711 "$WORK"
    chown -R nobody:nogroup "$HOMEDIR"
    AS_USER=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
SWAY_PID=""
# A command as that user, with only what the programs need in its
# environment (sway takes an empty SWAYSOCK for its socket's name, so the
# sockets are named only once known); exec_as_user in a subshell of its
# own, so that its process id is the program's.
user_command() {
    USER_COMMAND=("${AS_USER[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$HOMEDIR" XDG_RUNTIME_DIR="$RUNDIR"
                  ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} "$@")
}
as_user() { user_command "$@"; "${USER_COMMAND[@]}"; }
exec_as_user() { user_command "$@"; exec "${USER_COMMAND[@]}"; }
stop_all() {
    local p
    for p in "$GAME_PID" "${INPUT_PID:-}" "$SWAY_PID"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null || true
    done
    [ -n "$SWAY_PID" ] && wait "$SWAY_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap stop_all EXIT
unset WAYLAND_DISPLAY SWAYSOCK

cat >"$HOMEDIR/sway.conf" <<EOF
output HEADLESS-1 mode 1600x1200 scale $SCALE
default_border none
default_floating_border none
xwayland disable
EOF
(exec_as_user env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$HOMEDIR/sway.conf") >"$WORK/sway.log" 2>&1 &
SWAY_PID=$!
for _ in $(seq 50); do
    for f in "$RUNDIR"/wayland-? "$RUNDIR"/sway-ipc.*.sock; do
        [ -S "$f" ] || continue
        case "$f" in */wayland-?) WAYLAND_DISPLAY=$(basename "$f") ;; *) SWAYSOCK="$f" ;; esac
    done
    [ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${SWAYSOCK:-}" ] && break
    kill -0 "$SWAY_PID" 2>/dev/null || break
    sleep 0.1
done
[ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${SWAYSOCK:-}" ] || fail "sway did not start: $(tail -n 5 "$WORK/sway.log")"

# The pointer and keyboard, there before the game opens its window; it
# ends when this script does, and its input with it.
coproc INPUT { exec_as_user "$HOMEDIR/$(basename "$WLINPUT")" 2>"$WORK/wlinput.log"; }
read -r -t 5 reply <&"${INPUT[0]}" || reply=""
[ "$reply" = ready ] || fail "wlinput did not start: $(cat "$WORK/wlinput.log")"
# One command to wlinput, answered once sway has it.
input() {
    echo "$*" >&"${INPUT[1]}"
    read -r -t 5 reply <&"${INPUT[0]}" || reply="no answer"
    [ "$reply" = ok ] || fail "wlinput $*: $reply"
}
keys() { local k; for k in "$@"; do input key "$k"; sleep 0.05; done; sleep 0.2; }

# The windows as sway has them: name, app_id, focus and place in logical pixels.
windows() { as_user swaymsg -t get_tree | jq -c '.. | objects | select(.type == "floating_con" or .type == "con")
    | select(.app_id != null) | {name, app_id, focused, rect}'; }
# Waits up to $3 tenths of a second (20 unless given) for a window named by
# the regular expression $1, shown (and focused, if $2 is "focused"), then
# prints it; or, when $2 is "gone", for none.
expect_window() {
    local found
    for _ in $(seq "${3:-20}"); do
        found=$(windows | jq -c --arg n "$1" 'select(.name | test($n))' | head -n1)
        case "${2:-}" in
            gone) [ -z "$found" ] && return 0 ;;
            focused) [ -n "$found" ] && [ "$(jq .focused <<<"$found")" = true ] && echo "$found" && return 0 ;;
            *) [ -n "$found" ] && echo "$found" && return 0 ;;
        esac
        sleep 0.1
    done
    fail "window /$1/ ${2:-shown}: not so; sway has $(windows | tr '\n' ' ')"
}

(cd "$HOMEDIR/game" && exec_as_user env QT_QPA_PLATFORM=wayland "$HOMEDIR/$(basename "$1")") >"$WORK/game.log" 2>&1 &
GAME_PID=$!
game=$(expect_window "^Kelb's Pegboard\$" shown 100) || fail "no game window: $(cat "$WORK/game.log")"
[ "$(jq -r .app_id <<<"$game")" = "$APP_ID" ] || fail "the window's app_id is not $APP_ID: $game"
read -r x y height < <(jq -r '"\(.rect.x) \(.rect.y) \(.rect.height)"' <<<"$game")
[ "$height" -gt 464 ] || fail "no menu bar above the board window: $game"
# The board window's corner in device pixels, which lib.sh's checks take;
# the pointer goes in logical ones.
WIN_X=$((x * SCALE)) WIN_Y=$(((y + height - 464) * SCALE))
click_window() { input move $((WIN_X / SCALE + $1)) $((WIN_Y / SCALE + $2)); input click; input move 0 0; }
click_cell() { click_window $((16 + ($1 - 1) * 60 + 30)) $((16 + ($2 - 1) * 60 + 30)); }

# Each cell checked against the tile drawn for scale 2, device pixel for
# device pixel, on grim's screenshots (sway draws the pointer into them:
# it is put out of the way after each click).
screenshot() { as_user grim "$HOMEDIR/shot.png" && cp "$HOMEDIR/shot.png" "$WORK/shot.png" || fail "grim took no screenshot"; }
CELL=$((60 * SCALE))
expect_device_cell() { expect_region $(((16 + ($1 - 1) * 60) * SCALE)) $(((16 + ($2 - 1) * 60) * SCALE)) "$CELL" "$TILES/$3@${SCALE}x.png"; }
CELL_CHECK=expect_device_cell
dump_tiles "$SCALE"
start_board_picture "$TILES/nieuzyt@${SCALE}x.png" "$TILES/pusty@${SCALE}x.png" "$TILES/pelny@${SCALE}x.png" "$WORK/start.png"
expect_start() { screenshot; expect_region $((16 * SCALE)) $((16 * SCALE)) $((7 * CELL)) "$WORK/start.png"; }

expect_start
click_cell 4 2
expect_cells "4 2 aktual"
click_cell 4 4
expect_cells "4 2 pusty" "4 3 pusty" "4 4 pelny"
keys ctrl+z
expect_start
# H selects (4, 2) and puts the cursor on (4, 4); a held Space makes that
# move once, and its repeats do not select the peg that landed.
keys h
expect_cells "4 2 aktual"
[ "$(region_diff $(((16 + 3 * 60) * SCALE)) $(((16 + 3 * 60) * SCALE)) "$CELL" "$TILES/pusty@${SCALE}x.png")" != 0 ] \
    || fail "H put no cursor on (4, 4)"
input keydown space; sleep 1.2; input keyup space
click_cell 1 1                        # a corner: hides the cursor, changes nothing
expect_cells "4 2 pusty" "4 3 pusty" "4 4 pelny" "1 1 nieuzyt"

click_window 96 448                   # "Pomoc"
expect_window "^Pomoc" focused >/dev/null
keys Escape
expect_window "^Pomoc" gone >/dev/null
expect_window "^Kelb's Pegboard\$" focused >/dev/null
keys alt+p o                          # Pomoc, O programie
expect_window "^O programie\$" focused >/dev/null
keys Return
expect_window "^O programie\$" gone >/dev/null
echo "desktop Wayland test passed"
