#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The machine's keyboard set-up as systemd-localed gives it on the system
# bus, which is where mutter reads its layout from when no GNOME Shell tells
# it: the US layout with the regional digits on keys of their own.
#   usage: localed.py    (on the bus of DBUS_SYSTEM_BUS_ADDRESS; prints "ready")
from gi.repository import Gio, GLib

SETUP = {"X11Layout": "us", "X11Variant": "", "X11Options": "altavesh:digits", "X11Model": ""}
XML = ("<node><interface name='org.freedesktop.locale1'>"
       + "".join(f"<property name='{name}' type='s' access='read'/>" for name in SETUP)
       + "</interface></node>")

bus = Gio.bus_get_sync(Gio.BusType.SYSTEM)
bus.register_object("/org/freedesktop/locale1", Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0],
                    None, lambda _c, _s, _p, _i, name: GLib.Variant("s", SETUP[name]), None)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.locale1", Gio.BusNameOwnerFlags.NONE,
                               lambda *_: print("ready", flush=True), None)
GLib.MainLoop().run()
