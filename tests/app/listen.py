#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens on the accessibility bus as a screen reader does, and writes a line
# for each thing a screen reader speaks away from the focus: an announcement,
# or an object of the notification role being shown, by its name as a screen
# reader knows it then: as read after the last change of name it was told
# of, blank before any. Each line ends with the name of what had the focus
# then:
#   Zakat 25 after Total Value of shares, stocks, bonds
# Like a screen reader starting, it first tells the desktop that one runs, so
# that programs started afterwards speak to it.
#   usage: listen.py <file>    prints "listening" once it is registered
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

out = open(sys.argv[1], "a", buffering=1)
names, renamed = {}, set()
focus = [""]


def name(source):
    if source in renamed:
        renamed.discard(source)
        names[source] = source.get_name()
    return names.get(source, "")


def on_event(event):
    kind = event.type
    if kind.startswith("object:state-changed:focused") and event.detail1:
        focus[0] = event.source.get_name()
    elif kind.startswith("object:property-change:accessible-name"):
        renamed.add(event.source)
    elif kind.startswith("object:announcement"):
        out.write(f"{event.any_data} after {focus[0]}\n")
    elif (kind.startswith("object:state-changed:showing") and event.detail1
          and event.source.get_role() == Atspi.Role.NOTIFICATION):
        out.write(f"{name(event.source)} after {focus[0]}\n")


listener = Atspi.EventListener.new(on_event)
for kind in ("object:announcement", "object:state-changed:showing",
             "object:state-changed:focused", "object:property-change:accessible-name"):
    listener.register(kind)
Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
    "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
    GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
    None, Gio.DBusCallFlags.NONE, -1, None)
print("listening", flush=True)
Atspi.event_main()
