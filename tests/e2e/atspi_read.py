# SPDX-License-Identifier: MIT
# Reads an application's accessibility tree from the AT-SPI bus, as a screen reader does.
# Usage: atspi_read.py tree <application>
#            one line per object: indent, role, then name, description and text, "|"-separated
#        atspi_read.py watch <application> <seconds>
#            prints "ready", then each text change of the application's objects, as
#            "object:text-changed:insert|<role>|<name>|<the text inserted or deleted>"
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    names = [desktop.get_child_at_index(i).get_name() for i in range(desktop.get_child_count())]
    sys.exit(f"no application {name!r} on the bus, only {names}")


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def one_line(text):
    return text.replace("\n", "\\n")


def tree(node, depth=0):
    fields = [node.get_role_name(), node.get_name(), node.get_description(), text_of(node)]
    print("  " * depth + "|".join(one_line(f or "") for f in fields))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            tree(child, depth + 1)


def watch(name, seconds):
    def changed(event):
        try:
            source = event.source
            if source.get_application().get_name() != name:
                return
            print("|".join([event.type, source.get_role_name(), source.get_name(),
                            one_line(str(event.any_data))]), flush=True)
        except GLib.GError:
            pass  # the object went before it could be read

    listener = Atspi.EventListener.new(changed)
    listener.register("object:text-changed")
    GLib.timeout_add(int(seconds * 1000), Atspi.event_quit)
    print("ready", flush=True)
    Atspi.event_main()


def main():
    Atspi.init()
    command, name = sys.argv[1], sys.argv[2]
    if command == "tree":
        tree(application(name))
    elif command == "watch":
        watch(name, float(sys.argv[3]))
    else:
        sys.exit(f"unknown command {command!r}")


main()
