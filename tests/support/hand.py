#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A person's hand on the desktop, through the window system as input from a
# mouse and a keyboard: on X through the X server (xdotool, XTest), on GNOME
# on Wayland through mutter's remote desktop, the interface GNOME's own remote
# desktop uses (its calls count only from the connection that made the
# session, which lives as long as this). Reads commands, a line each, and
# answers once the window system has taken each ("ok" unless told below):
#   move X Y          the pointer to that point of the screen; "move outside":
#                     over another program, in a corner of the desktop
#   button down|up    the first button (a press while down, or a release while
#                     up, is none)
#   key NAME          a key as Qt names it: Tab, Shift+Backtab, Alt+C, Num+Enter
#   type TEXT         the text, as the keyboard's layout types it
#   learn W H         where a window of that size stands, from where the pointer
#   arrived X,Y ...   arrives in it: the pointer goes through a fixed cloud of
#                     points over the screen, in jittered rows 60 apart and then
#                     between them, a few at a time; told each time at which of
#                     its own points the window saw the pointer arrive, in
#                     order, it answers "sweeping" until only one place agrees
#                     with six or more of them (a covered point tells nothing).
#                     It then moves the pointer back by the last and answers
#                     "at X Y LX LY": the window's place, and where in it the
#                     pointer now is, which the window is to report. A window
#                     of the same size is looked for first where the last one
#                     stood: mutter puts a box beside the same windows in the
#                     same place. "lost" when the cloud is spent.
import os
import random
import subprocess
import sys

GNOME = "GNOME" in os.environ.get("XDG_CURRENT_DESKTOP", "") and "WAYLAND_DISPLAY" in os.environ
KEYS = {"Tab": ("Tab", 0xFF09), "Backtab": ("Tab", 0xFF09), "Return": ("Return", 0xFF0D),
        "Enter": ("KP_Enter", 0xFF8D), "Del": ("Delete", 0xFFFF)}
MODIFIERS = {"Shift": ("shift", 0xFFE1), "Ctrl": ("ctrl", 0xFFE3), "Alt": ("alt", 0xFFE9)}


def keysym(character):  # Latin-1's code, or Unicode's above 0x1000000
    return ord(character) if ord(character) < 0x100 else 0x1000000 + ord(character)


class X:
    def run(self, *arguments):
        # xdotool reads its text in the C library's locale, which may be missing.
        subprocess.run(["xdotool", *arguments], check=True, env={**os.environ, "LC_ALL": "C.UTF-8"})

    at = None

    def move(self, x, y):
        if (x, y) != self.at:  # waiting for a move that needs none would never end
            self.run("mousemove", "--sync", str(x), str(y))
        self.at = (x, y)

    def button(self, down):
        self.run("mousedown" if down else "mouseup", "1")

    def key(self, held, key):
        name = KEYS[key][0] if key in KEYS else key.lower()
        self.run("key", "+".join([MODIFIERS[m][0] for m in held] + [name]))

    def type(self, text):
        self.run("type", "--", text)


class Mutter:
    def __init__(self):
        from gi.repository import Gio, GLib
        self.GLib = GLib
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        self.session = self.call("/org/gnome/Mutter/RemoteDesktop", "CreateSession")[0]
        self.call(self.session, "Start")
        self.tap(0xFFE1)  # the first key of a new session is lost, for any window
        self.call(self.session, "NotifyPointerMotionRelative", "(dd)", -1e5, -1e5)
        self.at = (0, 0)  # from the corner, where it stops, its place is known

    def call(self, path, method, signature=None, *arguments):
        interface = "org.gnome.Mutter.RemoteDesktop" + (".Session" if "Session" in path else "")
        body = self.GLib.Variant(signature, arguments) if signature else None
        return self.bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method,
                                  body, None, 0, -1, None).unpack()

    def keysym(self, down, symbol):
        self.call(self.session, "NotifyKeyboardKeysym", "(ub)", symbol, down)

    def tap(self, symbol):
        self.keysym(True, symbol)
        self.keysym(False, symbol)

    def move(self, x, y):
        dx, dy = x - self.at[0], y - self.at[1]
        self.call(self.session, "NotifyPointerMotionRelative", "(dd)", float(dx), float(dy))
        self.at = (x, y)

    def button(self, down):
        self.call(self.session, "NotifyPointerButton", "(ib)", 0x110, down)  # BTN_LEFT

    def key(self, held, key):
        for modifier in held:
            self.keysym(True, MODIFIERS[modifier][1])
        self.tap(KEYS[key][1] if key in KEYS else keysym(key.lower()))
        for modifier in reversed(held):
            self.keysym(False, MODIFIERS[modifier][1])

    def type(self, text):
        for character in text:
            self.tap(keysym(character))


class Learning:
    last_of_its_size = {}

    def __init__(self, hand, width, height):
        self.hand, self.size, self.sent = hand, (width, height), 0
        jitter = random.Random(1)
        self.cloud = []
        if self.size in self.last_of_its_size:
            x, y = self.last_of_its_size[self.size]
            self.cloud = [(x + width * (2 * i + 1) // 16 + jitter.randrange(4),
                           y + height * (3 if i % 2 else 1) // 4) for i in range(8)]
        for row in range(4):
            for y in range(row * 15, 1024, 60):
                self.cloud += [(x + jitter.randrange(16), y + jitter.randrange(8))
                               for x in range(0, 1280, 16)]

    def agreeing(self, arrivals):
        if len(arrivals) < 6:
            return None
        sent = self.cloud[:self.sent]
        where = {}
        for i, point in enumerate(sent):
            where.setdefault(point, []).append(i)
        places = set()
        for first, (x, y) in enumerate(sent):
            place, last = (x - arrivals[0][0], y - arrivals[0][1]), first
            for ax, ay in arrivals[1:]:
                later = [i for i in where.get((ax + place[0], ay + place[1]), []) if i > last]
                if not later:
                    break
                last = later[0]
            else:
                places.add(place)
        return places.pop() if len(places) == 1 else None

    def arrived(self, arrivals):
        place = self.agreeing(arrivals)
        if place:
            self.last_of_its_size[self.size] = place
            lx, ly = arrivals[-1]
            lx += 1 if lx < 2 else -1
            self.hand.move(place[0] + lx, place[1] + ly)
            return f"at {place[0]} {place[1]} {lx} {ly}"
        if self.sent >= len(self.cloud):
            return "lost"
        for x, y in self.cloud[self.sent:self.sent + 40]:
            self.hand.move(x, y)
        self.sent += 40
        return "sweeping"


hand = Mutter() if GNOME else X()
learning, button = None, False
for line in sys.stdin:
    verb, _, rest = line.rstrip("\n").partition(" ")
    answer = "ok"
    if verb == "move":
        hand.move(*((1275, 1019) if rest == "outside" else map(int, rest.split())))
    elif verb == "button" and (rest == "down") != button:
        button = rest == "down"
        hand.button(button)
    elif verb == "key":
        *held, key = rest.split("+") if rest != "+" else ["+"]
        hand.key([m for m in held if m != "Num"], key)
    elif verb == "type":
        hand.type(rest)
    elif verb == "learn":
        learning = Learning(hand, *map(int, rest.split()))
        answer = learning.arrived([])
    elif verb == "arrived":
        answer = learning.arrived([tuple(map(int, p.split(","))) for p in rest.split()])
    print(answer, flush=True)
