#!/usr/bin/env bash
# A teacher's whole lists into the word-list editor, as a user does it, with screenshots in
# docs/: 30 lines copied from a text editor and pasted, a UTF-8 and a Windows-1252 file dragged
# from a file manager onto the list, a folder and a PNG dragged there, a spreadsheet's CSV and a
# list with entries that cannot go in dragged there, and a list of 40 000 entries opened,
# changed and saved.
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
# 40 000 words of letters only (Wortaaaa, Wortbaaa, ...), so that the game can play them.
awk 'BEGIN { for (i = 0; i < 40000; i++) { w = "Wort"; n = i
    for (k = 0; k < 4; k++) { w = w sprintf("%c", 97 + n % 26); n = int(n / 26) }
    printf "%s\r\n", w } }' > "$lists/gross.dat"
printf '[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
# 30 words one a line, as a text editor copies them (UTF-8, LF).
printf '%s\n' Ameise Biene Dachs Eichhörnchen Elch Esel Eule Fuchs Gans Hase Igel Käfer \
    Kröte Luchs Marder Maus Möwe Otter Pferd Rabe Reh Schaf Specht Storch Taube Uhu Wal \
    Wiesel Ziege Zaunkönig > "$files/tiere.txt"
printf '\xef\xbb\xbfM\xc3\xa4use\nK\xc3\xa4se\nSch\xc3\xbcssel\n' > "$files/utf8.txt"
printf 'Gem\xfcse\r\nB\xe4r\r\nL\xf6we\r\n' > "$files/windows1252.txt"
cp "$(dirname "$0")/../docs/editor.png" "$files/bild.png"
# A spreadsheet's export where the comma is the decimal point: Windows-1252, semicolons, quotes.
printf 'Obst;Gem\xfcse;Tiere\r\nApfel;Karotte;"Hund"\r\nBirne;"Rote Bete";Katze\r\n' \
    > "$files/Tabelle.csv"
# A list as a text editor saves it, with a word longer than the board and a Polish city.
printf 'Berlin\nSchmetterlingsfl\xc3\xbcgelschlagrhythmus\n\xc5\x81\xc3\xb3d\xc5\xba\nWien\n' \
    > "$files/staedte.txt"

shot() { sleep "${3:-0.6}"; import -window "$2" "$out/$1.png"; echo "wrote docs/$1.png"; }
# The editor with a message box or question over it: the screen around the editor.
shot_over() {
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    local x=$((X > 150 ? X - 150 : 0)) y=$((Y > 40 ? Y - 40 : 0))
    import -window root -crop "720x400+$x+$y" +repage "$out/$1.png"
    echo "wrote docs/$1.png"
}
# A button or a row of the editor, by its place in the window.
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.3
}
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
shot_over editor-drop-folder
key Return
drop "$files/bild.png"
key Return
drop "$files/Tabelle.csv"
shot editor-drop-csv "$editor"
drop "$files/staedte.txt"
shot_over editor-left-out
key Return
click_at 355 174 # Save
sleep 0.5
finish
echo "quendo.dat now:"; iconv -f CP1252 -t UTF-8 "$lists/quendo.dat" | tr -d '\r' | tr '\n' ' '; echo

# The 40 000-entry list: opened, one entry deleted, a word added, saved under a new name.
printf '[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\nDatei0=gross.dat\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
before=$(sha256sum < "$lists/gross.dat")
"$work/prog/Quendo" &
app=$!
sleep 3
# The game's own report of the long list, if one shows, is answered Ignore.
if report=$(xdotool search --onlyvisible --limit 1 --name 'Fehler / Error'); then
    import -window "$report" "$out/game-overflow.png"
    echo "wrote docs/game-overflow.png"
    key alt+i
    sleep 1
fi
main=$(window '^Quendo$')
sleep 0.5
xdotool mousemove --window "$main" 119 526 click 1
window '^Einstellungen' >/dev/null
key alt+e
editor=$(window '^Einstellungen')
shot_over editor-too-long
key Return
editor=$(window '^gross.dat')
click_at 60 50   # the first entry
click_at 346 62  # Delete
click_at 150 18  # the entry box
xdotool type --delay 60 Zebrafink
key Return
click_at 355 174 # Save
shot_over editor-save-as
xdotool type --delay 60 Tiere
key Return
sleep 0.5
finish
after=$(sha256sum < "$lists/gross.dat")
echo "gross.dat unchanged: $([ "$before" = "$after" ] && echo yes || echo NO)"
echo "Tiere.dat: $(tr -d '\r' < "$lists/Tiere.dat" | wc -l) lines, Zebrafink: $(grep -c Zebrafink "$lists/Tiere.dat")"
