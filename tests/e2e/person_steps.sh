# What the person-level scripts do alike on their display: waiting for a window or a condition,
# starting the program on a copy of the medium with a personal folder, and installing from the
# start screen (sourced by them).

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

# Waits (up to 10 s) until the window WINDOW (an id, or root) has stopped changing: two pictures
# of it taken a tenth of a second apart are the same. For the steps whose only sign of having
# been handled is what the window shows. A window that is gone or hidden has nothing more to
# show (and a picture of it would wait for it to show again).
window_settles() {
    settle=$(mktemp -d)
    last=
    for _ in $(seq 100); do
        shown "$1" && timeout 5 import -window "$1" "$settle/now.png" 2>/dev/null || break
        if [ -n "$last" ] &&
            [ "$(compare -metric AE "$settle/last.png" "$settle/now.png" null: 2>&1)" = 0 ]; then
            break
        fi
        mv "$settle/now.png" "$settle/last.png"
        last=1
        sleep 0.1
    done
    rm -rf "$settle"
    # Settled, gone, or still changing after 10 s: the step's own check says which.
    return 0
}
# Whether the window WINDOW (an id, or root) is on the screen.
shown() {
    [ "$1" = root ] || xwininfo -id "$1" 2>/dev/null | grep -q IsViewable
}

# Whether no visible window's title matches.
no_window_named() {
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# Clicks the install picture of the start screen SCREEN and, in the folder dialog it opens, types
# FOLDER and confirms. Fails when no folder dialog opens.
install_through_start_screen() {
    xdotool mousemove --window "$1" 16 426 click 1
    dialog=$(window_named 'Επιλογή φακέλου για εγκατάσταση λεξικού')
    [ -n "$dialog" ] || return 1
    xdotool windowfocus --sync "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
}

# Starts PROGRAM on a copy of the medium MEDIUM in the folder $work, with a home whose settings
# skip the start screen and name an empty personal folder, so that nothing the program does
# reaches the build's medium or the real home. Sets copy, personal, pid and window (empty when no
# window came) and leaves the script in the copy.
start_on_copy() {
    copy="$work/medium"
    cp -R "$2" "$copy"
    personal="$work/personal"
    mkdir -p "$work/home/.config" "$personal"
    printf 'NO\r\n%s\r\n' "$personal" >"$work/home/.config/Orvan.ini"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    cd "$copy"
    "$1" &
    pid=$!
    window=$(window_named '^Orvan$')
}

# Starts a window manager (jwm), as every desktop has one to frame, focus, maximise and close
# the windows; sets manager to its process. Fails (the script's own fail) without one.
start_window_manager() {
    command -v jwm >/dev/null || fail "no window manager (jwm) is installed"
    jwm >/dev/null 2>&1 &
    manager=$!
    wait_until xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 ||
        fail "the window manager did not start"
}

# What the search field of the window WINDOW holds, as its Ctrl+L (select the field) and Ctrl+C
# give it through the clipboard.
search_field_text() {
    xsel --clipboard --clear
    xdotool key --window "$1" ctrl+l ctrl+c
    wait_until sh -c '[ -n "$(xsel --clipboard --output)" ]' || true
    xsel --clipboard --output
}
