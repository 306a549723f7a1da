#!/bin/sh
# The Debian package as a person gets it: made by cpack from a built tree, installed with apt,
# its files and their permissions checked, orvan-cli run from a terminal, its manual page read,
# the program started the way its menu entry starts it, by an ordinary user with a new home on a
# display of its own, where the read-only medium offers installation and installs into the home;
# then the package purged. Whatever happens, the machine is left as it was found: the package and
# every package apt brought with it are purged again. Run as root on Debian 12.
# Usage: deb_package.sh [BUILD_DIR]      (default: the repository's build/)
set -eu
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The part on the display (run through with_xvfb.sh): the program started as the desktop entry
# says, as the user nobody, with HOME in the folder given.
if [ "${1:-}" = --on-display ]; then
    entry=$2 home=$3 artefacts=$4
    # The entry's main group (its action has an Exec of its own).
    main_group() { sed -n "/^\[Desktop Entry\]/,/^\[Desktop Action/ s/^$1=//p" "$entry"; }
    folder=$(main_group Path)
    program=$(main_group Exec)
    # The entry starts a plain path, without arguments, quotes or field codes.
    case "$program" in /*" "* | *[\"\'%\\]* | "") fail "unexpected Exec=$program" ;; esac
    pid=
    trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
    . "$here/person_steps.sh"
    messages_shown() {
        [ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -ge 2 ]
    }
    (cd "$folder" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_RUNTIME_DIR="$home/.runtime" "$program") &
    pid=$!
    screen=$(window_named '^Orvan$')
    [ -n "$screen" ] || fail "the program started as its desktop entry says showed no window"
    xdotool windowfocus --sync "$screen"
    window_settles "$screen"
    import -window "$screen" "$artefacts/deb_package_start_screen.png"
    # On the read-only medium the start screen's install picture asks for a folder.
    install_through_start_screen "$screen" "$home/Orvan" ||
        fail "the packaged medium did not offer installation"
    wait_until messages_shown || fail "the installation into the home did not say how it went"
    window_settles root
    import -window root "$artefacts/deb_package_installed.png"
    xdotool key Return
    [ -x "$home/Orvan/orvan" ] && [ "$(stat -c %a "$home/Orvan/orvan")" = 755 ] &&
        cmp -s "$folder/data/lex.tbo" "$home/Orvan/data/lex.tbo" ||
        fail "the medium's program and lexicon were not installed into $home/Orvan"
    [ "$(stat -c %U "$home/Orvan/orvan")" = nobody ] || fail "the installed copy is not the user's"
    desktop-file-validate "$home/.local/share/applications/Orvan.desktop" ||
        fail "the installed copy's desktop entry is not valid"
    echo "ok: the menu entry started the program in $folder; it installed itself into the home"
    exit 0
fi

[ "$(id -u)" = 0 ] || fail "run as root: the package is installed with apt-get"
build=$(cd "${1:-$here/../../build}" && pwd) || fail "no build folder ${1:-}"
[ -f "$build/CPackConfig.cmake" ] || fail "$build is not a configured build tree"
if dpkg-query -W -f='${Status}' orvan 2>/dev/null | grep -q "install ok installed"; then
    fail "a package orvan is installed already; it is left alone"
fi
artefacts="$build/e2e-artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
chmod 755 "$work"
# Qt's runtime folder too, so that nothing is left in /tmp.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
installed_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}
installed_packages >"$work/before"
we_installed=no
cleanup() {
    status=$?
    if [ "$we_installed" = yes ]; then
        # The packages apt brought with orvan go too (known once its installation ended).
        [ -f "$work/brought" ] || installed_packages | comm -13 "$work/before" - >"$work/brought"
        apt-get purge -y -qq orvan >/dev/null 2>&1 || true
        grep -vx orvan "$work/brought" | xargs -r apt-get purge -y -qq >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
    if [ "$status" = 0 ]; then echo "PASS: deb_package"; else echo "FAIL: deb_package" >&2; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# The package.
rm -f "$build"/orvan_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack could not make the package"
}
set -- "$build"/orvan_*.deb
[ $# = 1 ] && [ -f "$1" ] || fail "cpack made no single orvan_*.deb in $build"
deb=$1
echo "ok: made $(basename "$deb") ($(du -h "$deb" | cut -f1))"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's Depends lack Qt: $(dpkg-deb -f "$deb" Depends)"

we_installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "apt-get could not install $deb"
}
installed_packages | comm -13 "$work/before" - >"$work/brought"
echo "ok: installed with apt-get, with $(grep -vcx orvan "$work/brought") more packages"

# Its files.
mode() { stat -c %a "$1"; }
medium=/usr/share/orvan
[ -f "$medium/orvan" ] && [ "$(mode "$medium/orvan")" = 555 ] ||
    fail "$medium/orvan is not a program without write permission"
[ "$(readlink /usr/bin/orvan)" = ../share/orvan/orvan ] || fail "/usr/bin/orvan does not lead to $medium/orvan"
[ -x /usr/bin/orvan-cli ] && [ -f /usr/lib/orvan/orvan-cli-print.so ] || fail "orvan-cli or its printing module is missing"
for file in data/i.tbo data/igr.tbo data/srt.tbo data/lex.tbo content/fil.tbo content/orvan.png; do
    [ -f "$medium/$file" ] && [ "$(mode "$medium/$file")" = 644 ] || fail "$medium/$file is missing or not 0644"
done
listed=$(tr -d '\r' <"$medium/content/fil.tbo" | grep -vc '\\$')
present=$(find "$medium/content" -type f | wc -l)
[ "$listed" = "$present" ] || fail "$present content files installed, the content list names $listed"
entry=$(dpkg -L orvan | grep '^/usr/share/applications/.*\.desktop$')
metainfo=$(dpkg -L orvan | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log" >&2
    fail "$metainfo is not valid"
}
[ "$(identify -format %wx%h /usr/share/icons/hicolor/48x48/apps/orvan.png)" = 48x48 ] ||
    fail "no 48-pixel icon"
grep -q '<svg' /usr/share/icons/hicolor/scalable/apps/orvan.svg || fail "no scalable icon"
copyright=/usr/share/doc/orvan/copyright
grep -q '^License: GPL-2+$' "$copyright" && grep -q '^License: CC-BY-SA-3.0$' "$copyright" ||
    fail "$copyright lacks the FreeDict licences"
echo "ok: files, modes, desktop entry, metainfo, icons, copyright"

# orvan-cli from a terminal, in a folder of no importance.
cd "$work"
orvan-cli -C "$medium" search engine >"$work/search.txt" || fail "orvan-cli search failed"
grep -q "$(printf '^[0-9][0-9]*\tengine$')" "$work/search.txt" ||
    fail "orvan-cli search engine did not list engine: $(head -n 3 "$work/search.txt")"
slot=$(awk -F '\t' '$2 == "engine" { print $1; exit }' "$work/search.txt")
orvan-cli -C "$medium" show "$slot" | head -n 1 | grep -q engine || fail "orvan-cli show $slot did not show engine"
orvan-cli -C "$medium" print "$slot" --pdf "$work/engine.pdf" || fail "orvan-cli print failed"
[ "$(head -c 4 "$work/engine.pdf")" = %PDF ] || fail "orvan-cli print wrote no PDF"
orvan-cli --help | head -n 1 | grep -q '^usage: orvan-cli' || fail "orvan-cli --help printed no usage"
LC_ALL=C man -P cat -l /usr/share/man/man1/orvan-cli.1.gz 2>/dev/null | grep -q 'byte-range' ||
    fail "the manual page does not read"
[ "$(man -w orvan-cli 2>/dev/null)" = /usr/share/man/man1/orvan-cli.1.gz ] ||
    fail "man does not find orvan-cli's page"
# From the root folder, with no -C: the installed lexicon is found, and the entry shown whole.
(cd / && orvan-cli look engine) >"$work/look.txt" || fail "orvan-cli look engine failed from /"
grep -qx engine "$work/look.txt" || fail "orvan-cli look engine did not show engine: $(head -n 4 "$work/look.txt")"
(cd / && orvan-cli --verbose search engine 2>&1 >/dev/null) | grep -q "lexicon in $medium/" ||
    fail "orvan-cli --verbose did not name $medium"
bash -n /usr/share/bash-completion/completions/orvan-cli && [ -f /usr/share/zsh/vendor-completions/_orvan-cli ] ||
    fail "orvan-cli's completions are not installed"
echo "ok: orvan-cli search, show, print, look from /, --help; man orvan-cli; completions"

# The program, as its desktop entry starts it, by an ordinary user.
home="$work/home"
mkdir -p "$home"
mkdir -m 700 "$home/.runtime"
chown -R nobody:nogroup "$home"
sh "$here/with_xvfb.sh" sh "$here/deb_package.sh" --on-display "$entry" "$home" "$artefacts"
echo "screenshots: $artefacts/deb_package_*.png"

# Purged, nothing of it stays.
cd /
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orvan >"$work/apt.log" 2>&1 ||
    fail "apt-get could not purge orvan"
for path in "$medium" /usr/bin/orvan /usr/bin/orvan-cli /usr/lib/orvan "$entry" "$metainfo" \
    /usr/share/doc/orvan; do
    [ ! -e "$path" ] && [ ! -L "$path" ] || fail "$path stayed after the purge"
done
echo "ok: purged"
