#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cpack -G DEB makes a package with the game, its menu entry, metadata and
# icons in the places Debian expects, the dependencies the game needs at run
# time, and nothing lintian calls an error. Every lintian warning left must
# be named in the README's "Installing" section.
set -euo pipefail
build="$1"
readme="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack --config CPackConfig.cmake -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/out/kelbs-pegboard_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
deb="${debs[0]}"
field() { dpkg-deb -f "$deb" "$1"; }
version="$(field Version)"
[ "$(basename "$deb")" = "kelbs-pegboard_${version}_$(dpkg --print-architecture).deb" ] \
    || fail "package file name $(basename "$deb") is not name_version_arch"
[ "$(field Section)" = games ] || fail "section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ "$(field Description | wc -l)" -gt 3 ] || fail "no long description"

depends="$(field Depends)"
for p in libqt6widgets6 libqt6gui6 qt6-qpa-plugins fonts-urw-base35 qt6-translations-l10n; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
for p in qt6-image-formats-plugins qt6-wayland; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends, $(field Recommends)" || fail "neither Depends nor Recommends names $p"
done

root="$work/root"
dpkg -x "$deb" "$root"
app_id=io.github.kelbspegboard.KelbsPegboard
# The install rules themselves are checked by install_test.sh; here, that
# the package holds their result under /usr.
for f in usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
         usr/share/kelbs-pegboard/pegit.html usr/share/man/man6/kelbs-pegboard.6.gz \
         usr/share/doc/kelbs-pegboard/copyright usr/share/icons/hicolor/256x256/apps/kelbs-pegboard.png; do
    [ -f "$root/$f" ] || fail "not in the package: $f"
done
[ -x "$root/usr/games/kelbs-pegboard" ] && [ -x "$root/usr/games/kelbs-pegboard-start" ] \
    || fail "the program or the launcher is not executable"
file "$root/usr/games/kelbs-pegboard" | grep -q ', stripped' || fail "the program is not stripped"
grep -qa PEGWIN1 "$root/usr/games/kelbs-pegboard" || fail "the program carries no table of winning positions"
grep -qx 'Exec=/usr/games/kelbs-pegboard-start' "$root/usr/share/applications/$app_id.desktop" \
    || fail "the menu entry does not run /usr/games/kelbs-pegboard-start"
# The changelog's newest entry is this version; gzip -n leaves no name or time
# stamp inside, so the package comes out the same each time.
zcat "$root/usr/share/doc/kelbs-pegboard/changelog.Debian.gz" | grep -m1 '^kelbs-pegboard ' \
    | grep -qF "($version)" || fail "the changelog's newest entry is not $version"
for gz in usr/share/doc/kelbs-pegboard/changelog.Debian.gz usr/share/man/man6/kelbs-pegboard.6.gz; do
    [ "$(od -An -tx1 -N8 "$root/$gz" | tr -d ' ')" = 1f8b080000000000 ] \
        || fail "$gz holds a file name or a time stamp (not gzip -n)"
done

# lintian exits 0 even with errors on some versions: read its tags.
lintian "$deb" >"$work/lintian.txt" 2>"$work/lintian.err" || true
cat "$work/lintian.txt"
grep -q '^E: ' "$work/lintian.txt" && fail "lintian reports errors"
section="$(sed -n '/^## Installing/,/^## /p' "$readme")"
while read -r tag; do
    grep -qF "$tag" <<<"$section" || fail "lintian warning $tag is not named in the README's Installing section"
done < <(sed -nE 's/^W: [^ ]+ ([a-z0-9-]+).*/\1/p' "$work/lintian.txt")
echo "package test passed: $(basename "$deb")"
