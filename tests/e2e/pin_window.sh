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
window_settles "$window"

# The state the window asks for, once a window titled Orvan shows (again).
state() {
    shown=$(xdotool search --onlyvisible --name '^Orvan$' | head -n 1)
    [ -n "$shown" ] && xprop -id "$shown" _NET_WM_STATE
}
kept_above() { state | grep -q _NET_WM_STATE_ABOVE; }
not_kept_above() {
    asked=$(state) && ! echo "$asked" | grep -q _NET_WM_STATE_ABOVE
}
pin() {
    shown=$(xdotool search --onlyvisible --name '^Orvan$' | head -n 1)
    window_settles "$shown"
    xdotool mousemove --window "$shown" 530 231 click 1
}

pin
wait_until kept_above || true
above=$(state)
echo "after one click: $above"
echo "$above" | grep -q _NET_WM_STATE_ABOVE || { echo "the window is not kept above" >&2; exit 1; }
pin
wait_until not_kept_above || true
normal=$(state)
echo "after two clicks: $normal"
if echo "$normal" | grep -q _NET_WM_STATE_ABOVE; then
    echo "the window is still kept above" >&2
    exit 1
fi
