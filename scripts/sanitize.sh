#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer, warnings as
# errors, in build-sanitize/, and runs the whole test suite there as an ordinary user, so that the
# tests of folders the user may not write run instead of being skipped. Started as root, it makes
# the user orvan-tester and runs itself as that user on a copy of the checkout in their home.
# Needs scripts/setup.sh to have installed the packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ]; then
    tester=orvan-tester
    id "$tester" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$tester"
    home=$(getent passwd "$tester" | cut -d: -f6)
    copy="$home/orvan"
    # What an earlier run left goes first; the corpus copy and some test folders are read-only.
    for old in "$copy" "$home/shared"; do
        [ ! -e "$old" ] || { chmod -R u+w "$old" && rm -rf "$old"; }
    done
    runuser -u "$tester" -- mkdir -p "$copy"
    # The checkout without its build trees; the RTF corpus beside it goes along for its test.
    tar --exclude='./build*' -cf - . | runuser -u "$tester" -- tar -xf - -C "$copy"
    if [ -d ../shared/rtf-corpus ]; then
        runuser -u "$tester" -- mkdir -p "$home/shared"
        tar -C ../shared -cf - rtf-corpus | runuser -u "$tester" -- tar -xf - -C "$home/shared"
    fi
    status=0
    runuser -u "$tester" -- env -C "$copy" bash scripts/sanitize.sh || status=$?
    # The artefacts of failed tests are wanted where the checkout is.
    rm -rf build-sanitize-artefacts
    [ -d "$copy/build-sanitize/e2e-artefacts" ] &&
        cp -r "$copy/build-sanitize/e2e-artefacts" build-sanitize-artefacts
    exit "$status"
fi

# The preset "sanitize" (CMakePresets.json) builds with clang, the sanitizers and warnings as errors.
cmake --preset sanitize
cmake --build --preset sanitize
# The test preset sets the sanitizers' options: every finding ends its test; Qt's own libraries
# are not instrumented, so what they keep until the process ends is theirs
# (scripts/sanitize-leaks.supp).
ctest --preset sanitize
