#!/usr/bin/env bash
# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
# atspi_check.sh PROGRAM: in an X server and a D-Bus session of their own, starts the
# accessibility bus and the program, and lets atspi_check.py read it as a screen reader would.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "${pid:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$program" "$work/Glimmerview" # a folder of its own for its settings file
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
XDG_STATE_HOME="$work/state" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/Glimmerview" &
pid=$!
xdotool search --sync --onlyvisible --name "^Glimmerview FINAL Version$" >/dev/null
sleep 1 # its accessibility tree registered
/usr/bin/python3 "$here/atspi_check.py"
