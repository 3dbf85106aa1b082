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

# Every file with its mode, and every folder above it; beside the program whatever app/beside holds.
lib=usr/lib/games/quendo
for f in usr/games/quendo $lib/{Quendo,libquendo_audio.so,libquendo_speech.so} \
    $lib/{deutsch,english,español,français,italiano,portuguesa,svenska}/quendo.dat \
    usr/share/applications/quendo.desktop usr/share/doc/quendo/{changelog.gz,copyright} \
    usr/share/icons/hicolor/256x256/apps/quendo.png usr/share/man/man6/quendo.6.gz \
    usr/share/metainfo/org.example.quendo.metainfo.xml $(cd "$top/app/beside" && find . -type f -printf "$lib/%P "); do
    case "$f" in
    usr/games/quendo) echo "lrwxrwxrwx $f" ;;
    */Quendo) echo "-rwxr-xr-x $f" ;;
    *) echo "-rw-r--r-- $f" ;;
    esac
    while f=$(dirname "$f") && [ "$f" != . ]; do echo "drwxr-xr-x $f/"; done
done | LC_ALL=C sort -u -k2 >"$work/expected.txt"
dpkg-deb -c "$deb" | awk '{ sub("^\\./", "", $6) } $6 != "" { print $1 " " $6 }' | LC_ALL=C sort -k2 >"$out/contents.txt"
diff -u "$work/expected.txt" "$out/contents.txt" || fail "the package holds other files (see above)"

# Runtime packages only, each as dpkg-shlibdeps found it for the linked libraries.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/ //g' | sort | tr '\n' ' ')
[ "$names" = "libc6 libgcc-s1 libqt6core6 libqt6gui6 libqt6multimedia6 libqt6printsupport6 libqt6texttospeech6 libqt6widgets6 libstdc++6 " ] ||
    fail "the package depends on: $names"
# Reading aloud speaks through speech-dispatcher: recommended, not needed to play.
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng" ] ||
    fail "the package recommends: $(dpkg-deb -f "$deb" Recommends)"
echo "$depends" | grep -q 'libqt6core6 (>= 6\.' && echo "$depends" | grep -q 'libc6 (>= 2\.' ||
    fail "no minimum Qt or C library version: $depends"

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/org.example.quendo.metainfo.xml" \
    >"$out/appstream.txt" 2>&1 || fail "the metainfo does not validate: $(cat "$out/appstream.txt")"
[ "$(readlink -f "$work/root/usr/games/quendo")" = "$work/root/$lib/Quendo" ] ||
    fail "the quendo command does not lead to the program"
grep -qx 'Exec=quendo' "$work/root/usr/share/applications/quendo.desktop" ||
    fail "the menu entry does not start the quendo command"
! ldd "$work/root/$lib/Quendo" "$work/root/$lib/libquendo_audio.so" "$work/root/$lib/libquendo_speech.so" |
    grep 'not found' || fail "libraries missing"

# Debian's checks: lintian on the package, desktop-file-validate on the menu entry it installs.
# Any error or warning fails; lintian's notes (I:) are only kept in its log.
desktop-file-validate "$work/root/usr/share/applications/quendo.desktop" >"$out/desktop.txt" 2>&1 &&
    [ ! -s "$out/desktop.txt" ] || fail "desktop-file-validate: $(cat "$out/desktop.txt")"
lintian --fail-on error,warning --display-info "$deb" >"$out/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$out/lintian.txt")"
echo "package $(basename "$deb") checked: $(wc -l <"$out/contents.txt") entries; Depends: $depends"
