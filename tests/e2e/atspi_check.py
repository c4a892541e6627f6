#!/usr/bin/python3
# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#
# Run by atspi_check.sh with the program on screen: reads its LEDs through AT-SPI, the way a
# screen reader does, and presses one. Exits non-zero with a message at the first surprise.
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find(node, name, depth=0):
    if node is None or depth > 12:
        return None
    if node.name == name:
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), name, depth + 1)
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
print("PASS: 256 matrix LEDs and 16 preview LEDs, named, checked when lit, pressable")
