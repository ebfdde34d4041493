#!/usr/bin/env python3
"""Lists what a screen reader finds in one window of a running program.

usage: atspi_list.py PID TITLE LABEL

Walks, over AT-SPI, the top-level window of process PID whose name matches the
regular expression TITLE, prints every showing control (role, name, states),
then "LABEL: N showing, M need a name, K unnamed" and each unnamed one. Exits 1
when a control lacks a name, 2 when the window cannot be found.

A control needs a name when it shows and either takes the focus or has a role
that the user operates (the INTERACTIVE roles below): that name is all a
screen reader says of it. Scroll bars are read by their orientation and need
none. The rows of a tree, list or table are named by their own text, so an
item view is checked but not walked into.
"""
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

INTERACTIVE = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "text", "entry", "password text", "spin button", "slider", "link",
    "tree", "tree table", "list", "list box", "table", "page tab",
    "page tab list", "tool bar", "split pane", "menu item", "check menu item",
    "radio menu item",
}
NAMED_BY_ITSELF = {"scroll bar"}
ITEM_VIEWS = {"tree", "tree table", "list", "list box", "table"}


def states_of(node):
    return {s.value_nick for s in node.get_state_set().get_states()}


def needs_name(role, states):
    if role in NAMED_BY_ITSELF:
        return False
    return role in INTERACTIVE or "focusable" in states


def walk(node, path, found):
    """Appends (path, role, name, states, needs a name) for each showing node."""
    states = states_of(node)
    if "showing" not in states:
        return
    role = node.get_role_name()
    name = (node.get_name() or "").strip()
    here = f"{path}/{name or role}"
    found.append((here, role, name, states, needs_name(role, states)))
    if role in ITEM_VIEWS:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, here, found)


def find_window(pid, title):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or app.get_process_id() != pid:
            continue
        for j in range(app.get_child_count()):
            window = app.get_child_at_index(j)
            if window is not None and re.search(title, window.get_name() or ""):
                if "showing" in states_of(window):
                    return window
    return None


def main():
    if len(sys.argv) != 4:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    pid, title, label = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    window = None
    for _ in range(50):  # the program registers its windows a moment after showing them
        window = find_window(pid, title)
        if window is not None:
            break
        time.sleep(0.2)
    if window is None:
        print(f"{label}: no window named /{title}/ over AT-SPI", file=sys.stderr)
        return 2
    found = []
    walk(window, "", found)
    print(f"--- {label}")
    for _, role, name, states, _ in found:
        print(f"  {role} | {name or '-'} | {' '.join(sorted(states))}")
    unnamed = [f for f in found if f[4] and not f[2]]
    print(f"{label}: {len(found)} showing, {sum(f[4] for f in found)} need a name, "
          f"{len(unnamed)} unnamed")
    for path, role, _, states, _ in unnamed:
        print(f"  unnamed {role} at {path}")
    return 1 if unnamed else 0


if __name__ == "__main__":
    sys.exit(main())
