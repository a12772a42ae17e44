#!/usr/bin/python3
# Prints the screen rectangle "x y width height" of the first
# accessible named NAME in the applications on the accessibility bus, or
# exits 1 when there is none. The real-window test clicks into it.
#
#   atspi_find.py NAME
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find(node, name, depth=0):
    if node is None or depth > 60:
        return None
    try:
        if node.get_name() == name:
            return node
        for i in range(node.get_child_count()):
            found = find(node.get_child_at_index(i), name, depth + 1)
            if found is not None:
                return found
    except gi.repository.GLib.Error:
        return None
    return None


def main():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        found = find(desktop.get_child_at_index(i), sys.argv[1])
        if found is not None:
            r = found.get_extents(Atspi.CoordType.SCREEN)
            print(r.x, r.y, r.width, r.height)
            return 0
    return 1


sys.exit(main())
