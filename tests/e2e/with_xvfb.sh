#!/bin/sh
# Runs a command on a display of its own: a fresh Xvfb server (keyboard layout English (US)),
# with Qt on X11. The server ends with the command.
set -eu
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
done
[ -s "$number_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$number_file")"
# The program's Greek interface, whatever the desktop's language.
ORVAN_LANGUAGE=el
export DISPLAY ORVAN_LANGUAGE
QT_QPA_PLATFORM=xcb "$@"
