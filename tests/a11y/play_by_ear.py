"""Plays a whole game through the accessibility bus, as a screen-reader user
would: everything is learnt from the accessible tree, everything is done with
key presses. Checks the statistics heard at the end against data.dat.

Run inside a display and a session bus, e.g.
    xvfb-run -a dbus-run-session -- /usr/bin/python3 play_by_ear.py build/plenk
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi

DEADLINE = time.monotonic() + 240
GAME_CAPTION = "Plenk Ver. 1.10 (made by the Plenk team)"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, find, timeout=30):
    end = min(time.monotonic() + timeout, DEADLINE)
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.05)
    fail("no " + what)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def texts(window):
    return " ".join(n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL and n.name)


def the_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Plenk":
            return app
    return None


def windows(app):
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None]


def box(app):
    """A message box or the name prompt, with the words it shows."""
    for w in windows(app):
        if w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and w.getState().contains(pyatspi.STATE_SHOWING):
            said = texts(w)
            if said:
                return w, said
    return None


def window_named(app, name):
    for w in windows(app):
        if w.name == name and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width / 2, box.y + box.height / 2


def table(app):
    for w in windows(app):
        for n in walk(w):
            if n.name == "Table" and n.getRole() == pyatspi.ROLE_PANEL:
                return n
    return None


def hand(tbl):
    cards = [tbl.getChildAtIndex(i) for i in range(tbl.childCount)]
    return [c for c in cards if c is not None and c.getRole() == pyatspi.ROLE_LIST_ITEM]


def main(program):
    folder = tempfile.mkdtemp()
    shutil.copy(program, folder)
    # A window manager gives the keyboard to the window that asks for it.
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([os.path.join(folder, os.path.basename(program))], env=env)
    try:
        play(folder)
        # Ctrl+Q, pressed last, ends the program.
        if game.wait(timeout=10) != 0:
            fail("the game did not end cleanly on Ctrl+Q")
    finally:
        game.kill()
        manager.kill()
        shutil.rmtree(folder, ignore_errors=True)


def play(folder):
    app = wait_for("game on the accessibility bus", the_app)
    prompt, said = wait_for("name prompt", lambda: box(app))
    if "Input Player Name:" not in said:
        fail("first start asked: " + said)
    type_text("Ann")
    keys("Return")
    tbl = wait_for("table", lambda: table(app))
    game_window = wait_for("game window", lambda: window_named(app, GAME_CAPTION))
    keys("F1")
    rules = wait_for("help window", lambda: window_named(app, "How to Play"))
    (gx, gy), (hx, hy) = centre(game_window), centre(rules)
    if abs(gx - hx) > 1 or abs(gy - hy) > 1:
        fail("the help window's centre %s is not the game window's %s" % ((hx, hy), (gx, gy)))
    keys("Escape")
    wait_for("help window closed", lambda: window_named(app, "How to Play") is None)
    keys("ctrl+n")
    heard = None
    plays = 0
    while heard is None:
        if time.monotonic() > DEADLINE:
            fail("the game did not end")
        try:
            found = box(app)
        except Exception:  # a box closing while it is read
            found = None
        if found:
            said = found[1]
            if "You win!" in said:
                keys("Escape")  # No: do not watch the rest
            elif "PLAYER STATISTIC" in said:
                heard = said
            else:
                fail("unexpected box: " + said)
            time.sleep(0.3)
            continue
        try:
            playable = "Your turn" in tbl.description
            cards = hand(tbl)
            allowed = [i for i, c in enumerate(cards) if c.getState().contains(pyatspi.STATE_ENABLED)]
            marked = [i for i, c in enumerate(cards) if c.getState().contains(pyatspi.STATE_FOCUSED)]
        except Exception:
            continue
        if not playable or not allowed or len(marked) != 1:
            time.sleep(0.05)
            continue
        # The mark starts on a card that may be played; Home and Right walk to it.
        if marked[0] != allowed[0]:
            fail("the mark is on %s, not on %s" % (cards[marked[0]].name, cards[allowed[0]].name))
        target = allowed[-1]
        keys("Home", *["Right"] * target)
        wait_for("focus on " + cards[target].name,
                 lambda: cards[target].getState().contains(pyatspi.STATE_FOCUSED), timeout=5)
        keys("Return")
        plays += 1
        time.sleep(0.3)
    with open(os.path.join(folder, "data.dat"), "rb") as f:
        record = f.read()
    name = record[:25].decode("cp1252").rstrip()
    counts = struct.unpack("<5h", record[25:35])
    expected = "Rank 1: %d times Rank 2: %d times Rank 3: %d times Lose: %d times" % counts[1:]
    spoken = re.sub(r"\s+", " ", heard)
    if name != "Ann" or expected not in spoken or sum(counts[1:]) != 1:
        fail("heard %r, record %r %r" % (spoken, name, counts))
    print("played %d cards; heard: %s" % (plays, spoken))
    keys("Return", "ctrl+q")


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
