#!/bin/sh
# A person types Greek in the window, under a window manager, on a copy of the sample medium.
# With the layouts English (US) and Greek: the flag switches to Greek; another program given the
# focus types in the person's layout again, the window brings its Greek back, and when the
# program ends the person's layout is back. With English (US) alone: the flag types Greek through
# the program's own Greek keyboard, "uermothta" giving θερμοτητα. Run on a display of its own
# (with_xvfb.sh).
# Usage: greek_typing.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
mkdir -p "$3"
program=$(realpath "$1")
medium=$(realpath "$2")
artefacts=$(realpath "$3")
. "$(dirname "$0")/person_steps.sh"
work=$(mktemp -d)
pid=
manager=
other=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; [ -z "$other" ] || kill "$other" 2>/dev/null || true; [ -z "$manager" ] || kill "$manager" 2>/dev/null || true; rm -rf "$work"' EXIT
shots="$artefacts/greek_typing"

fail() {
    echo "$*" >&2
    import -window root "${shots}_failed.png" 2>/dev/null || true
    exit 1
}

command -v xsel >/dev/null || fail "xsel is not installed"
start_window_manager

# The keyboard group the X server types in now (0 the first layout), as XkbGetState tells it.
group() {
    python3 - <<'EOF'
import ctypes
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
display = x11.XOpenDisplay(None)
state = (ctypes.c_ubyte * 32)()  # XkbStateRec begins with the effective group
x11.XkbGetState(ctypes.c_void_p(display), 0x100, state)
print(state[0])
EOF
}
group_is() { [ "$(group)" = "$1" ]; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

search_text() { search_field_text "$window"; }
click_flag() { xdotool mousemove --window "$window" 28 21 click 1; }
# Starts the program again on the same copy and gives its window the focus.
start_again() {
    "$copy/orvan" &
    pid=$!
    window=$(window_named '^Orvan$')
    [ -n "$window" ] || fail "the program did not start again"
    xdotool windowactivate --sync "$window"
    window_settles "$window"
}

# English (US) and Greek, as set on the desktop. (The server's own rules add keys above the
# X keyboard's range, which it refuses: the two layouts' keys alone.)
setxkbmap -layout us,gr -symbols "pc+us+gr:2" || fail "the layouts could not be set"
group_is 0 || fail "the X server does not start in the first layout"

start_on_copy "$program" "$medium"
[ -n "$window" ] || fail "no window titled Orvan appeared"
xdotool windowactivate --sync "$window"
window_settles "$window"
wait_until group_is 0 || fail "the window did not keep the English layout"
click_flag
wait_until group_is 1 || fail "the flag did not switch to the Greek layout"
window_settles "$window"
import -window "$window" "${shots}_greek_layout.png"

# Another program gets the focus: it types in the person's layout again.
display -title "another program" -size 300x200 xc:white &
other=$!
another=$(window_named '^another program')
[ -n "$another" ] || fail "the other program's window did not appear"
xdotool windowactivate --sync "$another"
wait_until active "$another" || fail "the other program did not get the focus"
wait_until group_is 0 || fail "the person's layout did not come back with another program"
# The window comes back with its Greek.
xdotool windowactivate --sync "$window"
wait_until group_is 1 || fail "the window did not bring its Greek layout back"
# The program ends: the person's layout is back.
wmctrl -i -c "$window"
wait "$pid" || fail "the program did not end when its window was closed"
pid=
wait_until group_is 0 || fail "the person's layout did not come back at the end"
# Started again while the person types Greek, the program starts in Greek.
xdotool windowactivate --sync "$another"
python3 - <<'EOF'
import ctypes
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
display = ctypes.c_void_p(x11.XOpenDisplay(None))
x11.XkbLockGroup(display, 0x100, 1)
x11.XFlush(display)
EOF
wait_until group_is 1 || fail "the Greek layout could not be chosen"
start_again
group_is 1 || fail "started in the Greek layout, the window switched it to English"
xdotool type --delay 100 "θερ"
[ "$(search_text)" = "θερ" ] || fail "the window started in Greek typed \"$(search_text)\""
wmctrl -i -c "$window"
wait "$pid" || fail "the program did not end when its window was closed"
pid=

# English (US) alone: the flag types Greek through the program's own keyboard.
setxkbmap -layout us -symbols "pc+us" || fail "the layout could not be set"
start_again
click_flag
window_settles "$window"
xdotool type --delay 60 "uermothta"
window_settles "$window"
import -window "$window" "${shots}_own_keyboard.png"
[ "$(search_text)" = "θερμοτητα" ] ||
    fail "with the program's own Greek keyboard, uermothta typed \"$(search_text)\""
xdotool key --window "$window" ctrl+a BackSpace
xdotool type --delay 60 "uerm;othta"
[ "$(search_text)" = "θερμότητα" ] || fail "the tonos key typed \"$(search_text)\""
group_is 0 || fail "the program changed the person's only layout"

wmctrl -i -c "$window"
wait "$pid" || fail "the program did not end when its window was closed"
pid=
echo "the Greek layout followed the window and came back to the person's;" \
    "the program's own keyboard typed θερμοτητα; screenshots: ${shots}_*.png"
