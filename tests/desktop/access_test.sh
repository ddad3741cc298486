#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The board as a screen reader reads it over the accessibility bus: a 7 by 7
# table of named cells, which a reader that keeps names cached (as Orca does)
# sees change after a move made by real clicks; then a hint, read out, and
# its target hole taking the focus.
source "$(dirname "$0")/lib.sh"
if [ -z "${ACCESS_TEST_BUS:-}" ]; then
    # A private session bus, and the accessibility bus it starts, gone with the test.
    unset AT_SPI_BUS_ADDRESS
    XDG_RUNTIME_DIR="$WORK" ACCESS_TEST_BUS=1 dbus-run-session -- bash "$0" "$@"
    exit
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_xvfb
# Qt joins an accessibility bus that is already there; asking for its address starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
mkdir -p "$WORK/game"
start_game "$WORK/game"
# Debian's Python has pyatspi; the one on PATH may not.
/usr/bin/python3 -I - <<'EOF' || fail "the board as read over the accessibility bus: see above"
import subprocess, time, pyatspi
from gi.repository import GLib
for _ in range(50):  # the game may still be joining the bus
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelb's Pegboard"), None)
    if app:
        break
    time.sleep(0.1)
board = pyatspi.findDescendant(app, lambda o: o.getRole() == pyatspi.ROLE_TABLE)
table = board.queryTable()
cell = lambda col, row: table.getAccessibleAt(row - 1, col - 1)
failures, heard, focused, tries = [], [], [], iter(range(60))
hint_heard = lambda: any(name.startswith("podpowiedź: z kolumny ") for name in heard)
def wrong(cells):
    return [f"cell ({c}, {r}) reads {cell(c, r).name!r}, not {what!r}"
            for c, r, what in cells if cell(c, r).name != f"kolumna {c}, rząd {r}: {what}"]
def click(col, row):
    x, y, w, h = cell(col, row).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "sleep", "0.1", "click", "1"], check=True)
def play():
    if (table.nRows, table.nColumns, board.childCount) != (7, 7, 49):
        failures.append(f"the board is {table.nRows} x {table.nColumns} with {board.childCount} cells")
    failures.extend(wrong([(4, 2, "pion"), (4, 3, "pion"), (4, 4, "pusta dziurka"), (1, 1, "poza planszą"), (7, 7, "poza planszą")]))
    click(4, 2)
    click(4, 4)
    GLib.timeout_add(100, moved)
def moved():  # read again every 100 ms, for a few seconds
    late = wrong([(4, 2, "pusta dziurka"), (4, 3, "pusta dziurka"), (4, 4, "pion"), (4, 5, "pion")])
    if late and next(tries, None) is not None:
        return True
    failures.extend(late)
    subprocess.run(["xdotool", "key", "h"], check=True)  # a hint, which the game reads out
    GLib.timeout_add(100, hinted)
def hinted():
    if not (hint_heard() and focused) and next(tries, None) is not None:
        return True
    pyatspi.Registry.stop()

# Listening turns libatspi's cache on: the names read after the move are
# fresh only if the game said they changed.
pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change:accessible-name")
# What Orca speaks unasked: a notification that shows.
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION
                                       and heard.append(e.source.name), "object:state-changed:showing")
# And a cell that takes the focus: the cursor's, here on the hint's target.
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and e.source.getRole() == pyatspi.ROLE_TABLE_CELL
                                       and focused.append(e.source.name), "object:state-changed:focused")
GLib.idle_add(play)
GLib.timeout_add(20000, pyatspi.Registry.stop)
pyatspi.Registry.start()
failures += [] if hint_heard() else [f"no hint was read out, only {heard}"]
failures += [] if any(n.endswith(": pusta dziurka") for n in focused) else [f"no empty hole took the focus: {focused}"]
raise SystemExit("\n".join(failures) or None)
EOF
echo "desktop access test passed"
