# Shared by the installation tests (sourced): checks that an installed tree
# holds the program, its desktop entry, its project file type and its icons.

ICON_SIZES="16 22 24 32 48 64 128 256"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

pass() {
    echo "PASS: $*"
}

# The width and height in a PNG's header, as "W H".
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}

# The value of KEY in the [Desktop Entry] group of a desktop entry.
desktop_value() {
    sed -n "s/^$2=//p" "$1" | head -n 1
}

# check_layout PREFIX: the files under PREFIX (e.g. /usr inside an unpacked
# package, or the folder given to cmake --install --prefix).
check_layout() {
    root=$1
    for program in pelmora pelmora-cli; do
        if [ -f "$root/bin/$program" ] && [ -x "$root/bin/$program" ]; then
            pass "bin/$program"
        else
            fail "bin/$program is missing or not executable"
        fi
    done

    desktop="$root/share/applications/pelmora.desktop"
    mime="$root/share/mime/packages/pelmora.xml"
    [ -f "$desktop" ] && pass "share/applications/pelmora.desktop" || fail "no desktop entry"
    [ -f "$mime" ] && pass "share/mime/packages/pelmora.xml" || fail "no MIME package"
    [ -f "$desktop" ] && [ -f "$mime" ] || return 0

    # The desktop entry's icon and project file type are what the package
    # installs: the icons of both in every size, the type in the MIME package.
    program_icon=$(desktop_value "$desktop" Icon)
    mime_type=$(desktop_value "$desktop" MimeType | tr -d ';')
    grep -q "<mime-type type=\"$mime_type\">" "$mime" \
        && pass "the MIME package declares $mime_type" \
        || fail "the desktop entry's MimeType=$mime_type is not declared in $mime"
    type_icon=$(echo "$mime_type" | tr / -)
    hicolor="$root/share/icons/hicolor"
    for icon in "apps/$program_icon" "mimetypes/$type_icon"; do
        before=$failures
        [ -f "$hicolor/scalable/$icon.svg" ] || fail "no scalable/$icon.svg"
        for size in $ICON_SIZES; do
            png="$hicolor/${size}x$size/$icon.png"
            if [ ! -f "$png" ]; then
                fail "no ${size}x$size/$icon.png"
            elif [ "$(png_size "$png")" != "$size $size" ]; then
                fail "${size}x$size/$icon.png is $(png_size "$png") pixels"
            fi
        done
        [ "$failures" -ne "$before" ] || pass "icon $icon: SVG and PNGs of $ICON_SIZES pixels"
    done
}
