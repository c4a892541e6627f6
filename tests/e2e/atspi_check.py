#!/usr/bin/python3
# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#
# Run by atspi_check.sh with the program on screen: reads its LEDs through AT-SPI, the way a
# screen reader does, and presses one. Exits non-zero with a message at the first surprise.
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find(node, name, role=None, depth=0):
    if node is None or depth > 12:
        return None
    if node.name == name and (role is None or node.getRoleName() == role):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), name, role, depth + 1)
        if found is not None:
            return found
    return None


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


apps = [app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Glimmerview"]
if not apps:
    fail("Glimmerview is not on the accessibility bus")
matrix = find(apps[0], "LED matrix")
if matrix is None:
    fail("no LED matrix")
if matrix.childCount != 256:
    fail("the matrix has %d children, not 256" % matrix.childCount)
led = matrix.getChildAtIndex(37)
if led.name != "Row 3, column 11" or led.getRoleName() != "check box":
    fail("child 37 is %r, a %s" % (led.name, led.getRoleName()))
if checked(led):
    fail("an unlit LED reads as checked")
action = led.queryAction()
if [action.getName(i) for i in range(action.nActions)] != ["Press"]:
    fail("the LED cannot be pressed")
action.doAction(0)
for _ in range(50):
    if checked(led):
        break
    time.sleep(0.1)
else:
    fail("a pressed LED does not read as lit")
strip = find(apps[0], "Preview strip")
if strip is None or strip.childCount != 16:
    fail("no preview strip of 16 LEDs")
print("ok: 256 matrix LEDs and 16 preview LEDs, named, checked when lit, pressable")

# The clock reads as the rate it plays at, not as the slider's position.
clock = find(apps[0], "Clock", "slider")
if clock is None:
    fail("no clock slider named Clock")
value = clock.queryValue()
if (value.currentValue, value.minimumValue, value.maximumValue) != (11, 1, 20):
    fail("the clock reads %r in %r..%r, not 11 rows a second in 1..20"
         % (value.currentValue, value.minimumValue, value.maximumValue))


def wait_for(condition, what):
    for _ in range(50):
        if condition():
            return
        time.sleep(0.1)
    fail(what)


# The overview's pages: a list of 64 items, each "Page n" with its lit LEDs, the shown page the
# selected item, and the page the arrows reach the focused one.
pages = find(apps[0], "Pages", "list")
if pages is None or pages.childCount != 64:
    fail("the overview's pages are no list of 64 items")
first, second = pages.getChildAtIndex(0), pages.getChildAtIndex(1)
if (first.name, first.description) != ("Page 1", "1 lit LED") or second.name != "Page 2":
    fail("the first pages read %r (%r) and %r" % (first.name, first.description, second.name))
if not first.getState().contains(pyatspi.STATE_SELECTED) or second.getState().contains(pyatspi.STATE_SELECTED):
    fail("the shown page is not the one selected")
x, y, width, height = first.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=False)
wait_for(lambda: first.getState().contains(pyatspi.STATE_FOCUSED), "a clicked page is not the focused item")
subprocess.run(["xdotool", "key", "Right"], check=False)
wait_for(lambda: second.getState().contains(pyatspi.STATE_FOCUSED), "the arrow does not move the focused item")
subprocess.run(["xdotool", "key", "Return"], check=False)
wait_for(lambda: second.getState().contains(pyatspi.STATE_SELECTED)
         and not first.getState().contains(pyatspi.STATE_SELECTED), "a chosen page is not the selected item")
print("ok: the overview's 64 pages, named and described, selected and focused as shown")

def press(title, keys):
    # As a user types: the window takes the focus, then the keys come from the keyboard (XTEST).
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           capture_output=True, text=True).stdout.split()
    if not found:
        fail("no window titled %s" % title)
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False)


def open_window(keys, name):
    press("Glimmerview FINAL Version$", keys)  # "Untitled* — " before it once an LED was pressed
    for _ in range(50):
        found = [w for w in apps[0] if w is not None and w.name == name]
        if found:
            return found[0]
        time.sleep(0.1)
    fail("no %s window" % name)


# The comparison speaks: a finished comparison and F8 raise a notification with what the status
# line says, and an LED that differs says so.
heard = []


def heard_notification(event):
    try:
        if event.detail1 == 1 and event.source.getRoleName() == "notification":
            heard.append(event.source.name)
    except GLib.Error:
        pass  # an object gone meanwhile (the file dialog's)


def listen(until, what):
    context = GLib.MainContext.default()
    for _ in range(100):
        while context.iteration(False):
            pass
        if until():
            return
        time.sleep(0.05)
    fail(what)


pyatspi.Registry.registerEventListener(heard_notification, "object:state-changed:showing")
reference = os.path.join(tempfile.mkdtemp(), "all-off.bin")
with open(reference, "wb") as file:
    file.write(b"\xff" * 2048)
press("Glimmerview FINAL Version$", "ctrl+d")
time.sleep(1)  # the file dialog, its name box focused
subprocess.run(["xdotool", "type", "--delay", "20", reference], check=False)
subprocess.run(["xdotool", "key", "Return"], check=False)
listen(lambda: "1 page differs, 1 LED" in heard, "a finished comparison says nothing (heard %r)" % heard)
press("Glimmerview FINAL Version$", "F8")
listen(lambda: len(heard) >= 2 and heard[-1] == "1 page differs, 1 LED", "F8 says nothing (heard %r)" % heard)
wait_for(lambda: led.description == "differs from the reference"
         and matrix.getChildAtIndex(36).description == "", "a differing LED does not say so")
print("ok: the comparison's result and F8 are spoken, and a differing LED says so")



# The Options buttons say which column they colour and in what colour, and follow a change.
options = open_window("alt+o", "Options")
first = find(options, "Column 16: red")
if first is None or find(options, "Off LED: ring") is None:
    fail("the colour buttons are not named by column and colour")
first.queryAction().doAction(0)
for _ in range(50):
    if first.name == "Column 16: green":
        break
    time.sleep(0.1)
else:
    fail("a changed colour button still reads %r" % first.name)
press("^Options$", "Escape")
time.sleep(0.5)

# The About window: its text is read, not edited, and Close can be reached.
about = open_window("alt+a", "About")
description = find(about, "Description")
if description is None or description.getState().contains(pyatspi.STATE_EDITABLE):
    fail("the About text is no read-only text named Description")
close = find(about, "Close")
if close is None or not close.getState().contains(pyatspi.STATE_FOCUSABLE):
    fail("the About window's Close button cannot take the focus")
for picture in ("Picture of an LED string", "Glimmerview icon"):
    if find(about, picture) is None:
        fail("no picture named %r" % picture)
print("PASS: the clock's rate, the named colour buttons and the About window read as they should")
