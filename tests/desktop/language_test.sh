#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window in the player's language, as a screen reader reads it:
# with LANGUAGE=en the captions, a message and the help page are English;
# with LANGUAGE=pl, and with a language the game lacks (de), Polish.
source "$(dirname "$0")/lib.sh"
DATA="$3"
if [ -z "${ACCESS_TEST_BUS:-}" ]; then
    unset AT_SPI_BUS_ADDRESS
    XDG_RUNTIME_DIR="$WORK" ACCESS_TEST_BUS=1 dbus-run-session -- bash "$0" "$@"
    exit
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LC_ALL LC_MESSAGES
start_xvfb
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null

# language, then what the window must say in it: the buttons, the message
# for a save with no name, and the help page's first heading.
while IFS='|' read -r language buttons message heading; do
    export LANGUAGE="$language"
    mkdir -p "$WORK/$language"
    cp "$DATA"/pegit*.html "$WORK/$language/"
    start_game "$WORK/$language"
    WIN_ID="$WIN_ID" BUTTONS="$buttons" MESSAGE="$message" HEADING="$heading" /usr/bin/python3 -I - <<'PY' ||
import os, subprocess, time, pyatspi
def app():
    for _ in range(50):
        a = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelb's Pegboard"), None)
        if a:
            return a
        time.sleep(0.1)
def all_of(o, role):
    found = []
    for c in o:
        if c.getRole() == role:
            found.append(c)
        if c.getRole() != pyatspi.ROLE_TABLE:
            found += all_of(c, role)
    return found
def until(what, tries=30):
    for _ in range(tries):
        got = what()
        if got:
            return got
        time.sleep(0.1)
def keys(*k):
    subprocess.run(["xdotool", "key", "--delay", "40", *k], check=True)
failures = []
buttons = {b.name for b in all_of(app(), pyatspi.ROLE_PUSH_BUTTON)}
wanted = set(os.environ["BUTTONS"].split(","))
if not wanted <= buttons:
    failures.append(f"buttons {sorted(buttons)}, not {sorted(wanted - buttons)}")
# The save panel (the first button named) with its name cleared, then OK:
# the game says a name is wanted.
save = next(b for b in all_of(app(), pyatspi.ROLE_PUSH_BUTTON) if b.name == os.environ["BUTTONS"].split(",")[0])
save.queryAction().doAction(0)
time.sleep(0.3)
keys("ctrl+a", "BackSpace", "Return")
said = lambda: [l.name for l in all_of(app(), pyatspi.ROLE_LABEL) if os.environ["MESSAGE"] in l.name]
if not until(said):
    failures.append(f"no message {os.environ['MESSAGE']!r}: {[l.name for l in all_of(app(), pyatspi.ROLE_LABEL)]}")
keys("Return")  # the box closes
until(lambda: not said())
# No window manager hands the focus back: the game's window takes it again.
subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["WIN_ID"]], check=True)
keys("Escape", "F1")  # the panel closes, the help opens
def text(o):
    try:
        return o.queryText().getText(0, 2000)
    except NotImplementedError:
        return ""
# A read-only browser reads as a label that holds the text.
page = lambda: [t for t in all_of(app(), pyatspi.ROLE_LABEL) if os.environ["HEADING"] in text(t)]
if not until(page):
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
