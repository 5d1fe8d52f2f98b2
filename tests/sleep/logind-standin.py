#!/usr/bin/python3
"""Stands in for the sleep manager on a private bus: says the computer is going to sleep
("sleep") or woke ("wake"), in the order given, then ends. With --impostor it says the same
without owning the sleep manager's name."""
import sys

from gi.repository import Gio, GLib

NAME = "org.freedesktop.login1"


def main(args):
    impostor = args[:1] == ["--impostor"]
    bus = Gio.bus_get_sync(Gio.BusType.SYSTEM, None)  # DBUS_SYSTEM_BUS_ADDRESS
    if not impostor:
        owned = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "RequestName",
                              GLib.Variant("(su)", (NAME, 4)), GLib.VariantType("(u)"),
                              Gio.DBusCallFlags.NONE, 5000, None)
        if owned.unpack()[0] != 1:
            sys.exit("could not own " + NAME)
    for word in args[1:] if impostor else args:
        bus.emit_signal(None, "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
                        "PrepareForSleep", GLib.Variant("(b)", (word == "sleep",)))
    bus.flush_sync(None)
    print("said", " ".join(args), flush=True)


main(sys.argv[1:])
