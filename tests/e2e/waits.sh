# Waiting for the program in the person-level scripts (sourced by them, on their display).

# Waits (up to 20 s) for a visible window whose title matches; prints its id.
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Waits (up to 20 s) until a command succeeds.
wait_until() {
    for _ in $(seq 200); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
