#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed menu entry and AppStream metadata pass desktop-file-validate
# and appstreamcli --pedantic, with every message left explained in the
# README's "Metadata" section; the metadata's pictures are files of docs/
# of the size it gives, and its releases are the changelog's.
set -euo pipefail
build="$1" src="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

app_id=io.github.kelbspegboard.KelbsPegboard
cmake --install "$build" --prefix "$work" >/dev/null
desktop="$work/share/applications/$app_id.desktop"
metainfo="$work/share/metainfo/$app_id.metainfo.xml"
explained="$(sed -n '/^## Metadata/,/^## /p' "$src/README.md")"
[ -n "$explained" ] || fail "the README has no Metadata section"
unexplained() { ! grep -qF -- "$1" <<<"$explained"; }

# English untagged, Polish tagged, in both files.
for pair in "$desktop ^Name= ^Name\[pl\]=" "$desktop ^Comment= ^Comment\[pl\]=" "$desktop ^Keywords= ^Keywords\[pl\]=" \
            "$metainfo <name> <name.xml:lang=.pl.>" "$metainfo <summary> <summary.xml:lang=.pl.>" \
            "$metainfo <p> <p.xml:lang=.pl.>" "$metainfo <keyword> <keyword.xml:lang=.pl.>" \
            "$metainfo <caption> <caption.xml:lang=.pl.>"; do
    set -- $pair
    grep -q "$2" "$1" && grep -q "$3" "$1" || fail "$(basename "$1") lacks $2 or $3"
done

# A tag of appstreamcli is explained in a list item that starts with it;
# desktop-file-validate has no tags: a warning or hint is explained by its text.
desktop-file-validate "$desktop" >"$work/desktop.txt" 2>&1 \
    || fail "desktop-file-validate refuses the menu entry: $(cat "$work/desktop.txt")"
cat "$work/desktop.txt"
while IFS= read -r line; do
    if unexplained "${line#*: }"; then fail "desktop-file-validate message not explained in the README: $line"; fi
done < <(sed -n 's/^.*\.desktop: //p' "$work/desktop.txt")

status=0
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.txt" 2>&1 || status=$?
cat "$work/appstream.txt"
! grep -q '^E: ' "$work/appstream.txt" || fail "appstreamcli reports errors"
tags="$(sed -nE 's/^[WIP]: [^ ]+ ([a-z0-9-]+).*/\1/p' "$work/appstream.txt")"
[ "$status" = 0 ] || grep -q '^W: ' "$work/appstream.txt" || fail "appstreamcli failed with no message to read"
for tag in $tags; do
    if unexplained "- \`$tag\`"; then fail "appstreamcli message $tag not explained in the README"; fi
done

# Each picture is in docs/, as large as the metadata says.
pictures="$(grep -oE '<image [^>]*>[^<]+</image>' "$metainfo")"
[ -n "$pictures" ] || fail "no screenshots in the metadata"
while IFS= read -r image; do
    name="$(sed -E 's|.*/main/docs/([^/<]+)</image>$|\1|' <<<"$image")"
    [ "$name" != "$image" ] || fail "a picture not under docs/ on main: $image"
    [ -f "$src/docs/$name" ] || fail "docs/$name is missing"
    size="$(sed -E 's/.* width="([0-9]+)" height="([0-9]+)".*/\1x\2/' <<<"$image")"
    [ "$(identify -format %wx%h "$src/docs/$name")" = "$size" ] || fail "docs/$name is not $size"
done <<<"$pictures"

# The releases: each upstream version of the changelog, with the date of its
# first entry, and no other.
awk '/^kelbs-pegboard \(/ { v = $2; gsub(/[()]|-[^-]*$/, "", v) }
     /^ -- / { sub(/.*>  /, ""); print v "\t" $0 }' "$src/install/changelog" \
    | while IFS=$'\t' read -r v when; do echo "$v $(date -u -d "$when" +%F)"; done \
    | tac | sort -u -k1,1 -s | sort >"$work/changelog.txt"
sed -nE 's/.*<release version="([^"]+)" date="([^"]+)".*/\1 \2/p' "$metainfo" | sort >"$work/releases.txt"
[ -s "$work/changelog.txt" ] || fail "no entries read from the changelog"
diff "$work/changelog.txt" "$work/releases.txt" >&2 || fail "the metadata's releases (right) are not the changelog's (left)"
echo "metadata test passed"
