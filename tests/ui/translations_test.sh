#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every text of the game has its English: the .ts file holds every text the
# code has (and none it lost), each finished, with the same %1.. places,
# at most one & mark and the same line breaks and edge spaces as the Polish.
# Usage: translations_test.sh LUPDATE SOURCE_FOLDER TS_FILE
set -euo pipefail
lupdate="$1" src="$2" ts="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$ts" "$work/now.ts"
"$lupdate" -locations none -no-obsolete "$src" -ts "$work/now.ts" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
if ! cmp -s "$ts" "$work/now.ts"; then
    echo "FAIL: texts in the code and in ${ts##*/} differ (cmake --build build --target update_translations):"
    diff "$ts" "$work/now.ts" | head -40
    exit 1
fi

python3 -I - "$ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
faults = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for m in context.iter("message"):
        source = m.findtext("source") or ""
        t = m.find("translation")
        english = t.text or ""
        shape = lambda s: (sorted(re.findall(r"%\d", s)), s.count("\n"), s[:1].isspace(), s[-1:].isspace())
        if t.get("type") or not english:
            faults.append("not finished")
        elif shape(source) != shape(english):
            faults.append("places, line breaks or edge spaces differ")
        elif english.replace("&&", "").count("&") > 1 or (source.count("&") > 0) != (english.count("&") > 0):
            faults.append("& marks differ")
        else:
            continue
        faults[-1] = f"{name}: {source!r}: {faults[-1]}"
for f in faults:
    print("FAIL:", f)
sys.exit(1 if faults else 0)
PY
