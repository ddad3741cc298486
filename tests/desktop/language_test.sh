#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window in the player's language, as a screen reader reads it:
# with LANGUAGE=en the captions, a message and the help page are English;
# with LANGUAGE=pl, and with a language the game lacks (de), Polish.
source "$(dirname "$0")/lib.sh"
DATA="$3"
on_accessibility_bus "$@"
unset LC_ALL LC_MESSAGES

# The language, then what the window says in it: the buttons (the first
# opens the save panel), the message for a save with no name, and the help
# page's heading.
while IFS='|' read -r language buttons message heading; do
    export LANGUAGE="$language"
    mkdir -p "$WORK/$language"
    cp "$DATA"/pegit*.html "$WORK/$language/"
    start_game "$WORK/$language"
    WIN_ID="$WIN_ID" BUTTONS="$buttons" MESSAGE="$message" HEADING="$heading" /usr/bin/python3 -I - <<'PY' ||
import os, subprocess, time, pyatspi
def until(what):  # what() once it holds, trying for up to 3 s
    for _ in range(30):
        if got := what():
            return got
        time.sleep(0.1)
app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelb's Pegboard"), None))
def all_of(o, role):
    return [c for c in o if c.getRole() == role] + sum((all_of(c, role) for c in o if c.getRole() != pyatspi.ROLE_TABLE), [])
def text(o):
    try:
        return o.queryText().getText(0, 2000)
    except NotImplementedError:
        return ""
keys = lambda *k: subprocess.run(["xdotool", "key", "--delay", "40", *k], check=True)
failures = []
wanted = os.environ["BUTTONS"].split(",")
buttons = {b.name: b for b in all_of(app, pyatspi.ROLE_PUSH_BUTTON)}
if not set(wanted) <= buttons.keys():
    failures.append(f"buttons {sorted(buttons)}, not {sorted(set(wanted) - buttons.keys())}")
else:
    buttons[wanted[0]].queryAction().doAction(0)
    time.sleep(0.3)
    keys("ctrl+a", "BackSpace", "Return")  # no name: the game asks for one
    said = lambda: [l for l in all_of(app, pyatspi.ROLE_LABEL) if os.environ["MESSAGE"] in l.name]
    if not until(said):
        failures.append(f"no message {os.environ['MESSAGE']!r}")
    keys("Return")
    until(lambda: not said())
    # No window manager hands the focus back: the game's window takes it again.
    subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["WIN_ID"]], check=True)
    keys("Escape", "F1")  # the panel closes, the help opens
    # A read-only browser reads as a label that holds the text.
    if not until(lambda: [t for t in all_of(app, pyatspi.ROLE_LABEL) if os.environ["HEADING"] in text(t)]):
        failures.append(f"no help page headed {os.environ['HEADING']!r}")
raise SystemExit("\n".join(failures) or None)
PY
        fail "LANGUAGE=$language: see above"
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
done <<'TABLE'
en|Save Moves,Replay,Look,Help,Reset|Type the name of the file|Kelb's Pegboard – help
pl|Zapisz Ruchy,Odtwórz,Mata,Pomoc,Reset|Podaj nazwę pliku|Kelb's Pegboard – pomoc
de|Zapisz Ruchy,Odtwórz,Mata,Pomoc,Reset|Podaj nazwę pliku|Kelb's Pegboard – pomoc
TABLE
echo "desktop language test passed"
