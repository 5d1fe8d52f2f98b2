#!/usr/bin/python3
"""Reads the running program over the accessibility bus as a screen reader does, and fails
unless what a user must hear is there: the clock's time, a US report's humidity, wind gust and
conditions, the first line of a help topic, and in the webcam window the chosen cam and the
status line. Drives the program only through the bus (focus and press actions)."""
import re
import subprocess
import sys
import time

import pyatspi

DEADLINE = time.monotonic() + 60


def fail(message):
    print("atspi: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=20):
    end = min(time.monotonic() + seconds, DEADLINE)
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail("gave up waiting for " + what)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def app(name="Orvane"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == name:
            return a
    return None


def first_line(node):
    t = node.queryText()
    return t.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip()


KEYSYMS = {"Down": 0xFF54, "Return": 0xFF0D}


def key(name):
    """A key pressed and released, as from the keyboard (XTest through the registry)."""
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)
    time.sleep(0.3)


def named(root, pattern, role=None):
    for node in walk(root):
        try:
            if re.fullmatch(pattern, node.name or "") and (role is None or node.getRole() == role):
                return node
        except Exception:
            continue
    return None


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def press(node):
    """Presses through the action interface; False when the node went away meanwhile."""
    try:
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)
        return True
    except Exception:
        return False


def main():
    root = wait_for("the program on the bus", app)
    clock = wait_for("the clock", lambda: named(root, r"Clock \d{1,2}:\d\d(:\d\d)?( [AP]M)?"))
    print("atspi: clock read as %r" % clock.name)

    # A US report: the place field focused (which enables its button), then the button pressed.
    zip_field = wait_for("the US place field", lambda: named(root, r"Ex: 80917.*"))
    zip_field.queryComponent().grabFocus()
    wait_for("Get US Weather pressed",
             lambda: press(named(root, "Get US Weather", pyatspi.ROLE_PUSH_BUTTON)))
    # Offline, the program asks first; yes, go on.
    yes = wait_for("a report or a question", lambda: named(root, "Humidity .+") or named(root, "&?Yes", pyatspi.ROLE_PUSH_BUTTON), 10)
    if yes.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        wait_for("Yes pressed", lambda: press(named(root, "&?Yes", pyatspi.ROLE_PUSH_BUTTON)))
    # Each value is heard with its caption, once the report has filled it.
    for caption in ("Humidity", "Wind Gust", "Conditions"):
        pattern = re.escape(caption) + r" (?!n/a$|picture$).+"
        value = wait_for(caption, lambda p=pattern: named(root, p))
        print("atspi: %s read as %r" % (caption, value.name))

    # The help program's topic pane: a document read line by line.
    wait_for("Help started", lambda: press(named(root, "Help", pyatspi.ROLE_MENU_ITEM)))
    help_app = wait_for("the help program on the bus", lambda: app("OrvaneHelp"))
    pane = wait_for("the help text", lambda: named(help_app, "Help text"))
    if pane.getRole() == pyatspi.ROLE_LABEL:
        fail("the help text is exposed as a label")
    tree = wait_for("the help topics", lambda: named(help_app, "Help topics"))
    tree.queryComponent().grabFocus()
    for k in ("Down", "Down", "Return"):  # the first branch's first topic
        key(k)
    line = wait_for("a topic's first line",
                    lambda: (lambda l: l if l and not l.startswith("Choose") else None)(first_line(pane)))
    print("atspi: help topic's first line read as %r" % line)

    # The webcam window: the chosen cam by name, and the status line.
    wait_for("WebCams shown", lambda: press(named(root, "Show WebCams", pyatspi.ROLE_MENU_ITEM)))
    wait_for("the webcam window", lambda: named(root, "ORVANE WebCam", pyatspi.ROLE_FRAME))
    # Brought over the help program as Alt+Tab would (the bus cannot switch windows).
    # A search can trip over a window closing meanwhile (BadWindow): it is tried again.
    wait_for("the webcam window activated", lambda: subprocess.run(
        ["xdotool", "search", "--name", "^ORVANE WebCam$", "windowactivate", "--sync"],
        timeout=10, check=False, stderr=subprocess.DEVNULL).returncode == 0)
    cams = wait_for("the cam list", lambda: named(root, "Cams"))
    time.sleep(0.5)
    cams.queryComponent().grabFocus()
    wait_for("the cam on the list", lambda: named(cams, "Harbour"))

    def chosen():
        node = named(cams, "Harbour")
        return node if node and node.getState().contains(pyatspi.STATE_SELECTED) else None

    for _ in range(6):  # down the list to the cam
        if chosen():
            break
        key("Down")
    selected = wait_for("the chosen cam", chosen)
    print("atspi: chosen cam read as %r" % selected.name)
    status = wait_for("the status line", lambda: named(root, r".*(Refresh|Download|Cannot|Ready|connect).*", pyatspi.ROLE_LABEL))
    print("atspi: status line read as %r" % status.name)
    print("atspi: ok")


if __name__ == "__main__":
    main()
