#!/usr/bin/python3
"""Reads the running tarvik window over AT-SPI, as a screen reader does, and works it: the
frame, the fields named by their labels, the buttons by their captions, and the message
after a calculation without solution, announced as a notification, and gone after Clear.
A notification and not an alert, since that is the role whose showing Orca speaks."""
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION = "\u300090°堰の越流高さ"
FIELDS = ["流量(L/min)", "解の挟込最小値(mm)", "最大値(mm)", "越流高さ(mm)", "Trial回数"]
BUTTONS = ["計算", "クリヤ"]
MESSAGE = "解がありません。挟込範囲を変更して下さい。"


def frame_of_tarvik(seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            for window in app or []:
                if window is not None and window.name == CAPTION:
                    return window
        time.sleep(0.5)
    sys.exit(f"a11y check: no window named {CAPTION!r} on the AT-SPI bus")


def children(node):
    return [child for child in node if child is not None]


def by_role(frame, role):
    return {child.name: child for child in children(frame) if child.getRole() == role}


def press(button):
    button.queryAction().doAction(0)


def listen_while(action, seconds=3):
    """The AT-SPI events about notifications heard while `action` runs, as (type, name)."""
    heard = []

    def note(event):
        source = event.source
        if source is not None and source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append((event.type, source.name))

    pyatspi.Registry.registerEventListener(note, "object:state-changed:showing",
                                           "object:children-changed")
    GLib.timeout_add(100, lambda: action() and False)
    GLib.timeout_add(seconds * 1000, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(note, "object:state-changed:showing",
                                             "object:children-changed")
    return heard


def main():
    failures = []

    def expect(held, what):
        if not held:
            failures.append(what)

    frame = frame_of_tarvik()
    expect(frame.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG),
           f"the window's role is {frame.getRoleName()}, not a frame")
    fields = by_role(frame, pyatspi.ROLE_TEXT)
    buttons = by_role(frame, pyatspi.ROLE_PUSH_BUTTON)
    expect(sorted(fields) == sorted(FIELDS), f"the fields are named {sorted(fields)}")
    expect(sorted(buttons) == sorted(BUTTONS), f"the buttons are named {sorted(buttons)}")
    if failures:
        sys.exit("a11y check:\n  " + "\n  ".join(failures))

    for name, text in zip(FIELDS, ["1000", "200", "500"]):
        fields[name].queryEditableText().setTextContents(text)
    heard = listen_while(lambda: press(buttons["計算"]))
    notifications = by_role(frame, pyatspi.ROLE_NOTIFICATION)
    expect(list(notifications) == [MESSAGE],
           f"after Calculate the notifications are {list(notifications)}")
    expect(any(name == MESSAGE for _, name in heard),
           f"the message was not announced; heard {heard}")

    press(buttons["クリヤ"])

    def cleared():
        return (not by_role(frame, pyatspi.ROLE_NOTIFICATION),
                all(field.queryText().getText(0, -1) == "" for field in fields.values()))

    deadline = time.monotonic() + 5
    while not all(cleared()) and time.monotonic() < deadline:
        time.sleep(0.2)
    message_gone, fields_empty = cleared()
    expect(message_gone, "the message stays after Clear")
    expect(fields_empty, "Clear left a field with text")

    if failures:
        sys.exit("a11y check:\n  " + "\n  ".join(failures))
    print(f"a11y check: passed; heard {heard}")


main()
