#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cmake --install puts the game where a desktop finds it, and the launcher
# starts it in the player's folder with the samples copied there once.
set -euo pipefail
build="$1"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/kelbs-pegboard bin/kelbs-pegboard-start share/applications/kelbs-pegboard.desktop \
         share/icons/hicolor/32x32/apps/kelbs-pegboard.png share/icons/hicolor/256x256/apps/kelbs-pegboard.png \
         share/kelbs-pegboard/pegit.html share/kelbs-pegboard/drewno.cfg share/kelbs-pegboard/pelna-gra.txt; do
    [ -f "$work/prefix/$f" ] || fail "not installed: $f"
done
[ "$(identify -format %wx%h "$work/prefix/share/icons/hicolor/256x256/apps/kelbs-pegboard.png")" = 256x256 ] \
    || fail "the 256 icon has the wrong size"
desktop="$work/prefix/share/applications/kelbs-pegboard.desktop"
grep -q '^Exec=kelbs-pegboard-start$' "$desktop" || fail "menu entry does not start the launcher"
grep -q '^Name\[pl\]=' "$desktop" && grep -q '^Comment\[pl\]=' "$desktop" || fail "no Polish name or comment"

# The launcher fills the player's folder and runs the game there.
export XDG_DATA_HOME="$work/home" QT_QPA_PLATFORM=offscreen
echo "moje" >"$work/keep.cfg"
mkdir -p "$XDG_DATA_HOME/kelbs-pegboard" && cp "$work/keep.cfg" "$XDG_DATA_HOME/kelbs-pegboard/drewno.cfg"
set +e
timeout 3 "$work/prefix/bin/kelbs-pegboard-start"
rc=$?
set -e
[ "$rc" = 124 ] || fail "the game did not keep running (exit $rc)"
[ -f "$XDG_DATA_HOME/kelbs-pegboard/kamien.cfg" ] || fail "samples not copied"
cmp -s "$work/keep.cfg" "$XDG_DATA_HOME/kelbs-pegboard/drewno.cfg" || fail "the player's own file was overwritten"
echo "install test passed"
