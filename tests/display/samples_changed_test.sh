#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# samples_test.sh against altered copies of the samples folder: it must pass
# when the pictures are only encoded differently and fail on any change to
# what they show, however small.
# Usage: samples_changed_test.sh MAKELOOKS PIXELS SAMPLES_FOLDER
set -euo pipefail
makelooks="$1"; pixels="$2"; samples="$3"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT

# Each case alters its own copy of the samples: one pixel of a picture (its
# colour by one step, or its alpha), a picture removed, or all re-encoded.
#  case       picture                  x   y   expected
cases="
   recoded    -                        -   -   pass
   colour     drewno-pelny.png         30  30  fail
   colour     kontrast-pusty.png       45  30  fail
   colour     kamien-aktual.png        0   59  fail
   alpha      kontrast-nieuzyt.png     10  10  fail
   alpha      drewno-aktual.png        30  30  fail
   missing    kamien-pusty.png         -   -   fail
   colour     kamien-pelny@2x.png      119 0   fail
   alpha      drewno-pusty@2x.png      60  60  fail
   missing    kontrast-aktual@2x.png   -   -   fail
"

failures=0
while read -r what pic x y expected; do
    [ -n "$what" ] || continue
    copy="$work/$what-$pic-$x-$y"
    mkdir "$copy"
    cp "$samples"/*.cfg "$samples"/*.png "$copy/"
    case "$what" in
        recoded)
            for f in "$copy"/*.png; do "$pixels" recode "$f" "$f"; done
            # Otherwise passing would prove nothing about the encoding.
            ! cmp -s "$copy/drewno-pelny.png" "$samples/drewno-pelny.png" \
                || { echo "FAIL: recoding left drewno-pelny.png byte for byte the same"; exit 1; } ;;
        colour|alpha)
            old=$((0x$("$pixels" get "$copy/$pic" "$x" "$y")))
            if [ "$what" = colour ]; then new=$((old ^ 1)); else new=$((old & 0x00ffffff | 0xfe000000)); fi
            "$pixels" set "$copy/$pic" "$copy/$pic" "$x" "$y" "$(printf %08x "$new")" ;;
        missing)
            rm "$copy/$pic" ;;
    esac
    if bash "$here/samples_test.sh" "$makelooks" "$pixels" "$copy" >"$copy.log" 2>&1; then got=pass; else got=fail; fi
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $what $pic ($x, $y): the sample test should $expected but did $got:"
        cat "$copy.log"
        failures=$((failures + 1))
    else
        echo "ok: $what $pic: $got ($(tail -n 1 "$copy.log"))"
    fi
done <<<"$cases"
exit $((failures > 0))
