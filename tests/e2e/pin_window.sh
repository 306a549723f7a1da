#!/bin/sh
# A person keeping the window above the others: starts the real program on the sample medium,
# clicks the pin and checks that the window asks the window manager to keep it above the others
# (_NET_WM_STATE_ABOVE); a second click takes that back. Run on a display of its own
# (with_xvfb.sh).
# Usage: pin_window.sh ORVAN MEDIUM_FOLDER
set -eu
program=$1
medium=$2
. "$(dirname "$0")/start_orvan.sh"
start_orvan "$program" "$medium"
sleep 0.5

# The state the window asks for, after the window shows again.
state() {
    sleep 0.8
    shown=$(xdotool search --onlyvisible --name '^Orvan$' | head -n 1)
    xprop -id "$shown" _NET_WM_STATE
}
pin() {
    shown=$(xdotool search --onlyvisible --name '^Orvan$' | head -n 1)
    xdotool mousemove --window "$shown" 530 231 click 1
}

pin
above=$(state)
echo "after one click: $above"
echo "$above" | grep -q _NET_WM_STATE_ABOVE || { echo "the window is not kept above" >&2; exit 1; }
pin
normal=$(state)
echo "after two clicks: $normal"
if echo "$normal" | grep -q _NET_WM_STATE_ABOVE; then
    echo "the window is still kept above" >&2
    exit 1
fi
