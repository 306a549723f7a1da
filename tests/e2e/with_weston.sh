#!/bin/sh
# Runs a command on a Wayland display of its own: a fresh headless weston (keyboard layout
# English (US)) in a runtime folder of its own, with Qt on its Wayland platform and no X display
# to fall back on. The compositor ends with the command, however the command ends.
# Usage: with_weston.sh COMMAND [ARGUMENT...]
set -eu
# The runtime folder holds the compositor's socket, and the program's windows meet there (a
# second start hands its words to the window running): tests that run side by side must not
# meet. Wayland wants it private to the user.
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=orvan-test-wayland
log=$runtime/weston.log
compositor=
stop() {
    if [ -n "$compositor" ]; then
        kill "$compositor" 2>/dev/null || true
        wait "$compositor" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
show_log() {
    echo "--- weston's log ($log):" >&2
    cat "$log" >&2 2>/dev/null || echo "(no log)" >&2
}

command -v weston >/dev/null 2>&1 || {
    echo "weston is not installed: the Wayland tests cannot run (scripts/setup.sh installs it)" >&2
    exit 1
}
# The layout is named for the compositor: Latin key codes come through as a US keyboard types
# them, whatever the machine's own layout.
XDG_RUNTIME_DIR=$runtime XKB_DEFAULT_LAYOUT=us XKB_DEFAULT_VARIANT= XKB_DEFAULT_OPTIONS= \
    weston --backend=headless-backend.so --use-pixman --width=1280 --height=800 \
    --socket="$socket" --idle-time=0 --no-config --log="$log" </dev/null >/dev/null 2>&1 &
compositor=$!
# The socket appears once the compositor takes clients; it takes a few tenths of a second.
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.1
done
if ! [ -S "$runtime/$socket" ] || ! kill -0 "$compositor" 2>/dev/null; then
    echo "weston did not start a Wayland display" >&2
    show_log
    exit 1
fi

# The program's Greek interface, whatever the desktop's language.
ORVAN_LANGUAGE=el
XDG_RUNTIME_DIR=$runtime
WAYLAND_DISPLAY=$socket
QT_QPA_PLATFORM=wayland
export ORVAN_LANGUAGE XDG_RUNTIME_DIR WAYLAND_DISPLAY QT_QPA_PLATFORM
# The headless compositor has no seat, and Qt's text-input support (weston offers its first
# version) reaches for the missing seat's device at the first key a field takes: the test display
# asks only for a version weston does not offer. Real desktops have a seat.
QT_WAYLAND_TEXT_INPUT_PROTOCOL=zwp_text_input_v2
export QT_WAYLAND_TEXT_INPUT_PROTOCOL
unset DISPLAY
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the command ended with $status" >&2
    show_log
fi
exit "$status"
