#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cmake --install puts the game where a desktop finds it, with a menu entry
# the metadata names (metadata_test.sh validates both). The launcher starts
# the game in the player's folder with each sample copied there once, even
# when launched several times at once; without such a folder, in a
# temporary one with --no-player-folder that goes when the game ends, never
# in an installed folder it could spoil, and quietly.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
game="" launcher=""
trap 'kill $game $launcher 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=io.github.kelbspegboard.KelbsPegboard
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/kelbs-pegboard games/kelbs-pegboard-start share/applications/$app_id.desktop \
         share/metainfo/$app_id.metainfo.xml share/man/man6/kelbs-pegboard.6.gz \
         share/doc/kelbs-pegboard/copyright share/doc/kelbs-pegboard/changelog.Debian.gz \
         share/kelbs-pegboard/pegit.html share/kelbs-pegboard/pegit-en.html share/kelbs-pegboard/drewno.cfg \
         share/kelbs-pegboard/pelna-gra.txt; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in ${ICON_SIZES:?set by ctest from the build}; do
    [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x${size}/apps/kelbs-pegboard.png")" = "${size}x${size}" ] \
        || fail "no ${size}-pixel icon of that size"
done

desktop="$prefix/share/applications/$app_id.desktop"
grep -qx "Exec=$prefix/games/kelbs-pegboard-start" "$desktop" || fail "menu entry does not start the installed launcher"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metadata does not name the menu entry"

as_player=()  # a command prefix that runs the launcher as another user

# Runs the launcher in the background with the given environment (and INT
# not ignored, as a terminal starts it) and waits until the game itself runs
# (the launcher execs it, or runs it as its child), with Qt's Polish strings
# loaded. Sets launcher and game to their process ids.
start() {
    "${as_player[@]}" env --default-signal=INT "$@" LANGUAGE=pl QT_QPA_PLATFORM=offscreen "$prefix/games/kelbs-pegboard-start" \
        >"$work/out" 2>"$work/err" &
    launcher=$!
    for _ in $(seq 200); do
        for game in $launcher $(cat "/proc/$launcher/task/$launcher/children" 2>/dev/null); do
            if [ "$(readlink "/proc/$game/exe" 2>/dev/null)" = "$prefix/games/kelbs-pegboard" ] \
               && grep -q '/qtbase_pl\.qm$' "/proc/$game/maps" 2>/dev/null; then
                sleep 0.5
                kill -0 "$game" 2>/dev/null || fail "the game stopped: $(cat "$work/err")"
                return
            fi
        done
        game=""
        kill -0 "$launcher" 2>/dev/null || fail "the game did not start: $(cat "$work/err")"
        sleep 0.05
    done
    fail "the game did not start with Qt's Polish strings: $(cat "$work/err")"
}
# Sends signal $1 to the launcher; sets status to how it ended.
stop() {
    kill -"$1" "$launcher"
    for _ in $(seq 100); do kill -0 "$launcher" 2>/dev/null && sleep 0.05; done
    ! kill -0 "$launcher" 2>/dev/null || fail "the launcher did not end on $1"
    status=0 && wait "$launcher" 2>/dev/null || status=$?
    ! kill -0 "$game" 2>/dev/null || fail "the game outlived its launcher"
    game="" launcher=""
}
quiet_launcher() { ! grep -E '^(mkdir|cp|mv|rm|cd):|kelbs-pegboard-start' "$work/err" || fail "the launcher complained on its own"; }

# Same file names as the samples plus the list of copied ones: nothing missing,
# no temporary copy left behind.
same_files() { [ "$(ls -A "$1" | sort)" = "$( (ls -A "$2"; echo .samples) | sort)" ]; }

# The player's folder is filled once, never over the player's own file.
echo "moje" >"$work/keep.cfg"
mkdir -p "$work/home/kelbs-pegboard" && cp "$work/keep.cfg" "$work/home/kelbs-pegboard/drewno.cfg"
start XDG_DATA_HOME="$work/home"
[ "$(readlink "/proc/$game/cwd")" = "$work/home/kelbs-pegboard" ] || fail "the game did not start in the player's folder"
stop TERM
same_files "$work/home/kelbs-pegboard" "$prefix/share/kelbs-pegboard" || fail "samples not copied, or a temporary copy left"
cmp -s "$work/keep.cfg" "$work/home/kelbs-pegboard/drewno.cfg" || fail "the player's own file was overwritten"
quiet_launcher

# Where the launcher starts the game is checked with a stand-in game beside
# a copy of it, which prints its folder and arguments, so no Qt program
# starts hundreds of times. One sample name is as awkward as names get.
fake="$work/fake"
share="$fake/share/kelbs-pegboard"
odd=$'-a b\t\\*\xff\xc4\x99.txt'
mkdir -p "$fake/games" "$share" "$work/tmp" "$work/cwd"
cp "$prefix/games/kelbs-pegboard-start" "$fake/games/"
printf '#!/bin/sh\ncd -P . && printf "%%s\\n" "$PWD" "$@" && exit ${STATUS:-0}\n' >"$fake/games/kelbs-pegboard" \
    && chmod +x "$fake/games/kelbs-pegboard"
cp -p "$prefix/share/kelbs-pegboard/"{pegit.html,pegit-en.html,drewno.cfg} "$share/"
echo odd >"$share/$odd"
chmod 1777 "$work/tmp" "$work/cwd"
# From an empty scratch folder, which must stay empty.
launch() {
    (cd "$work/cwd" && export TMPDIR="$work/tmp" && exec "${as_player[@]}" env "$@" "$fake/games/kelbs-pegboard-start") \
        >"$work/out" 2>"$work/err"
}
# Only the real game's Qt makes anything in TMPDIR: its runtime-$USER, when
# XDG_RUNTIME_DIR is not set.
tmp_empty() { [ -z "$(find "$work/tmp" -mindepth 1 -maxdepth 1 ! -name 'runtime-*')" ]; }
run() { launch "$@" && [ ! -s "$work/err" ] || fail "with $* the launcher failed or spoke: $(cat "$work/err")"; }

# Each sample is copied once: one deleted stays deleted, whether copied or
# found there (an older version's folder has no list), and one new in an
# upgrade arrives. A relative XDG_DATA_HOME does not count.
p="$work/p/.local/share/kelbs-pegboard"
mkdir -p "$p" && cp "$work/keep.cfg" "$p/drewno.cfg"
run XDG_DATA_HOME=data HOME="$work/p"
[ "$(cat "$work/out")" = "$p" ] || fail "the game runs in $(cat "$work/out"), not in the player's folder"
cmp -s "$share/$odd" "$p/$odd" || fail "an oddly named sample was not copied"
rm "$p/drewno.cfg" "$p/$odd"
for f in no.cfg drewn..cfg; do echo "$f" >"$share/$f"; done  # names only like listed ones
run XDG_DATA_HOME=data HOME="$work/p"
[ ! -e "$p/drewno.cfg" ] && [ ! -e "$p/$odd" ] || fail "a sample the player deleted came back"
cmp -s "$share/no.cfg" "$p/no.cfg" && cmp -s "$share/drewn..cfg" "$p/drewn..cfg" || fail "a new sample was not copied"

# Each help page follows the installed one on its own: one older than it
# (old) or deleted (gone) is copied again, one newer (mine) stays.
help_launch() {
    for page; do
        case "${page#*=}" in
        old) echo stara >"$p/${page%=*}" && touch -d 2000-01-01 "$p/${page%=*}" ;;
        gone) rm "$p/${page%=*}" ;;
        mine) cp "$work/keep.cfg" "$p/${page%=*}" ;;
        esac
    done
    run XDG_DATA_HOME=data HOME="$work/p"
    for page; do
        want="$share/${page%=*}" && [ "${page#*=}" != mine ] || want="$work/keep.cfg"
        cmp -s "$want" "$p/${page%=*}" || fail "with the help pages $*, ${page%=*} is not as it should be"
    done
}
help_launch pegit.html=old pegit-en.html=gone
help_launch pegit.html=mine pegit-en.html=old
help_launch pegit.html=gone pegit-en.html=mine

# Two or three launches at once on a first start all start in the player's
# folder and leave no temporary copy. Builtins only here, for speed.
samples=("$share"/*)
for run in 2-{1..15} 3-{1..15}; do
    n=${run%-*} c="$work/c$run"
    for ((i = 0; i < n; i++)); do
        XDG_DATA_HOME="$c" TMPDIR="$work/tmp" "$fake/games/kelbs-pegboard-start" >"$c.$i" 2>&1 &
    done
    wait
    for out in "$c".*; do
        [ "$(cat "$out"; echo .)" = "$c/kelbs-pegboard"$'\n.' ] || fail "of $n launches at once one gave: $(cat "$out")"
    done
    hidden=("$c"/kelbs-pegboard/.[!.]*) copies=("$c"/kelbs-pegboard/*)
    [ "${hidden[*]}" = "$c/kelbs-pegboard/.samples" ] && [ ${#copies[@]} = ${#samples[@]} ] \
        || fail "$n launches at once left: ${hidden[*]} and ${#copies[@]} samples"
done

# Without a player's folder the game runs in a fresh temporary folder with
# --no-player-folder, as root too (root writes anywhere, so its home here is
# a file), and as nobody, to whom the home and a filled player's folder are
# read-only. No folder is made from a relative path or an unset HOME.
mkdir -p "$work/ro-home"
run XDG_DATA_HOME="$work/ro-data"
chmod 555 "$work/ro-home" "$work/ro-data/kelbs-pegboard"
chmod 755 "$work"
[ -e /.local ] || root_local=no
for who in root nobody; do
    if [ "$who" = root ]; then
        [ "$(id -u)" = 0 ] || continue
        ro=("HOME=$work/keep.cfg")
    else
        [ "$(id -u)" != 0 ] || as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        ro=("HOME=$work/ro-home" "XDG_DATA_HOME=$work/ro-data")
        ! "${as_player[@]}" touch "$work/ro-home/x" 2>/dev/null || fail "cannot make a read-only folder here"
    fi
    # A signal to the launcher ends the game, then the folder goes.
    sigs="HUP INT" && [ "$who" = root ] || sigs=TERM
    for sig in $sigs; do
        start -u XDG_DATA_HOME -u HOME TMPDIR="$work/tmp" "${ro[0]}"
        cwd="$(readlink "/proc/$game/cwd")"
        [[ "$cwd" == "$work/tmp/kelbs-pegboard."* ]] || fail "as $who with ${ro[0]} the game runs in $cwd"
        same_files "$cwd" "$prefix/share/kelbs-pegboard" || fail "the temporary folder was not filled"
        tr '\0' '\n' <"/proc/$game/cmdline" | grep -qx -- --no-player-folder || fail "the game was not told it has no player's folder"
        stop "$sig"
        [ "$status" = $((128 + $(kill -l "$sig"))) ] || fail "on $sig the launcher ended with $status"
        tmp_empty || fail "as $who the temporary folder outlived the game ended by $sig"
        quiet_launcher
    done
    # A game that ends by itself takes its folder along, and its exit status.
    for env in "${ro[@]}" "" HOME=home XDG_DATA_HOME=data; do
        launch -u XDG_DATA_HOME -u HOME $env STATUS=3 && status=0 || status=$?
        [ "$status" = 3 ] && [ ! -s "$work/err" ] || fail "as $who with ${env:-no HOME} the launcher ended with $status"
        [[ "$(cat "$work/out")" == "$work/tmp/kelbs-pegboard."??????$'\n--no-player-folder' ]] \
            || fail "as $who with ${env:-no HOME} the game started as: $(cat "$work/out")"
        tmp_empty || fail "as $who with ${env:-no HOME} the temporary folder outlived the game"
    done
    # Not even a temporary folder: only installed samples this user cannot write to will do.
    if launch -u XDG_DATA_HOME -u HOME TMPDIR="$work/none"; then
        ! "${as_player[@]}" test -w "$share" && [ ! -s "$work/err" ] \
            && [ "$(cat "$work/out")" = "$share"$'\n--no-player-folder' ] || fail "as $who the game started as: $(cat "$work/out")"
    else
        "${as_player[@]}" test -w "$share" && [ ! -s "$work/out" ] && [ -s "$work/err" ] || fail "as $who the launcher failed"
    fi
done
[ -z "$(find "$work/ro-home" "$work/cwd" -mindepth 1)" ] || fail "something was written to the read-only home or the current folder"
[ -z "${root_local:-}" ] || [ ! -e /.local ] || fail "/.local was made"
echo "install test passed"
