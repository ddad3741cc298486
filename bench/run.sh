#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds (if needed) and runs every benchmark, then prints one table.
# The window figures come from a private Xvfb, as a player's screen.
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
install_missing
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target bench_core bench_ui startup_probe bare_probe startup_runner look_probe \
    hint_probe solver_probe stall_probe kelbs-pegboard peg_icons peg_install_docs >/dev/null
B="$BUILD/bench"
work="$(mktemp -d)"; xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"

# In Polish, as the earlier figures were; English has a row of its own.
export LANGUAGE=pl
"$B/bench_core" --benchmark_format=csv 2>/dev/null >"$work/core.csv"
"$B/bench_ui" --benchmark_format=csv 2>"$work/ui.err" >"$work/ui.csv" || { cat "$work/ui.err" >&2; exit 1; }
(cd "$ROOT/data" && "$B/startup_runner" "${STARTUP_RUNS:-41}" "$B/startup_probe" "$B/bare_probe" 2>/dev/null) >"$work/startup.txt"

# Instructions do not depend on the machine's noise: callgrind counts them.
count_instructions() {
    (cd "$ROOT/data" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null) |
        awk '/Collected :/ {print $NF}' | tail -n1
}
gi_raw=$(count_instructions "$B/startup_probe")
bi_raw=$(count_instructions "$B/bare_probe")
en_raw=$(LANGUAGE=en count_instructions "$B/startup_probe")
gi=$(awk -v v="$gi_raw" 'BEGIN {printf "%.1f", v / 1e6}')
bi=$(awk -v v="$bi_raw" 'BEGIN {printf "%.1f", v / 1e6}')
iratio=$(awk -v g="$gi_raw" -v b="$bi_raw" 'BEGIN {printf "%.3f", g / b}')

# name,iterations,real_time,cpu_time,time_unit,...
field() {
    awk -F, -v n="\"$2" 'index($1, n) == 1 {
        v = $3; u = $5
        if (u == "ns" && v >= 1000) { v /= 1000; u = "us" }
        printf "%.3g %s", v, u; exit }' "$work/$1"
}
row() { printf '| %s | %s | %s |\n' "$1" "$2" "$3"; }

echo "| measure | result | target |"
echo "|---|---|---|"
row "IsLegalJump" "$(field core.csv BM_IsLegalJump)" "-"
row "CellClicked, select (tile drawn)" "$(field core.csv BM_CellClickedSelect)" "-"
row "CellClicked, move (3 tiles drawn)" "$(field core.csv BM_CellClickedMove)" "-"
row "DrawBoard into the board image" "$(field core.csv BM_DrawBoard)" "-"
row "ItemReader over a 31-move file" "$(field core.csv BM_ReadMoveFile31)" "-"
kinds=(digits letters commas)
for k in 0 1 2; do
    row "a 1 MiB file of ${kinds[$k]}, read as moves and as a look" "$(field core.csv "BM_ReadOneMegabyte/$k\"")" "< 50 ms"
done
row "mouse press to repainted board, select" "$(field ui.csv BM_PressSelectToRepaint)" "< 1 ms"
row "mouse press to repainted board, move" "$(field ui.csv BM_PressMoveToRepaint)" "< 1 ms"
row "31-move replay at szybko, OdtOK to end" "$(field ui.csv BM_Replay31AtSzybko)" "<= 40 ms (floor 31)"
read -r _ _ gms _ bms _ sratio <<<"$(sed -n 1p "$work/startup.txt")"
read -r _ _ gkib _ bkib _ mratio <<<"$(sed -n 2p "$work/startup.txt")"
row "start-up to board drawn: game / bare window (medians; median of paired ratios)" "$gms ms / $bms ms; ${sratio}x" "<= 1.10x"
row "start-up instructions (callgrind): game / bare window" "$gi M / $bi M = ${iratio}x" "<= 1.12x"
row "start-up instructions (callgrind) in English / in Polish" "$(awk -v e="$en_raw" -v p="$gi_raw" 'BEGIN {printf "%.1f M / %.1f M = %.3fx", e / 1e6, p / 1e6, e / p}')" "-"
row "resident memory then: game / bare window" "$gkib KiB / $bkib KiB = ${mratio}x" "<= 1.15x"

# Hints: the first H reads the table; the package carries it.
read -r _ fms fbefore fkib _ hmed hmax hcount <<<"$(cd "$ROOT/data" && "$B/hint_probe" 2>/dev/null | tr '\n' ' ')"
row "first H: table read and decoded, peg selected and repainted" "$fms ms" "<= 150 ms"
row "table read before the first H" "$([ "$fbefore" = 0 ] && echo no || echo yes)" "no"
row "resident memory taken by the first H" "$fkib KiB" "<= 10240 KiB (10 MB)"
row "a hint, at each of $hcount positions of 10,000 random games: median (first run) / max (least of 3 runs)" "$hmed us / $hmax us" "<= 1000 us"
# The solver of the other problems: each figure's knowledge, hints from it,
# and how often a bounded proof answers (SOLVER_GAMES random games a row).
while IFS=$'\t' read -r what result target; do
    row "$what" "$result" "$target"
done < <("$B/solver_probe" "${SOLVER_GAMES:-1000}")
# The window while problems are played with hints, the line above the board
# and "Dokończ grę": the longest it went without handling an event.
read -r _ stall smoves shints <<<"$(cd "$ROOT/data" && "$B/stall_probe" 2>/dev/null)"
row "longest the window stops answering, over $smoves moves and $shints hints on nine problems switched mid-work" "$stall ms" "<= 100 ms"
(cd "$BUILD" && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(stat -c %s "$BUILD"/*.deb)
# 401,600 bytes: the package built the same way at commit 1182df4, before hints.
row "Debian package: size, and growth over the game without hints" \
    "$((deb / 1024)) KiB, +$(((deb - 401600) / 1024)) KiB" "<= +5120 KiB (5 MB)"

# Looks of large pictures, each named four times with an @2x companion: the
# formats decoded whole are refused from their header, PNG and sequential
# JPEG are read in part; the last row is the largest picture decoded whole.
mkdir -p "$work/looks"
big="$work/looks/big.ppm"
convert -size 5790x5790 xc:darkgreen -fill yellow -draw 'rectangle 0,0 119,119' "$big"
look_row() {
    local what="$1" pic="$2"
    cp "$pic" "${pic%.*}@2x.${pic##*.}"
    read -r ms mb outcome <<<"$(QT_QPA_PLATFORM=offscreen "$B/look_probe" "$pic" 2>/dev/null)"
    row "a look of $what pictures and their @2x: time, peak memory ($outcome)" "$ms ms, $mb MB" "<= 1000 ms, <= 64 MB"
}
for f in webp gif tiff png; do convert "$big" -compress zip "$work/looks/p.$f"; done
convert "$big" -compress none "$work/looks/plain.pgm"
convert "$big" -interlace JPEG "$work/looks/prog.jpg"
convert "$big" -interlace none "$work/looks/seq.jpg"
convert "$big" -interlace PNG "$work/looks/inter.png"
convert "$big" -crop 1024x1024+0+0 +repage "$work/looks/limit.bmp"
look_row "5790 x 5790 WebP" "$work/looks/p.webp"
look_row "5790 x 5790 GIF" "$work/looks/p.gif"
look_row "5790 x 5790 TIFF" "$work/looks/p.tiff"
look_row "5790 x 5790 plain PGM ($(( $(stat -c %s "$work/looks/plain.pgm") >> 20 )) MB)" "$work/looks/plain.pgm"
look_row "5790 x 5790 progressive JPEG" "$work/looks/prog.jpg"
look_row "5790 x 5790 interlaced PNG" "$work/looks/inter.png"
look_row "5790 x 5790 PNG" "$work/looks/p.png"
look_row "5790 x 5790 sequential JPEG" "$work/looks/seq.jpg"
look_row "1024 x 1024 BMP (the most decoded whole)" "$work/looks/limit.bmp"
# The PNGs dearest to read in part, written here (ImageMagick filters no
# row): 16-bit RGBA, every row Paeth-filtered, with as many pixels in the
# rows the @2x block needs as are read, and the widest, of one row.
python3 - "$work/looks" <<'PY'
import os, struct, sys, zlib
def png(path, w, h):
    chunk = lambda t, d: struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
    rows = b''.join(b'\x04' + os.urandom(8 * w) for _ in range(h))
    open(path, 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 16, 6, 0, 0, 0)) +
                           chunk(b'IDAT', zlib.compress(rows, 1)) + chunk(b'IEND', b''))
png(sys.argv[1] + '/rows.png', 8738, 120)
png(sys.argv[1] + '/wide.png', 1048576, 1)
PY
look_row "8738 x 120 16-bit RGBA Paeth PNG (the most rows read)" "$work/looks/rows.png"
look_row "1048576 x 1 16-bit RGBA Paeth PNG (the widest)" "$work/looks/wide.png"
