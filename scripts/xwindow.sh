# SPDX-License-Identifier: MIT
# Sourced by the programs that show the game in a private Xvfb (the desktop
# tests, tools/screenshots.sh). Needs XWORK, a scratch folder; sets
# XVFB_PID, DISPLAY, GAME_PID and WIN_ID.

XVFB_PID="" GAME_PID="" WIN_ID=""

# A private display of XVFB_SCREEN (1024x768x24 unless set).
xvfb_start() {
    exec 3>"$XWORK/display"
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >"$XWORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$XWORK/display" ] && break
        sleep 0.05
    done
    [ -s "$XWORK/display" ] || return 1
    export DISPLAY=":$(head -n1 "$XWORK/display")"
    unset QT_QPA_PLATFORM
}

# Gone for good, display socket and all, so no later Xvfb meets it.
xvfb_stop() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# Starts program $2 in folder $1 and waits for its window; its output goes
# to $XWORK/game.log. Programs run side by side: an Xvfb on its way out can
# remove the socket of a new one that just took the same display number, and
# the game then cannot connect. Then the display is started again, up to
# three times.
game_window_start() {
    local attempt
    WIN_ID=""
    for attempt in 1 2 3; do
        (cd "$1" && exec "$2") >"$XWORK/game.log" 2>&1 &
        GAME_PID=$!
        for _ in $(seq 200); do
            WIN_ID=$(xdotool search --name "^Kelb's Pegboard$" 2>/dev/null | head -n1 || true)
            [ -n "$WIN_ID" ] && xwininfo -id "$WIN_ID" 2>/dev/null | grep -q 'IsViewable' && return 0
            WIN_ID=""
            kill -0 "$GAME_PID" 2>/dev/null || break
            sleep 0.05
        done
        grep -q "could not connect to display" "$XWORK/game.log" || return 1
        echo "display lost, starting it again (attempt $attempt)" >&2
        xvfb_stop
        xvfb_start || return 1
    done
    return 1
}
