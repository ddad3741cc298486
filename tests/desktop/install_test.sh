#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cmake --install puts the game where a desktop finds it, with a valid menu
# entry and metadata. The launcher starts the game in the player's folder
# with the samples copied there once, or, when that folder cannot be made or
# filled, in the installed samples, quietly.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=io.github.kelbspegboard.KelbsPegboard
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/kelbs-pegboard games/kelbs-pegboard-start share/applications/$app_id.desktop \
         share/metainfo/$app_id.metainfo.xml share/man/man6/kelbs-pegboard.6.gz \
         share/doc/kelbs-pegboard/copyright share/doc/kelbs-pegboard/changelog.Debian.gz \
         share/kelbs-pegboard/pegit.html share/kelbs-pegboard/drewno.cfg share/kelbs-pegboard/pelna-gra.txt; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kelbs-pegboard.png"
    [ -f "$icon" ] || fail "no ${size}-pixel icon"
    [ "$(identify -format %wx%h "$icon")" = "${size}x${size}" ] || fail "the $size icon has the wrong size"
done

desktop="$prefix/share/applications/$app_id.desktop"
grep -qx "Exec=$prefix/games/kelbs-pegboard-start" "$desktop" || fail "menu entry does not start the installed launcher"
grep -q '^Name\[pl\]=' "$desktop" || fail "no Polish name"
grep -q '^Comment\[pl\]=' "$desktop" || fail "no Polish comment"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the metadata"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not name the menu entry"

as_player=()  # a command prefix that runs the launcher as another user

# Runs the launcher in the background with the given environment and waits
# until the game itself runs (the launcher execs it), with Qt's Polish strings
# loaded. Sets game to its process id.
start() {
    "${as_player[@]}" env "$@" QT_QPA_PLATFORM=offscreen "$prefix/games/kelbs-pegboard-start" >"$work/out" 2>"$work/err" &
    game=$!
    for _ in $(seq 200); do
        if [ "$(readlink "/proc/$game/exe" 2>/dev/null)" = "$prefix/games/kelbs-pegboard" ] \
           && grep -q '/qtbase_pl\.qm$' "/proc/$game/maps" 2>/dev/null; then
            sleep 0.5
            kill -0 "$game" 2>/dev/null || fail "the game stopped: $(cat "$work/err")"
            return
        fi
        kill -0 "$game" 2>/dev/null || fail "the game did not start: $(cat "$work/err")"
        sleep 0.05
    done
    fail "the game did not start with Qt's Polish strings: $(cat "$work/err")"
}
stop() { kill "$game"; wait "$game" 2>/dev/null || true; game=""; }
quiet_launcher() {
    ! grep -E '^(mkdir|cp|mv|rm|cd):|kelbs-pegboard-start' "$work/err" \
        || fail "the launcher complained on its own"
}

# The player's folder is filled once, never over the player's own file.
echo "moje" >"$work/keep.cfg"
mkdir -p "$work/home/kelbs-pegboard" && cp "$work/keep.cfg" "$work/home/kelbs-pegboard/drewno.cfg"
start XDG_DATA_HOME="$work/home"
[ "$(readlink "/proc/$game/cwd")" = "$work/home/kelbs-pegboard" ] || fail "the game did not start in the player's folder"
stop
[ -f "$work/home/kelbs-pegboard/kamien.cfg" ] || fail "samples not copied"
cmp -s "$work/keep.cfg" "$work/home/kelbs-pegboard/drewno.cfg" || fail "the player's own file was overwritten"
for f in "$work"/home/kelbs-pegboard/.*.part; do
    [ ! -e "$f" ] || fail "a temporary copy was left behind: $f"
done
quiet_launcher

# A home the player cannot write to, and a player's folder that cannot be
# filled: the game starts in the installed samples and the launcher says
# nothing. Root writes anywhere, so the player is nobody then.
if [ "$(id -u)" = 0 ]; then
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$work"
fi
mkdir -p "$work/ro-home" "$work/ro-data/kelbs-pegboard"
cp "$work/keep.cfg" "$work/ro-data/kelbs-pegboard/drewno.cfg"
chmod 555 "$work/ro-home" "$work/ro-data/kelbs-pegboard"
if [ "$(id -u)" != 0 ] && touch "$work/ro-home/x" 2>/dev/null; then
    fail "cannot make a read-only folder here"
fi
for env in "HOME=$work/ro-home" "XDG_DATA_HOME=$work/ro-data"; do
    start -u XDG_DATA_HOME "$env"
    [ "$(readlink "/proc/$game/cwd")" = "$prefix/share/kelbs-pegboard" ] \
        || fail "with $env the game runs in $(readlink "/proc/$game/cwd"), not in the samples"
    stop
    quiet_launcher
done
[ -z "$(ls -A "$work/ro-home")" ] || fail "something was written to the read-only home"
echo "install test passed"
