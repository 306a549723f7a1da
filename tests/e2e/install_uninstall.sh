#!/bin/sh
# A person installing the program from its read-only medium into a folder of their own, starting
# the installed copy the way its desktop entry says, and removing it again; once into an ordinary
# folder that also holds the user's own entries, once into a folder whose name a shell would
# misread. Checks the installed files, their permissions, the desktop entries, the settings, that
# a second installation into the same folder replaces nothing, that the installed copy offers
# uninstallation, and that the uninstallation removes exactly what was installed and is still as
# installed: a lexicon file the user changed stays (in the first round).
# Run on a display of its own (with_xvfb.sh).
# Usage: install_uninstall.sh MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
medium=$(cd "$1" && pwd)
artefacts=$2
mkdir -p "$artefacts"
artefacts=$(cd "$artefacts" && pwd)
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT

# The disc: a copy of the medium that nobody may write to.
disc="$work/disc"
cp -a "$medium" "$disc"
chmod -R a-w "$disc"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$work/.snap"
desktop="$HOME/Desktop"
applications="$XDG_DATA_HOME/applications"

fail() {
    echo "$*" >&2
    exit 1
}
. "$(dirname "$0")/person_steps.sh"
settings_say() {
    [ "$(cat "$XDG_CONFIG_HOME/Orvan.ini" 2>/dev/null)" = "$(printf 'YES\r\n%s\r' "$1")" ]
}
# Every file and folder under $work with its size, leaving out the installation's own places.
snapshot() {
    (cd "$work" && find . \( -path ./.snap -o -path "./home/Desktop" -o -path "./home/.config" -o \
        -path "./home/.local" -o -path "./home/$1" \) -prune -o -printf '%p %s\n' | sort)
}
# The value of KEY in a desktop entry's main group (its actions have an Exec of their own), its
# escapes undone.
entry_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[Desktop Action/ s/^$1=//p" "$2" | sed 's/\\s/ /g; s/\\\\/\\/g'
}
# The one argument of the Exec key: out of its double quotes, its escapes undone.
exec_argument() {
    entry_value Exec "$1" | sed 's/^"//; s/"$//; s/\\\([\\"`$]\)/\1/g; s/%%/%/g'
}

# Starts the program in a folder; sets pid and screen (the start screen).
start_in() {
    (cd "$1" && exec "$2") &
    pid=$!
    screen=$(window_named '^Orvan$')
    [ -n "$screen" ] || fail "no start screen appeared in $1"
    xdotool windowfocus --sync "$screen"
    window_settles "$screen"
}
stop_program() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

# Clicks the install picture, types the folder and confirms; answers the message at the end.
install_into() {
    install_through_start_screen "$screen" "$1" || fail "the install picture did not ask for a folder"
    # Its message is a second window titled "Orvan", beside the start screen.
    wait_until message_shown || fail "the installation did not say how it went"
    window_settles root
    import -window root "$artefacts/install_$2.png"
    xdotool key Return
    wait_until sh -c "! xdotool search --onlyvisible --name 'εγκατάσταση λεξικού' >/dev/null" ||
        fail "the folder dialog stayed open"
}
message_shown() {
    [ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -ge 2 ]
}
# Whether the process has ended (it may wait as a zombie for the shell to collect it).
ended() {
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null || echo gone)
    [ "$state" = Z ] || [ "$state" = gone ]
}

check_installed() {
    target=$1
    for file in data/i.tbo data/igr.tbo data/srt.tbo data/lex.tbo orvan; do
        cmp -s "$disc/$file" "$target/$file" || fail "$file was not installed"
    done
    [ -w "$target/orvan" ] && [ "$(stat -c %a "$target/orvan")" = 755 ] ||
        fail "the installed program is not writable by its owner"
    [ "$(stat -c %a "$target/data/i.tbo")" = "$(stat -c %a "$disc/data/i.tbo")" ] ||
        fail "the lexicon files did not keep their permissions"
    listed=$(tr -d '\r' <"$disc/content/fil.tbo" | grep -vc '\\$')
    copied=$(cd "$target/content" && find . -type f | wc -l)
    [ "$listed" = "$copied" ] || fail "$copied content files installed, $listed listed"
    for entry in "$desktop/Orvan.desktop" "$applications/Orvan.desktop"; do
        [ -x "$entry" ] || fail "no desktop entry $entry"
        desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
        [ "$(entry_value Path "$entry")" = "$target" ] || fail "$entry does not start in $target"
        [ "$(exec_argument "$entry")" = "$target/orvan" ] || fail "$entry does not start $target/orvan"
    done
}

one_round() {
    name=$1
    keep_own=$2
    target="$HOME/$name"
    mkdir -p "$HOME/$name-other"
    echo "not the program's" >"$HOME/$name-other/keep.txt"
    echo "not the program's" >"$HOME/keep.txt"
    snapshot "$name" >"$work/.snap/before"

    start_in "$disc" ./orvan
    install_into "$target" "$3"
    check_installed "$target"
    settings_say "$target" || fail "the settings do not name $target: $(od -c "$XDG_CONFIG_HOME/Orvan.ini")"

    # A second installation into the same folder replaces nothing and says so.
    chmod u+w "$target/data/lex.tbo"
    echo changed >"$target/data/lex.tbo"
    install_into "$target" "$3_again"
    [ "$(cat "$target/data/lex.tbo")" = changed ] || fail "a second installation replaced a file"
    stop_program
    [ -f "$target/installed.lst" ] || fail "the installation left no list of what it installed"
    if [ "$keep_own" = no ]; then
        # Put back as installed, the file is the installation's again.
        cp "$disc/data/lex.tbo" "$target/data/lex.tbo"
    fi

    # The installed copy, started as its desktop entry says, offers uninstallation.
    folder=$(entry_value Path "$desktop/Orvan.desktop")
    program=$(exec_argument "$desktop/Orvan.desktop")
    if [ "$keep_own" = yes ]; then
        for own in ci.tbo cigr.tbo clex.tbo content/mine.txt; do
            echo "the user's" >"$target/$own"
        done
    fi
    start_in "$folder" "$program"
    xdotool mousemove --window "$screen" 16 426 click 1
    confirm=$(window_named 'Απεγκατάσταση Λεξικού')
    [ -n "$confirm" ] || fail "the installed copy did not offer uninstallation"
    window_settles "$confirm"
    import -window root "$artefacts/uninstall_$3.png"
    xdotool windowfocus --sync "$confirm" 2>/dev/null || true
    xdotool key Return
    wait_until ended "$pid" || fail "the program did not end"
    wait "$pid" 2>/dev/null || true
    pid=
    wait_until sh -c "[ ! -e '$desktop/uninst.sh' ]" || fail "the uninstall script did not end"

    [ ! -e "$desktop/Orvan.desktop" ] && [ ! -e "$applications/Orvan.desktop" ] ||
        fail "a desktop entry stayed"
    if [ "$keep_own" = yes ]; then
        left=$(cd "$target" && find . | sort | tr '\n' ' ')
        [ "$left" = ". ./ci.tbo ./cigr.tbo ./clex.tbo ./content ./content/mine.txt ./data ./data/lex.tbo " ] ||
            fail "after uninstalling, $target holds: $left"
        [ "$(cat "$target/data/lex.tbo")" = changed ] || fail "the user's change was lost"
        rm -rf "$target"
    else
        [ ! -e "$target" ] || fail "$target stayed: $(cd "$target" && find .)"
    fi
    snapshot "$name" >"$work/.snap/after"
    diff "$work/.snap/before" "$work/.snap/after" || fail "files outside $target changed"

    [ -z "$(find "$work" /tmp -maxdepth 3 -name 'pwned*' 2>/dev/null)" ] || fail "a folder name ran"
    rm -rf "$HOME/$name-other" "$HOME/keep.txt"
    echo "round '$name': installed, installed again, uninstalled"
}

one_round "My Orvan" yes plain
one_round "-x ;\"\$(touch pwned)'\`touch pwned2\` & Orvan" no hostile
echo "screenshots: $artefacts/install_*.png $artefacts/uninstall_*.png"
