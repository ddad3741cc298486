#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The board as a screen reader reads it over the accessibility bus: a 7 by 7
# table of named cells, which a reader that keeps names cached (as Orca does)
# sees change after a move made by real clicks; then a hint, read out, and
# its target hole taking the focus; each panel's controls, found by name in
# the board that holds the panels; and H held, read out once.
source "$(dirname "$0")/lib.sh"
on_accessibility_bus "$@"
start_game "$WORK/game"
# Debian's Python has pyatspi; the one on PATH may not.
/usr/bin/python3 -I - <<'EOF' || fail "the window as read over the accessibility bus: see above"
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
failures, heard, focused = [], [], []
BUTTON, LIST, FIELD = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_TEXT
# Each panel: the button that opens it, its caption, and the controls it holds.
PANELS = [("Odtwórz", "Odtwórz ", {(LIST, "Pliki z ruchami"), (BUTTON, "szybko"), (BUTTON, "średnio"),
                                   (BUTTON, "wolno"), (BUTTON, "OK"), (BUTTON, "Anuluj")}),
          ("Mata", "Wygląd planszy", {(LIST, "Pliki wyglądu planszy"), (BUTTON, "Zastosuj"), (BUTTON, "Ok"),
                                      (BUTTON, "Anuluj")}),
          ("Zapisz Ruchy", "Zapisz ruchy", {(FIELD, "Nazwa pliku z ruchami"), (BUTTON, "OK"), (BUTTON, "Anuluj")})]
def wrong(cells):
    return [f"cell ({c}, {r}) reads {cell(c, r).name!r}, not {what!r}"
            for c, r, what in cells if cell(c, r).name != f"kolumna {c}, rząd {r}: {what}"]
def click(o):
    x, y, w, h = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "sleep", "0.1", "click", "1"], check=True)
def walk(o, path=()):
    """What shows below o, as (names of the ancestors below o, object); the cells left out."""
    for c in o:
        if c.getState().contains(pyatspi.STATE_SHOWING) and c.getRole() != pyatspi.ROLE_TABLE_CELL:
            yield path, c
            yield from walk(c, path + (c.name,))
def find(role, name, path=()):
    return next((c for p, c in walk(app) if p[len(p) - len(path):] == path and (c.getRole(), c.name) == (role, name)), None)
def until(ready):  # waits of 100 ms, for up to 3 s, until ready() holds
    for _ in range(30):
        if ready():
            return
        yield 100
def script():  # yields the milliseconds to wait before it goes on
    if (table.nRows, table.nColumns, board.childCount) != (7, 7, 49):
        failures.append(f"the board is {table.nRows} x {table.nColumns} with {board.childCount} children")
    failures.extend(wrong([(4, 2, "pion"), (4, 3, "pion"), (4, 4, "pusta dziurka"), (1, 1, "poza planszą"), (7, 7, "poza planszą")]))
    click(cell(4, 2))
    click(cell(4, 4))
    moved = [(4, 2, "pusta dziurka"), (4, 3, "pusta dziurka"), (4, 4, "pion"), (4, 5, "pion")]
    yield from until(lambda: not wrong(moved))  # read again every 100 ms
    failures.extend(wrong(moved))
    subprocess.run(["xdotool", "key", "h"], check=True)  # a hint, which the game reads out
    hint_heard = lambda: any(name.startswith("podpowiedź: z kolumny ") for name in heard)
    yield from until(lambda: hint_heard() and focused)
    failures.extend([] if hint_heard() else [f"no hint was read out, only {heard}"])
    failures.extend([] if any(n.endswith(": pusta dziurka") for n in focused) else [f"no empty hole took the focus: {focused}"])
    # Each panel lies in the board: its controls are found there by name.
    for opener, caption, controls in PANELS:
        click(find(BUTTON, opener))
        shown = lambda: {(c.getRole(), c.name) for p, c in walk(app) if p[-2:] == ("Plansza", caption)}
        yield from until(lambda: controls <= shown())
        failures.extend([] if controls <= shown() else [f"in {caption!r} {sorted(shown())}, not {sorted(controls - shown())}"])
        cancel = find(BUTTON, "Anuluj", ("Plansza", caption))
        if cancel:
            click(cancel)
    # Held, H gives one hint and one read-out, however long it is held.
    before = len(heard)
    subprocess.run(["xdotool", "keydown", "h", "sleep", "1.5", "keyup", "h"], check=True)
    yield 500
    if len(heard) != before + 1:
        failures.append(f"H held for 1.5 s was read out {len(heard) - before} times: {heard[before:]}")
def run(steps):
    try:
        GLib.timeout_add(next(steps), run, steps)
    except StopIteration:
        pyatspi.Registry.stop()
    return False

# Listening turns libatspi's cache on: the names read after the move are
# fresh only if the game said they changed.
pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change:accessible-name")
# What Orca speaks unasked: a notification that shows.
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION
                                       and heard.append(e.source.name), "object:state-changed:showing")
# And a cell that takes the focus: the cursor's, here on the hint's target.
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and e.source.getRole() == pyatspi.ROLE_TABLE_CELL
                                       and focused.append(e.source.name), "object:state-changed:focused")
GLib.idle_add(run, script())
GLib.timeout_add(30000, pyatspi.Registry.stop)
pyatspi.Registry.start()
raise SystemExit("\n".join(failures) or None)
EOF
echo "desktop access test passed"
