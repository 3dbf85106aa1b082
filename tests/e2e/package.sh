#!/usr/bin/env bash
# Makes the Debian package and checks it: its files, its dependencies (runtime packages only),
# its AppStream metainfo and menu entry, and Debian's own package checks.
#   package.sh BUILD-FOLDER
set -euo pipefail
build="$(cd "$1" && pwd)"
top="$(cd "$(dirname "$0")/../.." && pwd)"
out="$build/e2e/package"
rm -rf "$out" "$build"/quendo_*.deb
mkdir -p "$out"
work=$(mktemp -d /tmp/quendo-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --build "$build" --target package >"$out/package.log" 2>&1 ||
    fail "the package was not made: $(tail -5 "$out/package.log")"
debs=("$build"/quendo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "not exactly one package: ${debs[*]}"
deb="${debs[0]}"
[ "$(basename "$deb")" = "quendo_1.31.555_amd64.deb" ] || fail "package named $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{ print $1 " " $6 ($7 == "->" ? " -> " $8 : "") }' >"$out/contents.txt"
cat >"$work/expected.txt" <<'LIST'
drwxr-xr-x ./usr/
drwxr-xr-x ./usr/games/
lrwxrwxrwx ./usr/games/quendo -> ../lib/games/quendo/Quendo
drwxr-xr-x ./usr/lib/
drwxr-xr-x ./usr/lib/games/
drwxr-xr-x ./usr/lib/games/quendo/
-rwxr-xr-x ./usr/lib/games/quendo/Quendo
drwxr-xr-x ./usr/lib/games/quendo/deutsch/
-rw-r--r-- ./usr/lib/games/quendo/deutsch/quendo.dat
drwxr-xr-x ./usr/lib/games/quendo/english/
-rw-r--r-- ./usr/lib/games/quendo/english/quendo.dat
drwxr-xr-x ./usr/lib/games/quendo/español/
-rw-r--r-- ./usr/lib/games/quendo/español/quendo.dat
drwxr-xr-x ./usr/lib/games/quendo/français/
-rw-r--r-- ./usr/lib/games/quendo/français/quendo.dat
drwxr-xr-x ./usr/lib/games/quendo/italiano/
-rw-r--r-- ./usr/lib/games/quendo/italiano/quendo.dat
-rw-r--r-- ./usr/lib/games/quendo/libquendo_audio.so
drwxr-xr-x ./usr/lib/games/quendo/portuguesa/
-rw-r--r-- ./usr/lib/games/quendo/portuguesa/quendo.dat
drwxr-xr-x ./usr/lib/games/quendo/svenska/
-rw-r--r-- ./usr/lib/games/quendo/svenska/quendo.dat
drwxr-xr-x ./usr/share/
drwxr-xr-x ./usr/share/applications/
-rw-r--r-- ./usr/share/applications/quendo.desktop
drwxr-xr-x ./usr/share/doc/
drwxr-xr-x ./usr/share/doc/quendo/
-rw-r--r-- ./usr/share/doc/quendo/changelog.gz
-rw-r--r-- ./usr/share/doc/quendo/copyright
drwxr-xr-x ./usr/share/icons/
drwxr-xr-x ./usr/share/icons/hicolor/
drwxr-xr-x ./usr/share/icons/hicolor/256x256/
drwxr-xr-x ./usr/share/icons/hicolor/256x256/apps/
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/quendo.png
drwxr-xr-x ./usr/share/man/
drwxr-xr-x ./usr/share/man/man6/
-rw-r--r-- ./usr/share/man/man6/quendo.6.gz
drwxr-xr-x ./usr/share/metainfo/
-rw-r--r-- ./usr/share/metainfo/org.example.quendo.metainfo.xml
LIST
# Beside the program: whatever app/beside holds, as it is laid out there.
(cd "$top/app/beside" && find . -mindepth 1 -printf '%y %P\n') | while read -r type path; do
    [ "$type" = d ] && echo "drwxr-xr-x ./usr/lib/games/quendo/$path/" ||
        echo "-rw-r--r-- ./usr/lib/games/quendo/$path"
done >>"$work/expected.txt"
LC_ALL=C sort -k2 -o "$work/expected.txt" "$work/expected.txt"
LC_ALL=C sort -k2 "$out/contents.txt" | diff -u "$work/expected.txt" - ||
    fail "the package holds other files (see above)"

# Runtime packages only, each as dpkg-shlibdeps found it for the linked libraries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" >"$out/depends.txt"
names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/ //g' | sort | tr '\n' ' ')
[ "$names" = "libc6 libgcc-s1 libqt6core6 libqt6gui6 libqt6multimedia6 libqt6printsupport6 libqt6widgets6 libstdc++6 " ] ||
    fail "the package depends on: $names"
echo "$depends" | grep -q 'libqt6core6 (>= 6\.' || fail "no minimum Qt version: $depends"
echo "$depends" | grep -q 'libc6 (>= 2\.' || fail "no minimum C library version: $depends"

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/org.example.quendo.metainfo.xml" \
    >"$out/appstream.txt" 2>&1 || fail "the metainfo does not validate: $(cat "$out/appstream.txt")"
[ "$(readlink -f "$work/root/usr/games/quendo")" = "$work/root/usr/lib/games/quendo/Quendo" ] ||
    fail "the quendo command does not lead to the program"
grep -qx 'Exec=quendo' "$work/root/usr/share/applications/quendo.desktop" ||
    fail "the menu entry does not start the quendo command"
for elf in usr/lib/games/quendo/Quendo usr/lib/games/quendo/libquendo_audio.so; do
    ! ldd "$work/root/$elf" | grep -q 'not found' || fail "$elf misses libraries: $(ldd "$work/root/$elf")"
done

# Debian's checks: lintian on the package, desktop-file-validate on the menu entry it installs.
# Any error or warning fails; lintian's notes (I:) are only kept in its log.
desktop-file-validate "$work/root/usr/share/applications/quendo.desktop" >"$out/desktop.txt" 2>&1 &&
    [ ! -s "$out/desktop.txt" ] || fail "desktop-file-validate: $(cat "$out/desktop.txt")"
lintian --fail-on error,warning --display-info "$deb" >"$out/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$out/lintian.txt")"
echo "package $(basename "$deb") checked: $(wc -l <"$out/contents.txt") entries; Depends: $depends"
