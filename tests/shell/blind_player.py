#!/usr/bin/python3
"""A blind player. It knows the running game only from what Orca says (the SPEECH OUTPUT lines of
Orca's debug file) and answers with keys: it starts a game, reads the hand and the tracker, plays
a card that Orca said may be played until the game ends, enters a name, hears its row in the
ranking, clears the ranking, and hears a second copy of the program refused. Whatever Orca does
not say as it should fails the test; how long it took to say it is only written down, to TIMES
when given (bench/orca_replies.sh): a line per reply, its delay in seconds and what it was.

usage: blind_player.py [--from OFFSET] [--times TIMES] ORCA_LOG GAME GAME_PID
(OFFSET: where in ORCA_LOG this game's speech begins, when Orca spoke of earlier games)"""
import argparse
import datetime
import os
import random
import re
import subprocess
import sys
import time

SUITS = ["スペード", "ハート", "クラブ", "ダイヤ"]
RANKS = ["A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"]
CARD = "(?:" + "|".join(SUITS) + ")の(?:" + "|".join(RANKS) + ")"
NAME = "Orca"


def fail(message):
    sys.exit("FAIL: " + message)


class Orca:
    """What Orca has said, line by line, as it writes its debug file."""

    # speak() writes the text and its voice with no blank between them; a key's echo has one.
    LINE = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'( ?)\{.*$")

    def __init__(self, path, offset):
        self.path = path
        self.offset = offset
        self.heard = []  # (time, text), in order, key echoes left out
        self.mark = 0  # index into heard: where the player's last key took effect

    def _read(self):
        with open(self.path, "rb") as f:
            f.seek(self.offset)
            data = f.read()
        end = data.rfind(b"\n") + 1
        self.offset += end
        for raw in data[:end].decode("utf-8", "replace").split("\n"):
            m = self.LINE.match(raw.rstrip("\r"))
            if m and not m.group(5):
                self.heard.append((self._epoch(*m.group(1, 2, 3)), m.group(4)))

    @staticmethod
    def _epoch(h, m, s):
        now = datetime.datetime.now()
        said = now.replace(hour=int(h), minute=int(m), second=0, microsecond=0)
        said += datetime.timedelta(seconds=float(s))
        if (said - now).total_seconds() > 12 * 3600:
            said -= datetime.timedelta(days=1)
        return said.timestamp()

    def settle(self, quiet=0.15, longest=3.0):
        """Waits until Orca has written nothing for `quiet` seconds: a player listens to the end
        of what a key brought before pressing the next one."""
        deadline = time.time() + longest
        size, since = -1, time.time()
        while time.time() < deadline:
            now = os.path.getsize(self.path)
            if now != size:
                size, since = now, time.time()
            elif time.time() - since >= quiet:
                return
            time.sleep(0.02)

    def skip(self):
        """Only what is said from now on counts for the next hear()."""
        self._read()
        self.mark = len(self.heard)

    def hear(self, pattern, seconds=5.0, start=None):
        """The first thing said since the mark (or since `start`) that matches `pattern`: its
        match, when it was said, and where to look for what follows it."""
        wanted = re.compile(pattern)
        deadline = time.time() + seconds
        i = self.mark if start is None else start
        while True:
            self._read()
            while i < len(self.heard):
                said_at, text = self.heard[i]
                i += 1
                m = wanted.search(text)
                if m:
                    return m, said_at, i
            if time.time() > deadline:
                recent = [t for _, t in self.heard[-8:]]
                fail(f"never heard /{pattern}/; the last things said: {recent}")
            time.sleep(0.01)


arguments = argparse.ArgumentParser()
arguments.add_argument("--from", dest="offset", type=int, default=0)
arguments.add_argument("--times")
for name in ("orca_log", "game"):
    arguments.add_argument(name)
arguments.add_argument("game_pid", type=int)
arguments = arguments.parse_args()
orca = Orca(arguments.orca_log, arguments.offset)
game, game_pid = arguments.game, arguments.game_pid
latencies = []  # (seconds, what)


def press(*keys, button=False):
    """The time the keys took effect: a push button acts when its key is let go, not pressed
    (and xdotool lets go 15 ms or more after the press)."""
    orca.settle()
    orca.skip()
    if button:
        subprocess.run(["xdotool", "keydown", *keys], check=True)
    pressed_at = time.time()
    subprocess.run(["xdotool", "keyup" if button else "key", "--delay", "30", *keys], check=True)
    return pressed_at


def hear_after(pressed_at, pattern, what):
    m, said_at, after = orca.hear(pattern)
    latencies.append((said_at - pressed_at, what))
    return m, after


def open_menu():
    orca.skip()
    # Alt held down while G is pressed, at a person's pace.
    for step in (["keydown", "alt"], ["key", "g"], ["keyup", "alt"]):
        subprocess.run(["xdotool", *step], check=True)
        time.sleep(0.15)
    orca.hear(r"^ニューゲーム\(N\)$")


def hear_slot(pressed_at, what):
    """A focused hand slot: '手札2 ハートの7.' then '選択可能.' or '選択不可.'."""
    m, after = hear_after(pressed_at, rf"^手札([1-5]) ({CARD}|裏向きのカード)\.$", what)
    state = orca.hear(r"^(選択可能|選択不可)\.$", start=after)[0].group(1)
    return int(m.group(1)) - 1, m.group(2), state == "選択可能"


def hear_cell(pressed_at, what):
    """A focused tracker cell: 'ハートの7.' then where that card is."""
    m, after = hear_after(pressed_at, rf"^({CARD})\.$", what)
    state = orca.hear(r"^(まだ出ていない|手札にある|出したカード)(、最後のカードと同じマークか数字)?\.$",
                      start=after)[0]
    card = m.group(1)
    return card, state.group(1), bool(state.group(2))


def place_of(card):
    suit, rank = card.split("の")
    return SUITS.index(suit), RANKS.index(rank)


# The program starts with the first hand slot focused.
orca.hear(r"^THE  TROVEN frame\.$", 30)
orca.hear(r"^手札1 裏向きのカード\.$")

# New Game: the message and the first slot.
open_menu()
pressed = press("n")
hear_after(pressed, r"^GOOD LUCK!$", "New Game: the message")
hand = [None] * 5
slot, hand[0], playable = hear_slot(pressed, "New Game: the first slot")
if (slot, playable) != (0, True):
    fail("after New Game the first slot is not focused and playable")

# The rest of the hand, slot by slot, then the tracker: its first cell, the ace of spades.
for k in range(1, 5):
    slot, hand[k], playable = hear_slot(press("Tab"), "Tab to a slot")
    if (slot, playable) != (k, True):
        fail(f"Tab reached slot {slot + 1} ({playable}), not slot {k + 1}, playable")
card, state, matching = hear_cell(press("Tab"), "Tab to the tracker")
wanted = "手札にある" if card in hand else "まだ出ていない"
if (card, state, matching) != ("スペードのA", wanted, False):
    fail(f"the tracker starts at {card}: {state}, expected the ace of spades: {wanted}")
slot, _, _ = hear_slot(press("shift+Tab"), "Shift+Tab back to the hand")
if slot != 4:
    fail(f"Shift+Tab from the tracker reached slot {slot + 1}, not slot 5")
focus = 4



def followers(slot):
    """How many other cards of the hand could follow the card in `slot`."""
    suit, rank = place_of(hand[slot])
    return sum(1 for k in range(5) if k != slot and hand[k] and (
        place_of(hand[k])[0] == suit or place_of(hand[k])[1] == rank))


rng = random.Random(os.getpid())
playable = set(range(5))
count = 0
plays = 0
while True:
    # A card that most of the rest of the hand can follow: the game lasts longer.
    best = max(followers(t) for t in playable)
    target = rng.choice(sorted(t for t in playable if followers(t) == best))
    if plays % 3 == 2:
        pressed = press(str(target + 1))  # the number key, wherever the focus is
    else:
        while focus != target:  # Left and Right pass over emptied slots
            focus, card, is_playable = hear_slot(
                press("Left" if target < focus else "Right"), "Left or Right to a slot")
            if card != hand[focus]:
                fail(f"slot {focus + 1} holds {card}, but {hand[focus]} was heard there")
            if focus == target and not is_playable:
                fail(f"slot {target + 1} said it may not be played")
        pressed = press("Return" if plays % 3 == 0 else "space")
    m, _ = hear_after(pressed, rf"^({CARD})を出しました。手札([1-5]) ({CARD}|空き)。カウント (\d+)(.*)$",
                      "a play")
    played, slot, now, rest = m.group(1), int(m.group(2)) - 1, m.group(3), m.group(5)
    plays += 1
    if (played, slot) != (hand[target], target):
        fail(f"played slot {target + 1} ({hand[target]}), heard {played} from slot {slot + 1}")
    if int(m.group(4)) != min(count + 1, 47):
        fail(f"the count went from {count} to {m.group(4)}")
    count = int(m.group(4))
    hand[target] = None if now == "空き" else now
    if "ＧＡＭＥ　ＯＶＥＲ・・・" in rest or "CONGRATULATION ! " in rest:
        latencies[-1] = (latencies[-1][0], "the play that ends the game")
        break
    if plays == 1 and not rest.startswith("。Select a Card"):
        fail(f"the first play did not tell the new message: {rest!r}")
    listed = re.search(r"。選択可能 (手札[1-5](?:、手札[1-5])*)\.?$", rest)
    if not listed:
        fail(f"the game goes on, but no playable slot was said: {rest!r}")
    playable = {int(s[2]) - 1 for s in listed.group(1).split("、")}
    if now == "空き" and focus == target:
        # The emptied slot lost the focus: Orca names where it went.
        focus, _, _ = hear_slot(pressed, "the focus after an emptied slot")

    if plays == 3:
        # To the tracker (Shift+Tab from the first slot), then to the card just played: it was
        # played, and its neighbour in the row matches it.
        while focus != 0:
            focus, _, _ = hear_slot(press("Left"), "Left to a slot")
        card, state, matching = hear_cell(press("shift+Tab"), "Shift+Tab to the tracker")
        if card != "スペードのA":
            fail(f"the tracker was left at the ace of spades but reads {card}")
        cell, (suit, rank) = place_of(card), place_of(played)
        while cell != (suit, rank):
            key = ("Up" if suit < cell[0] else "Down") if suit != cell[0] else (
                "Left" if rank < cell[1] else "Right")
            card, state, matching = hear_cell(press(key), "an arrow key in the tracker")
            cell = place_of(card)
        if (state, matching) != ("出したカード", False):
            fail(f"the card just played, {played}, reads {state} {matching}")
        card, state, matching = hear_cell(press("Left" if rank else "Right"), "the next cell")
        if not matching or (state == "手札にある") != (card in hand):
            fail(f"{card}, of the suit of {played}, reads {state} {matching}; the hand: {hand}")
        focus, _, _ = hear_slot(press("Tab"), "Tab from the tracker to the hand")

# The end: the name prompt, then the ranking with the new row.
orca.hear(r"^おめでとう！ Top10へ名前の登録です。 dialog\.$")
orca.hear(r"以内で入力してください。 text\.$")
for letter in NAME:
    press(letter if letter.islower() else "shift+" + letter.lower())
pressed = press("Return")
m, _ = hear_after(pressed, r"^登録しました。(\d+)位 (\S+) (\d+)。ランキング (.*?)\.?$",
                  "the name entered")
place, name, score, rows = int(m.group(1)), m.group(2), int(m.group(3)), m.group(4).split("、")
if (name, score) != (NAME, count):
    fail(f"the new row reads {name} {score}, expected {NAME} {count}")
read = [re.fullmatch(r"(\d+)位 (\S+) (-?\d+)", row) for row in rows]
if len(rows) != 10 or not all(read) or [int(r.group(1)) for r in read] != list(range(1, 11)):
    fail(f"the ranking did not read ten rows in order: {rows}")
if (read[place - 1].group(2), int(read[place - 1].group(3))) != (NAME, count):
    fail(f"row {place} of the ranking is not the new entry: {rows}")
orca.hear(r"^クリア push button\.$")

# Clear: the question, its Yes button, and the default table read out.
pressed = press("space", button=True)
hear_after(pressed, r"ランキングをクリアしますか？", "the Clear question (from the release)")
orca.hear(r"^はい\(Y\) push button\.$")
pressed = press("Return")
hear_after(pressed, r"^ランキング 1位 XYZ 50、2位 AAA 0、.*、10位 QQQ 0\.?$", "the table cleared")
orca.hear(r"^クリア push button\.$")  # the focus back where it was, told after the table

# The ranking closed; a second copy of the program is refused aloud.
press("alt+F4")
orca.hear(r"^THE  TROVEN frame\.$")
orca.skip()
started_at = time.time()
second = subprocess.Popen([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    _, said_at, _ = orca.hear(r"すでに起動されています\.", 10)
    latencies.append((said_at - started_at, "a second copy refused (from its start)"))
    press("Return")
    if second.wait(10) != 1:
        fail("the refused second copy did not end with status 1")
finally:
    if second.poll() is None:
        second.kill()

# Exit from the menu.
open_menu()
press("e")
for _ in range(100):
    if not os.path.exists(f"/proc/{game_pid}"):
        break
    time.sleep(0.1)
else:
    fail("the program did not end through its menu")

print(f"{plays} plays to a count of {count}, row {place} of the ranking")
if arguments.times:
    with open(arguments.times, "a") as times:
        times.writelines(f"{s:.4f}\t{what}\n" for s, what in latencies)
print("1 passed, 0 failed")
