#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The help pages: every link inside a page leads to an anchor of that page,
# and each translation (pegit-LANG.html) keeps the Polish page's markup tag
# for tag, with its anchors, links and classes, so that neither gains a
# section, a table row or a list item the other lacks.
# Usage: help_test.sh SAMPLES_FOLDER
set -euo pipefail
data="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

original="$data/pegit.html"
translations=("$data"/pegit-*.html)
[ -f "$original" ] && [ -f "${translations[0]}" ] || fail "no help page, or no translation of it, in $data"
# The markup without the words: tag names, and the attributes that name, link or style.
markup() { grep -o '<[/!]\?[A-Za-z0-9]*\|\(name\|id\|href\|class\)="[^"]*"' "$1"; }
for page in "$original" "${translations[@]}"; do
    for anchor in $(grep -o 'href="#[^"]*"' "$page" | sed 's/^href="#//; s/"$//' | sort -u); do
        grep -Fq "name=\"$anchor\"" "$page" || grep -Fq "id=\"$anchor\"" "$page" \
            || fail "${page##*/} links to #$anchor, which it does not have"
    done
    [ "$page" = "$original" ] && continue
    if ! differences="$(diff <(markup "$original") <(markup "$page"))"; then
        fail "${page##*/} is not marked up as pegit.html (< pegit.html, > ${page##*/}): $(head -6 <<<"$differences")"
    fi
done
echo "help pages checked: pegit.html ${translations[*]##*/}"
