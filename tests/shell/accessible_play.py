#!/usr/bin/python3
"""Plays the running game as a screen reader user would: reads the table from the accessibility
bus, picks a hand slot that says it may be played, presses its number key, and checks what the
reader hears afterwards. Exits non-zero at the first thing that reads wrong."""
import subprocess
import sys
import time

import pyatspi

GAME_OVER = {"ＧＡＭＥ　ＯＶＥＲ・・・", "CONGRATULATION ! "}


def nodes(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def game():
    deadline = time.time() + 30
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "troven":
                return app
        time.sleep(0.3)
    sys.exit("FAIL: the game never appeared on the accessibility bus")


def table(app):
    """What the reader hears: the count, the message and the five hand slots."""
    heard = {"slots": {}}
    for n in nodes(app):
        if n.name.startswith("カウント"):
            heard["count"] = n.name
        elif n.description == "メッセージ":
            heard["message"] = n.name
        elif n.name.startswith("手札") and n.name[2:3] in "12345":
            heard["slots"][int(n.name[2])] = (n.name, n.description)
    return heard


def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"FAIL: {what}: heard {actual!r}, expected {wanted!r}")


def wait_for(app, check, seconds=5):
    deadline = time.time() + seconds
    while True:
        heard = table(app)
        if check(heard) or time.time() > deadline:
            return heard
        time.sleep(0.1)


app = game()
subprocess.run(["xdotool", "key", "alt+g"], check=True)
time.sleep(0.3)
subprocess.run(["xdotool", "key", "n"], check=True)
heard = wait_for(app, lambda h: h.get("message") == "GOOD LUCK!")
expect("the message after a deal", heard.get("message"), "GOOD LUCK!")
expect("the count after a deal", heard.get("count"), "カウント 0")
expect("playable slots after a deal", sorted(d for _, d in heard["slots"].values()), ["出せます"] * 5)

plays = 0
while heard.get("message") not in GAME_OVER and plays < 52:
    playable = [k for k, (_, d) in sorted(heard["slots"].items()) if d == "出せます"]
    if not playable:
        sys.exit(f"FAIL: no slot says it may be played, yet the message is {heard.get('message')!r}")
    before = heard["count"]
    subprocess.run(["xdotool", "key", str(playable[0])], check=True)
    plays += 1
    wanted = f"カウント {min(plays, 47)}"
    heard = wait_for(app, lambda h: h.get("count") == wanted)
    expect(f"the count after play {plays}", heard.get("count"), wanted)
    if heard.get("message") not in GAME_OVER:
        expect(f"the message after play {plays}", heard.get("message"), "Select a Card")
print(f"read the table through {plays} plays to {heard.get('message')!r}")
print("1 passed, 0 failed")
