#!/bin/sh
# cmake --install into a scratch prefix, then the installed programs as a user
# meets them: pelmora-cli; and the program started the way the desktop entry
# starts it (Exec=pelmora %f) on a project file, once in a program folder it
# may write (the portable layout: the settings file appears next to it) and
# once in one it may not (a system-wide install: it starts all the same).
#   install.sh CMAKE BUILD_FOLDER
set -eu
cmake=$1
build=$2
. "$(dirname "$0")/layout.sh"

scratch=$(mktemp -d)
chmod 755 "$scratch"
prefix="$scratch/Pelmora"
program_pid=""
cleanup() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi
check_layout "$prefix"

# The help document, when the build makes one, goes next to the program.
if [ -f "$build/app/Valorix.pdf" ]; then
    [ -f "$prefix/bin/Valorix.pdf" ] && pass "bin/Valorix.pdf" || fail "Valorix.pdf is not installed next to the program"
fi

# A straight install refreshes the desktop's database of file types.
if command -v update-mime-database >/dev/null 2>&1; then
    grep -qx '50:application/x-pelmora-project:\*\.vlx' "$prefix/share/mime/globs2" \
        && pass "the MIME database under the prefix knows *.vlx" \
        || fail "cmake --install did not refresh share/mime"
fi

# A project as the program saves it; the folder's name has a blank, as the
# desktop passes %f as one argument.
mkdir -m 755 "$scratch/My projects"
project="$scratch/My projects/Plant.vlx"
printf '%s\r\n' 'nfsize        8 ' 'nFix          2 ' 'n             2 ' 'i             10 ' \
    'PV            0 ' 'PMT           0 ' 'FV            0 ' 'escala        0 ' 'rows          8 ' \
    'CFa00        (1,000.00)' 'CFa01        700.00' 'CFa02        500.00' \
    'CFb00        (1,500.00)' 'CFb01        700.00' 'CFb02        1,200.00' >"$scratch/Plant.vlx"

# pelmora-cli from the prefix, in the user's locale.
cli() {
    env -u LC_ALL -u LC_NUMERIC -u LANGUAGE LANG=en_US.UTF-8 "$prefix/bin/pelmora-cli" "$@" </dev/null
}
cli solve pmt --pv 10000 --n 10 --i 6 | grep -qx 'PMT=1,358.68' \
    && pass "pelmora-cli solve pmt: PMT=1,358.68" || fail "pelmora-cli solve pmt does not give PMT=1,358.68"
cli appraise "$scratch/Plant.vlx" | grep -q '^NPV;49.59;78.51;128.10' \
    && pass "pelmora-cli appraise Plant.vlx" || fail "pelmora-cli appraise Plant.vlx"

# open_as_desktop_entry LABEL [COMMAND TO RUN AS ANOTHER USER...]
# Starts the program from the desktop entry's Exec line with %f the project.
# The program's document log names each project file it has opened, so the
# program must open that very path; it must then still run.
exec_line=$(desktop_value "$prefix/share/applications/pelmora.desktop" Exec)
open_as_desktop_entry() {
    label=$1
    shift
    cp "$scratch/Plant.vlx" "$project"
    chmod 644 "$project"
    for word in $exec_line; do
        if [ "$word" = "%f" ]; then set -- "$@" "$project"; else set -- "$@" "$word"; fi
    done
    env -u LC_ALL LANG=en_US.UTF-8 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
        QT_LOGGING_RULES="pelmora.documents.info=true" \
        PATH="$prefix/bin:$PATH" "$@" >"$scratch/program.log" 2>&1 </dev/null &
    program_pid=$!
    opened=""
    for _ in $(seq 40); do
        if grep -qxF "pelmora.documents: $project opened" "$scratch/program.log"; then
            opened=yes
            break
        fi
        sleep 0.5
    done
    if [ -n "$opened" ]; then
        sleep 1
        if kill -0 "$program_pid" 2>/dev/null; then
            pass "$label: the program opened the project given as %f and runs"
        else
            cat "$scratch/program.log" >&2
            fail "$label: the program ended after opening the project"
        fi
    else
        cat "$scratch/program.log" >&2
        fail "$label: the program did not open the project given as %f"
    fi
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

[ "$(PATH="$prefix/bin:$PATH" command -v "${exec_line%% *}")" = "$prefix/bin/pelmora" ] \
    || fail "the desktop entry's Exec does not start $prefix/bin/pelmora"

# Portable layout: the program folder is the user's; start-up creates the
# settings file there.
runtime="$scratch/runtime"
mkdir -m 700 "$runtime"
open_as_desktop_entry "writable program folder"
[ -f "$prefix/bin/Valorix.ini" ] && pass "Valorix.ini in the program folder" \
    || fail "no Valorix.ini in the writable program folder"
rm -f "$prefix/bin/Valorix.ini"

# System-wide layout: the program folder is read-only to the user. As root,
# run as nobody (root writes anywhere); otherwise take the write bits away.
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null 2>&1 && id nobody >/dev/null 2>&1; then
        as_user="setpriv --reuid=$(id -u nobody) --regid=$(id -g nobody) --clear-groups"
        chmod -R a+rX "$prefix"
        runtime="$scratch/runtime-nobody"
        mkdir -m 700 "$runtime"
        chown nobody "$runtime"
    else
        echo "SKIP: read-only program folder (running as root without setpriv or user nobody)"
        runtime=""
    fi
else
    chmod a-w "$prefix/bin"
fi
if [ -n "$runtime" ]; then
    # shellcheck disable=SC2086
    if $as_user sh -c ': >"$1/probe"' sh "$prefix/bin" 2>/dev/null; then
        fail "the program folder is writable after all"
    fi
    # shellcheck disable=SC2086
    open_as_desktop_entry "read-only program folder" $as_user
    [ ! -e "$prefix/bin/Valorix.ini" ] && pass "no settings file in the read-only folder" \
        || fail "a settings file appeared in the read-only folder"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
