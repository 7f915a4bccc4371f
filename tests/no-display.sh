#!/bin/sh
# The program started where no display can be opened: one plain line that
# names pelmora-cli, exit status 1, no abort. Runs in a scratch copy of the
# program folder, so no settings file is left behind.
set -u
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$program" "$scratch/pelmora"
status=0
for display in "" ":97"; do
    if [ -n "$display" ]; then
        output=$(cd "$scratch" && env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb ./pelmora 2>&1 </dev/null)
    else
        output=$(cd "$scratch" && env -u WAYLAND_DISPLAY -u DISPLAY QT_QPA_PLATFORM=xcb ./pelmora 2>&1 </dev/null)
    fi
    rc=$?
    lines=$(printf '%s\n' "$output" | wc -l)
    case "$output" in
    "pelmora: cannot open a window: "*"use pelmora-cli.") ;;
    *) echo "display '$display': unexpected output: $output"; status=1 ;;
    esac
    [ "$rc" -eq 1 ] || { echo "display '$display': exit status $rc, wanted 1"; status=1; }
    [ "$lines" -eq 1 ] || { echo "display '$display': $lines lines"; status=1; }
done
exit $status
