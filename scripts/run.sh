#!/usr/bin/env bash
# Sets everything up and starts Orvan's lookup window on the sample lexicon.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
medium=build/medium
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Orvan is a desktop program and needs a graphical session (DISPLAY is not set)." >&2
    echo "Without one, look words up with: build/tools/cli/orvan-cli -C $medium search engine" >&2
    exit 1
fi
# Data paths are relative to the program's folder, so it starts there.
cd "$medium"
exec ./orvan
