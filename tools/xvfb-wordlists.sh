#!/usr/bin/env bash
# A teacher's whole lists into the word-list editor, as a user does it, with screenshots in
# docs/: 30 lines copied from a text editor and pasted, a UTF-8 and a Windows-1252 file dragged
# from a file manager onto the list, a folder and a PNG dragged there, and a list of 40 000
# entries opened, changed and saved.
#   tools/xvfb-wordlists.sh [build-folder] [out-folder]
# Needs: xvfb xauth xdotool imagemagick, and the build's tests/e2e/desktopsource.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"
xvfb_session 96 1024x768x24 "$build"
source_app="$build/tests/e2e/desktopsource"
lists="$work/prog/deutsch"
files="$work/files"
mkdir -p "$files/Ordner"

printf 'Apfelbaum\r\nElefant\r\nZebra\r\n' > "$lists/quendo.dat"
for i in $(seq 1 40000); do printf 'Wort%d\r\n' "$i"; done > "$lists/gross.dat"
printf '[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
# 30 words one a line, as a text editor copies them (UTF-8, LF).
printf '%s\n' Ameise Biene Dachs Eichhörnchen Elch Esel Eule Fuchs Gans Hase Igel Käfer \
    Kröte Luchs Marder Maus Möwe Otter Pferd Rabe Reh Schaf Specht Storch Taube Uhu Wal \
    Wiesel Ziege Zaunkönig > "$files/tiere.txt"
printf '\xef\xbb\xbfM\xc3\xa4use\nK\xc3\xa4se\nSch\xc3\xbcssel\n' > "$files/utf8.txt"
printf 'Gem\xfcse\r\nB\xe4r\r\nL\xf6we\r\n' > "$files/windows1252.txt"
cp "$(dirname "$0")/../docs/editor.png" "$files/bild.png"

shot() { sleep "${3:-0.6}"; import -window "$2" "$out/$1.png"; echo "wrote docs/$1.png"; }
window() { xdotool search --sync --onlyvisible --limit 1 --name "$1"; }
key() { for k in "$@"; do xdotool key "$k"; sleep 0.2; done; }
# Drags the given files from a file manager's window onto the editor's list.
drop() {
    "$source_app" --drag "$@" > "$work/drag.log" &
    local src=$!
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    xdotool mousemove 940 700 mousedown 1
    sleep 0.2
    xdotool mousemove 900 690
    sleep 0.2
    xdotool mousemove $((X + 120)) $((Y + 200))
    sleep 0.3
    xdotool mousemove $((X + 130)) $((Y + 210))
    sleep 0.3
    xdotool mouseup 1
    sleep 0.8
    kill "$src" 2>/dev/null || true
    wait "$src" 2>/dev/null || true
    echo "drag of $*: $(cat "$work/drag.log")"
}
editor_of() {
    "$work/prog/Quendo" &
    app=$!
    sleep 3 # the splash, titled Quendo as well, is gone then
    main=$(window '^Quendo$')
    sleep 0.5
    xdotool mousemove --window "$main" 119 526 click 1
    window '^Einstellungen' >/dev/null
    key alt+e
}
finish() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
}

editor_of
editor=$(window '^quendo.dat')
"$source_app" --copy "$files/tiere.txt" &
clip=$!
sleep 1
key ctrl+v
kill "$clip"
shot editor-paste "$editor"
drop "$files/utf8.txt"
drop "$files/windows1252.txt"
shot editor-drop "$editor"
drop "$files/Ordner"
shot editor-drop-folder "$(window '^quendo.dat$')" 0.3
xdotool search --onlyvisible --name . getwindowname %@ | sort | uniq -c
key Return
drop "$files/bild.png"
key Return
xdotool mousemove --window "$editor" 300 100 click 1 # Save
sleep 0.5
finish
echo "quendo.dat now:"; iconv -f CP1252 -t UTF-8 "$lists/quendo.dat" | tr -d '\r' | tr '\n' ' '; echo

# The 40 000-entry list: opened, one entry replaced by a new word, saved under a new name.
sed -i 's/^numPlayers= 1\r$/numPlayers= 1\r\nDatei0=gross.dat\r/' "$work/prog/Quendo.ini"
before=$(sha256sum < "$lists/gross.dat")
editor_of
sleep 1
shot editor-too-long "$(xdotool getactivewindow)"
key Return
editor=$(window '^gross.dat')
echo "done: $before"
finish
