#!/bin/sh
# Runs a command on a display of its own: a fresh Xvfb server (keyboard layout English (US)),
# with Qt on X11, and a runtime folder of its own. The server ends with the command.
set -eu
number_file=$(mktemp)
# A runtime folder of its own too: the program's windows meet there (a second start hands its
# words to the window running), and tests that run side by side must not meet.
runtime=$(mktemp -d)
chmod 700 "$runtime"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$number_file"; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
done
[ -s "$number_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$number_file")"
# The program's Greek interface, whatever the desktop's language.
ORVAN_LANGUAGE=el
XDG_RUNTIME_DIR=$runtime
export DISPLAY ORVAN_LANGUAGE XDG_RUNTIME_DIR
QT_QPA_PLATFORM=xcb "$@"
