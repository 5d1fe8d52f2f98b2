#!/usr/bin/python3
"""Stands in for a desktop's StatusNotifier tray on the session bus: owns the watcher, says a
host is there, and when an item registers reads its tooltip and menu the way a panel would,
printing one line each. Then clicks the menu entry LABEL, if given, and activates the item as a
left click on the icon does. Prints "ready" once the watcher is up. Usage: tray-host.py [LABEL]"""
import sys

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
XML = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""


def say(*words):
    print(*words, flush=True)


class Host:
    def __init__(self, bus, click):
        self.bus = bus
        self.click = click
        self.items = []

    def call(self, service, path, interface, method, args, reply):
        return self.bus.call_sync(service, path, interface, method, args,
                                  GLib.VariantType(reply) if reply else None,
                                  Gio.DBusCallFlags.NONE, 5000, None).unpack()

    def on_method(self, _bus, sender, _path, _iface, method, params, invocation):
        invocation.return_value(None)
        if method == "RegisterStatusNotifierItem":
            service = params.unpack()[0]
            # Some items name only their object path; the bus name is then the caller's.
            service = sender if service.startswith("/") else service
            self.items.append(service)
            GLib.idle_add(self.read_item, service)

    def on_property(self, _bus, _sender, _path, _iface, name):
        return {"RegisteredStatusNotifierItems": GLib.Variant("as", self.items),
                "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "ProtocolVersion": GLib.Variant("i", 0)}[name]

    def read_item(self, service):
        try:
            props = self.call(service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties",
                              "GetAll", GLib.Variant("(s)", (ITEM,)), "(a{sv})")[0]
            say("registered", service)
            say("tooltip:", props.get("ToolTip", ("", [], "", ""))[2])
            menu = props.get("Menu", "/")
            self.call(service, menu, MENU, "AboutToShow", GLib.Variant("(i)", (0,)), "(b)")
            layout = self.call(service, menu, MENU, "GetLayout",
                               GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")[1]
            entries = {}
            for child in layout[2]:
                ident, fields = child[0], child[1]
                if fields.get("type") != "separator" and fields.get("visible", True):
                    entries[fields.get("label", "").replace("_", "")] = ident
            say("menu:", " | ".join(entries))
            if self.click:
                data = GLib.Variant("(isvu)", (entries[self.click], "clicked",
                                               GLib.Variant("i", 0), 0))
                self.call(service, menu, MENU, "Event", data, None)
            self.call(service, "/StatusNotifierItem", ITEM, "Activate",
                      GLib.Variant("(ii)", (0, 0)), None)
            say("activated")
        except (GLib.Error, KeyError) as error:
            say("failed:", error)
        return False


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    host = Host(bus, sys.argv[1] if len(sys.argv) > 1 else None)
    node = Gio.DBusNodeInfo.new_for_xml(XML)
    bus.register_object("/StatusNotifierWatcher", node.interfaces[0], host.on_method,
                        host.on_property, None)
    owned = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "RequestName", GLib.Variant("(su)", (WATCHER, 4)),
                          GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000, None)
    if owned.unpack()[0] != 1:
        sys.exit("could not own " + WATCHER)
    say("ready")
    GLib.MainLoop().run()


main()
