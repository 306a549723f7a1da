# Read by the person-level scripts: starts the real program in a medium folder, with a home of
# its own, and waits for its window. Sets `home` (removed when the script ends), `pid` and
# `window`. The start screen is left out (the settings say "NO") unless START_SCREEN=1, when
# `window` is the start screen.
# Usage: start_orvan PROGRAM MEDIUM_FOLDER
. "$(dirname "$0")/person_steps.sh"
start_orvan() {
    home=$(mktemp -d)
    pid=
    trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
    if [ "${START_SCREEN:-0}" != 1 ]; then
        mkdir -p "$home/.config"
        printf 'NO\r\n' >"$home/.config/Orvan.ini"
    fi
    cd "$2"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" "$1" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvan$' | head -n 1)
    [ -n "$window" ] || { echo "no window titled Orvan appeared" >&2; exit 1; }
}
