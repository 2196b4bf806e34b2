"""A whole game played by keys alone under the Orca screen reader, judged on
what Orca said: the "SPEECH OUTPUT" lines of its debug log. The player acts on
what it hears; the accessible tree is read only to know when it is the
human's turn, so that a turn Orca did not speak is counted, not waited for.

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
# Orca with its debug file line-buffered, so that each utterance can be read
# as soon as it is spoken.
ORCA = """
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
builtins.open = lambda f, m="r", *a, **k: plain_open(f, m, 1) if f == log else plain_open(f, m, *a, **k)
sys.argv = ["orca", "--replace", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{", re.S)
SEAT = r"(You|COM [123])"
CARD = r"^\w+ of (Clubs|Diamonds|Hearts|Spades)( cannot be played: follow \w+)?$"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


class Ear:
    """What Orca has said so far, one utterance an entry."""

    def __init__(self, path):
        self.path, self.said, self.read, self.unread = path, [], 0, ""

    def listen(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.read)
                chunk = f.read()
        except FileNotFoundError:
            return
        self.read += len(chunk)
        self.unread += chunk.decode("utf-8", errors="replace")
        # An utterance may span lines; it ends where Orca's voice settings follow.
        end = 0
        for m in SPOKEN.finditer(self.unread):
            # Orca names the role of an announcement before its words.
            words = re.sub("^notification ", "", m.group(1).strip().rstrip("."))
            if words:
                self.said.append(words)
            end = m.end()
        rest = self.unread[end:]
        self.unread = rest[rest.find("SPEECH OUTPUT"):] if "SPEECH OUTPUT" in rest else ""

    def wait(self, pattern, since, timeout=20):
        """The index of the first utterance from `since` on matching `pattern`."""
        end = min(time.monotonic() + timeout, DEADLINE)
        while time.monotonic() < end:
            self.listen()
            for i in range(since, len(self.said)):
                if re.search(pattern, self.said[i]):
                    return i
            time.sleep(0.05)
        return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def the_table():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is not None and app.name == "Plenk":
            found = find_panel(app, "Table")
            if found is not None:
                return found
    return None


def find_panel(node, name):
    """A depth-first search that skips a child gone while the window is still being built."""
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        if child is None:
            continue
        if child.name == name and child.getRole() == pyatspi.ROLE_PANEL:
            return child
        found = find_panel(child, name)
        if found is not None:
            return found
    return None


def hand_now(table):
    """The names of the hand's cards as the game now has them, read afresh."""
    try:
        table.clear_cache()
        hand = table.getChildAtIndex(0)
        if hand.getRole() != pyatspi.ROLE_LIST:
            return None
        return [hand.getChildAtIndex(i).name for i in range(hand.childCount)]
    except Exception:  # the tree changes while it is read
        return None


def misheard_hand(said, hand):
    """What was said during a turn that does not fit the hand as it is: a
    count of its cards, a card it does not hold, a seat where a card is."""
    wrong = []
    for s in said:
        count = re.match(r"(Your hand, |List with )(\d+) (cards?|items?)$", s)
        if ((count and int(count.group(2)) != len(hand)) or (re.match(CARD, s) and s not in hand)
                or re.match(r"COM [123], \w+, \d+ cards?$", s)):
            wrong.append("%r for %d cards" % (s, len(hand)))
    return wrong


def humans_turn(table):
    try:
        return "Your turn" in table.description
    except Exception:  # the tree changes while it is read
        return False


def main(program):
    folder = tempfile.mkdtemp()
    home = os.path.join(folder, "home")
    runtime = os.path.join(folder, "run")
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    shutil.copy(program, folder)
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"))
    log = os.path.join(folder, "orca.log")
    started = []
    try:
        # A window manager gives the keyboard to the window that asks for it.
        started.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        started.append(subprocess.Popen([sys.executable, "-c", ORCA, log], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        ear = Ear(log)
        if ear.wait("Screen reader on", 0, timeout=40) is None:
            fail("Orca did not start")
        game = subprocess.Popen([os.path.join(folder, os.path.basename(program))],
                                env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        started.append(game)
        play(ear, folder)
        if game.wait(timeout=10) != 0:
            fail("the game did not end cleanly on Ctrl+Q")
    finally:
        for p in reversed(started):
            p.kill()
        if os.environ.get("PLENK_KEEP_TRANSCRIPT"):
            shutil.copy(log, os.environ["PLENK_KEEP_TRANSCRIPT"])
        shutil.rmtree(folder, ignore_errors=True)


def play(ear, folder):
    if ear.wait("Input Player Name:", 0) is None:
        fail("no name prompt heard")
    subprocess.run(["xdotool", "type", "--delay", "60", "Ann"], check=True)
    keys("Return")
    table = None
    end = time.monotonic() + 20
    while table is None and time.monotonic() < end:
        table = the_table()
        time.sleep(0.1)
    if table is None:
        fail("no table")
    ear.listen()
    before_deal = list(ear.said)
    keys("ctrl+n")
    turns = heard_turns = refused = judged = 0
    misheard = []
    at = len(ear.said)
    while True:
        if time.monotonic() > DEADLINE:
            fail("the game did not end; last heard: %r" % ear.said[-5:])
        ear.listen()
        news = ear.said[at:]
        if any("PLAYER STATISTIC" in s for s in news):
            break
        if any("Would you like to watch" in s for s in news):
            at = len(ear.said)
            keys("Escape")  # No: do not watch the rest
            continue
        if not humans_turn(table):
            time.sleep(0.05)
            continue
        turns += 1
        turn = ear.wait("^Your turn", at, timeout=3)
        if turn is None:
            at = len(ear.said)
            if humans_turn(table):
                keys("Return")
            continue
        heard_turns += 1
        at = turn + 1
        # A player listens for the marked card before pressing a key.
        card = ear.wait(CARD, at, timeout=2)
        at = at if card is None else card + 1
        if refused == 0 and "follow" in ear.said[turn]:
            # Once, walk to a card that may not be played and try it.
            keys("End")
            card = ear.wait("of (Clubs|Diamonds|Hearts|Spades)", at, timeout=5)
            if card is not None and "cannot be played" in ear.said[card]:
                keys("Return")
                if ear.wait("cannot be played: follow", card + 1, timeout=5) is None:
                    fail("a refused card was not spoken")
                refused += 1
                # Back to the first card, then right until one may be played.
                at = len(ear.said)
                keys("Home")
                for _ in range(15):
                    card = ear.wait("of (Clubs|Diamonds|Hearts|Spades)", at, timeout=3)
                    if card is None or "cannot be played" not in ear.said[card]:
                        break
                    at = card + 1
                    keys("Right")
        # Until this key the hand stands still: what was said of it must fit it.
        hand = hand_now(table)
        ear.listen()
        if hand is not None:
            judged += 1
            misheard += misheard_hand(ear.said[turn:], hand)
        at = len(ear.said)
        keys("Return")
        time.sleep(0.2)
    if misheard or judged < 0.9 * heard_turns:
        fail("in %d turns the hand was misheard: %s" % (judged, "; ".join(misheard)))
    print("the hand heard as it was in %d of %d turns" % (judged, heard_turns))
    judge(ear.said, before_deal, turns, heard_turns, refused, folder)
    keys("Return", "ctrl+q")


def judge(said, before_deal, turns, heard_turns, refused, folder):
    stale = [s for s in before_deal if re.search("Your turn|follow|Open card|COM", s)]
    if stale:
        fail("before the deal Orca said %r" % stale)
    if turns == 0 or heard_turns < 0.95 * turns:
        fail("%d of %d turns spoken" % (heard_turns, turns))
    # Every round, as spoken: each seat still in the game plays once, then the
    # round is won, or a take ends it early.
    finished, plays, rounds, takes, in_game = set(), [], 0, 0, 4
    for s in said:
        played = re.match(SEAT + r" plays? (\w+ of \w+)$", s)
        if played:
            if played.group(1) in [p for p, _ in plays]:
                fail("%s played twice in a round: %r" % (played.group(1), plays))
            plays.append((played.group(1), played.group(2)))
        elif re.match(SEAT + r" finished (first|second|third)$", s):
            finished.add(s.split(" finished")[0])
        elif re.search(r"takes all card$", s):
            takes += 1
        elif re.match(SEAT + r" (wins? the round and leads?|leads?)$", s):
            if "round" in s and len(plays) != in_game:
                fail("a round of %d seats was won after the plays %r" % (in_game, plays))
            plays, rounds, in_game = [], rounds + 1, 4 - len(finished)
    if rounds < 3:
        fail("only %d rounds were spoken" % rounds)
    with open(os.path.join(folder, "data.dat"), "rb") as f:
        record = f.read()
    counts = struct.unpack("<5h", record[25:35])
    place = next((s for s in said if s.startswith("You finished")), None)
    places = ["first", "second", "third"]
    if (place is None) != (counts[4] == 1) or (place and counts[1 + places.index(place.split()[-1])] != 1):
        fail("heard %r for the record %r" % (place, counts))
    stats = "Rank 1: %d times Rank 2: %d times Rank 3: %d times Lose: %d times" % counts[1:]
    if not any(stats in re.sub(r"\s+", " ", s) for s in said):
        fail("the statistics %r were not spoken" % stats)
    print("%d rounds, %d takes, %d of %d turns spoken, %d refusals; %s; %s" %
          (rounds, takes, heard_turns, turns, refused, place, stats))


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
