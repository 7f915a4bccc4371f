#!/bin/sh
# The packages as cpack makes them from the build: the .deb unpacked into a
# scratch root (dpkg -x) has the installed layout, depends on the Qt runtime
# packages and ships no cache or settings file; the source archive holds the
# tree without build folders or version control. Skipped (77) without dpkg-deb.
#   package.sh CPACK BUILD_FOLDER
set -eu
cpack=$1
build=$2
. "$(dirname "$0")/layout.sh"

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: dpkg-deb is not installed"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! (cd "$build" && "$cpack" -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
if grep -i -e 'warning' -e 'error' "$scratch/cpack.log" >&2; then
    fail "cpack warned"
fi
deb=$(ls "$scratch"/out/pelmora_*.deb)
pass "cpack made $(basename "$deb")"

dpkg-deb -x "$deb" "$scratch/root"
check_layout "$scratch/root/usr"

# Only files of the program: the caches belong to the system (the package
# manager's triggers rebuild them) and the settings file to the user's run.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$scratch/contents"
if grep -v -e '^\./usr/' -e '^\./$' "$scratch/contents" >&2; then
    fail "files outside /usr"
else
    pass "every file under /usr"
fi
if grep -e 'mime/mime\.cache' -e 'mime/globs' -e 'mimeinfo\.cache' -e 'icon-theme\.cache' -e 'Valorix\.ini' \
    "$scratch/contents" >&2; then
    fail "the package ships caches or a settings file"
else
    pass "no caches or settings file in the package"
fi

# Depends: the runtime package of every Qt library the executables link (as
# readelf lists them; the four the program cannot do without in any case),
# never a development package.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
linked=""
if command -v readelf >/dev/null 2>&1; then
    linked=$(readelf -d "$scratch/root/usr/bin/pelmora" "$scratch/root/usr/bin/pelmora-cli" \
        | sed -n 's/.*\[libQt6\([A-Za-z]*\)\.so\.6\]/\1/p' | tr 'A-Z' 'a-z' | sort -u)
fi
for module in $(printf "%s\n" core gui widgets charts $linked | sort -u); do
    package="libqt6${module}6"
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" && pass "depends on $package" \
        || fail "does not depend on $package"
done
echo "$depends" | grep -q -- '-dev\b' && fail "depends on a development package"

# The unpacked pelmora-cli runs (the package's binaries are stripped).
env -u LC_ALL -u LC_NUMERIC -u LANGUAGE LANG=en_US.UTF-8 \
    "$scratch/root/usr/bin/pelmora-cli" solve pmt --pv 10000 --n 10 --i 6 </dev/null | grep -qx 'PMT=1,358.68' \
    && pass "the packaged pelmora-cli gives PMT=1,358.68" || fail "the packaged pelmora-cli"

# The source archive.
if ! (cd "$build" && "$cpack" --config CPackSourceConfig.cmake -B "$scratch/src") >"$scratch/cpack-source.log" 2>&1; then
    cat "$scratch/cpack-source.log" >&2
    echo "FAIL: cpack source archive" >&2
    exit 1
fi
if grep -i -e 'warning' -e 'error' "$scratch/cpack-source.log" >&2; then
    fail "cpack warned making the source archive"
fi
archive=$(ls "$scratch"/src/pelmora-*.tar.gz)
tar -tzf "$archive" | sed 's|^[^/]*/||' >"$scratch/sources"
for file in CMakeLists.txt README.md scripts/setup-deps packaging/pelmora.desktop packaging/pelmora-mime.xml \
    packaging/icons/pelmora.svg tests/CMakeLists.txt; do
    grep -qx "$file" "$scratch/sources" || fail "the source archive lacks $file"
done
if grep -e '^build[^/]*/' -e '^\.git/' -e '_CPack_Packages' "$scratch/sources" >"$scratch/unwanted"; then
    head -n 5 "$scratch/unwanted" >&2
    fail "the source archive holds build folders or version control"
else
    pass "source archive $(basename "$archive"): the tree without build folders or .git"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
