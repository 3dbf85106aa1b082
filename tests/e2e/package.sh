#!/usr/bin/env bash
# Makes the Debian package and checks it: its files, its dependencies (runtime packages only)
# and its AppStream metainfo.   package.sh BUILD-FOLDER
set -euo pipefail
build="$(cd "$1" && pwd)"
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
drwxr-xr-x ./usr/bin/
lrwxrwxrwx ./usr/bin/Quendo -> ../lib/quendo/Quendo
drwxr-xr-x ./usr/lib/
drwxr-xr-x ./usr/lib/quendo/
-rw-r--r-- ./usr/lib/quendo/LIESMICH.TXT
-rwxr-xr-x ./usr/lib/quendo/Quendo
-rw-r--r-- ./usr/lib/quendo/Quendo-en.html
-rw-r--r-- ./usr/lib/quendo/Quendo-es.html
-rw-r--r-- ./usr/lib/quendo/Quendo-fr.html
-rw-r--r-- ./usr/lib/quendo/Quendo-it.html
-rw-r--r-- ./usr/lib/quendo/Quendo-pt.html
-rw-r--r-- ./usr/lib/quendo/Quendo-sv.html
-rw-r--r-- ./usr/lib/quendo/Quendo.html
-rw-r--r-- ./usr/lib/quendo/README.TXT
drwxr-xr-x ./usr/lib/quendo/deutsch/
-rw-r--r-- ./usr/lib/quendo/deutsch/quendo.dat
drwxr-xr-x ./usr/lib/quendo/english/
-rw-r--r-- ./usr/lib/quendo/english/quendo.dat
drwxr-xr-x ./usr/lib/quendo/español/
-rw-r--r-- ./usr/lib/quendo/español/quendo.dat
drwxr-xr-x ./usr/lib/quendo/français/
-rw-r--r-- ./usr/lib/quendo/français/quendo.dat
drwxr-xr-x ./usr/lib/quendo/italiano/
-rw-r--r-- ./usr/lib/quendo/italiano/quendo.dat
-rw-r--r-- ./usr/lib/quendo/libquendo_audio.so
drwxr-xr-x ./usr/lib/quendo/portuguesa/
-rw-r--r-- ./usr/lib/quendo/portuguesa/quendo.dat
drwxr-xr-x ./usr/lib/quendo/svenska/
-rw-r--r-- ./usr/lib/quendo/svenska/quendo.dat
drwxr-xr-x ./usr/share/
drwxr-xr-x ./usr/share/applications/
-rw-r--r-- ./usr/share/applications/quendo.desktop
drwxr-xr-x ./usr/share/icons/
drwxr-xr-x ./usr/share/icons/hicolor/
drwxr-xr-x ./usr/share/icons/hicolor/256x256/
drwxr-xr-x ./usr/share/icons/hicolor/256x256/apps/
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/quendo.png
drwxr-xr-x ./usr/share/metainfo/
-rw-r--r-- ./usr/share/metainfo/org.example.quendo.metainfo.xml
LIST
diff -u "$work/expected.txt" "$out/contents.txt" || fail "the package holds other files (see above)"

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
[ "$(readlink -f "$work/root/usr/bin/Quendo")" = "$work/root/usr/lib/quendo/Quendo" ] ||
    fail "the Quendo command does not lead to the program"
for elf in usr/lib/quendo/Quendo usr/lib/quendo/libquendo_audio.so; do
    ! ldd "$work/root/$elf" | grep -q 'not found' || fail "$elf misses libraries: $(ldd "$work/root/$elf")"
done
echo "package $(basename "$deb") checked: $(wc -l <"$out/contents.txt") entries; Depends: $depends"
