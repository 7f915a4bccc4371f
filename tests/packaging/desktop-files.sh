#!/bin/sh
# The desktop entry and the MIME package as the desktop's own tools read them:
# desktop-file-validate, xmllint, and update-mime-database into a scratch
# database. Skipped (77) when the tools are not installed.
#   desktop-files.sh PACKAGING_FOLDER
set -eu
src=$1
. "$(dirname "$0")/layout.sh"

for tool in desktop-file-validate xmllint update-mime-database; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"
        exit 77
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop="$src/pelmora.desktop"
mime="$src/pelmora-mime.xml"

# The desktop entry: valid, started with one file, filed under Office and
# Finance, with its texts in English and Portuguese.
if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else fail "desktop-file-validate"; fi
[ "$(desktop_value "$desktop" Exec)" = "pelmora %f" ] && pass "Exec=pelmora %f" || fail "Exec is not 'pelmora %f'"
[ "$(desktop_value "$desktop" Categories)" = "Office;Finance;" ] && pass "Categories" || fail "Categories"
[ "$(desktop_value "$desktop" Icon)" = "pelmora" ] && pass "Icon" || fail "Icon is not pelmora"
for key in GenericName Comment; do
    for lang in pt_BR pt; do
        [ -n "$(desktop_value "$desktop" "$key\\[$lang\\]")" ] && pass "$key[$lang]" || fail "no $key[$lang]"
    done
done

# The MIME package and the icons: well-formed XML.
for xml in "$mime" "$src"/icons/*.svg; do
    if xmllint --noout "$xml"; then pass "xmllint $(basename "$xml")"; else fail "xmllint $xml"; fi
done

# What the package declares: the type the desktop entry opens, the glob, and
# the magic rule on the first key field ("nfsize" padded to 13 characters).
type=$(xmllint --xpath "string(//*[local-name()='mime-type']/@type)" "$mime")
[ "$type;" = "$(desktop_value "$desktop" MimeType)" ] && pass "MimeType=$type;" || fail "the desktop entry opens another type than $type"
match="//*[local-name()='magic']/*[local-name()='match']"
[ "$(xmllint --xpath "string($match/@offset)" "$mime")" = 0 ] || fail "the magic rule is not at offset 0"
[ "$(xmllint --xpath "string($match/@type)" "$mime")" = string ] || fail "the magic rule is not a string match"
[ "$(xmllint --xpath "string($match/@value)" "$mime")" = "nfsize       " ] || fail "the magic string is not 'nfsize' and 7 blanks"
pass "magic: string 'nfsize       ' at offset 0"

# Compiled by the tool that the desktop's database is built with: no
# complaint, and the glob and the magic land in the database.
mkdir -p "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/pelmora.xml"
XDG_DATA_HOME=$scratch update-mime-database "$scratch/mime" >"$scratch/update.log" 2>&1 || fail "update-mime-database failed"
if [ -s "$scratch/update.log" ]; then
    cat "$scratch/update.log" >&2
    fail "update-mime-database complained"
fi
grep -qx "50:$type:\*\.vlx" "$scratch/mime/globs2" && pass "glob *.vlx compiled" || fail "no *.vlx glob in the database"
grep -aq "nfsize       " "$scratch/mime/magic" && pass "magic compiled" || fail "no magic rule in the database"
grep -qx "$type text/plain" "$scratch/mime/subclasses" && pass "a kind of text/plain" || fail "not a subclass of text/plain"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
