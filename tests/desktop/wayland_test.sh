#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under Wayland, in a headless sway whose output has scale
# 2: the window carries its menu entry's id; a peg jumps by two pointer
# clicks; H and a held Space make the hinted move once; the "Pomoc" button
# opens the help and Escape closes it; the about box opens from the menu by
# its letters and Enter closes it. At every step each cell of the board shows,
# device pixel for device pixel, the tile drawn for scale 2.
# Usage: wayland_test.sh PROGRAM TILEDUMP SAMPLES WLINPUT
source "$(dirname "$0")/lib.sh"
SAMPLES="$3"
WLINPUT="$4"
APP_ID="$(basename "$(dirname "$0")"/../../install/*.desktop.in .desktop.in)"
SCALE=2 CELL=120  # a cell is 60 logical pixels

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
# Waits up to two seconds for a window named by the regular expression $1
# (focused, if $2 is "focused"), or for none when $2 is "gone".
expect_window() {
    local found
    for _ in $(seq 20); do
        found=$(windows | jq -c --arg n "$1" 'select(.name | test($n))' | head -n1)
        case "${2:-}" in
            gone) [ -z "$found" ] && return 0 ;;
            focused) [ -n "$found" ] && [ "$(jq .focused <<<"$found")" = true ] && return 0 ;;
            *) [ -n "$found" ] && return 0 ;;
        esac
        sleep 0.1
    done
    fail "window /$1/ ${2:-shown}: not so; sway has $(windows | tr '\n' ' ')"
}

(cd "$HOMEDIR/game" && exec_as_user env QT_QPA_PLATFORM=wayland "$HOMEDIR/$(basename "$1")") >"$WORK/game.log" 2>&1 &
GAME_PID=$!
game=""
for _ in $(seq 100); do
    game=$(windows | jq -c --arg n "Kelb's Pegboard" 'select(.name == $n)')
    [ -n "$game" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
[ -n "$game" ] || fail "the game window did not appear: $(cat "$WORK/game.log")"
[ "$(jq -r .app_id <<<"$game")" = "$APP_ID" ] || fail "the window's app_id is not $APP_ID: $game"
read -r WIN_X WIN_Y height < <(jq -r '"\(.rect.x) \(.rect.y) \(.rect.height)"' <<<"$game")
MENU_H=$((height - 464))
[ "$MENU_H" -gt 0 ] || fail "no menu bar above the board window: $game"
WIN_Y=$((WIN_Y + MENU_H))  # the board window's corner, in logical pixels

# A click at board-window point ($1, $2), the pointer then put out of the
# way: sway draws it into the screenshots.
click_window() { input move $((WIN_X + $1)) $((WIN_Y + $2)); input click; input move 0 0; }
click_cell() { click_window $((16 + ($1 - 1) * 60 + 30)) $((16 + ($2 - 1) * 60 + 30)); }

# The board as 49 characters, row by row: each cell named by the tile it
# shows exactly, "?" for none (the keyboard cursor's frame, a blurred tile).
dump_tiles "$SCALE"
declare -A NAMES
for t in nieuzyt:# pusty:. pelny:o aktual:'*'; do
    NAMES[$(convert "$TILES/${t%%:*}@${SCALE}x.png" -alpha off -depth 8 -format '%#' info:)]=${t#*:}
done
board() {
    local s
    as_user grim "$HOMEDIR/shot.png" || fail "grim took no screenshot"
    while read -r s; do printf '%s' "${NAMES[$s]:-?}"; done < <(convert "$HOMEDIR/shot.png" \
        -crop $((7 * CELL))x$((7 * CELL))+$(((WIN_X + 16) * SCALE))+$(((WIN_Y + 16) * SCALE)) +repage \
        -crop ${CELL}x${CELL} -alpha off -depth 8 -format '%#\n' info:)
}
rows() { fold -w 7 <<<"$1" | paste -sd'|'; }
# The board shows $1, checked on new screenshots for up to two seconds.
expect_board() {
    local b
    for _ in $(seq 20); do
        b=$(board)
        [ "$b" = "$1" ] && return 0
        sleep 0.1
    done
    fail "${2:-the board}: expected $(rows "$1"), shown $(rows "$b")"
}
# The cell "col row" at index $1 of a board, and the index of the first
# character $1 on board $2 (49 if none).
cell() { echo "$(($1 % 7 + 1)) $(($1 / 7 + 1))"; }
index_of() { local before="${2%%"$1"*}"; echo ${#before}; }
# Board $1 with the cells given as "col row char" changed.
with() {
    local b="$1" c r x
    shift
    while [ $# -gt 0 ]; do
        read -r c r x <<<"$1"
        b="${b:0:$(((r - 1) * 7 + c - 1))}$x${b:$(((r - 1) * 7 + c))}"
        shift
    done
    echo "$b"
}

START="##ooo##""##ooo##""ooooooo""ooo.ooo""ooooooo""##ooo##""##ooo##"
expect_board "$START" "the start, at scale $SCALE"
click_cell 4 2
expect_board "$(with "$START" "4 2 *")" "a click on (4, 2)"
click_cell 4 4
MOVED=$(with "$START" "4 2 ." "4 3 ." "4 4 o")
expect_board "$MOVED" "a click on (4, 4) after (4, 2)"

# H selects a peg and puts the cursor on its target; a held Space makes
# that move once, and its repeats do not select the peg that landed.
keys h
for _ in $(seq 20); do
    hinted=$(board)
    from=$(index_of '*' "$hinted") to=$(index_of '?' "$hinted")
    [ "$from" -lt 49 ] && [ "$to" -lt 49 ] && break
    sleep 0.1
done
[ "$from" -lt 49 ] && [ "$to" -lt 49 ] || fail "H showed no hint: $(rows "$hinted")"
[ "$(with "$hinted" "$(cell "$from") o" "$(cell "$to") .")" = "$MOVED" ] \
    || fail "H changed more than the selection and the cursor: $(rows "$hinted")"
input keydown space; sleep 1.2; input keyup space
click_cell 1 1                        # a corner: hides the cursor, changes nothing
expect_board "$(with "$MOVED" "$(cell "$from") ." "$(cell $(((from + to) / 2))) ." "$(cell "$to") o")" \
    "the hinted move made by a held Space"

click_window 96 448                   # "Pomoc"
expect_window "^Pomoc" focused
keys Escape
expect_window "^Pomoc" gone
expect_window "^Kelb's Pegboard\$" focused
keys alt+p o                          # Pomoc, O programie
expect_window "^O programie\$" focused
keys Return
expect_window "^O programie\$" gone
echo "desktop Wayland test passed"
