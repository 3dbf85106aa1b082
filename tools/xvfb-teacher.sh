#!/usr/bin/env bash
# Takes the screenshots of the teacher's windows in docs/: the options dialog in German and in
# French, the password question, and the vocabulary editor with a list.
#   tools/xvfb-teacher.sh [build-folder] [out-folder]
# Needs: xvfb xauth xdotool imagemagick; openbox, when installed, draws the window titles.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"
xvfb_session 97 1024x768x24 "$build"
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    sleep 0.5
fi

# Windows-1252 word lists; the password is "Sonne", stored scrambled.
printf 'Apfelbaum\r\nBirne\r\nDer Mond scheint\r\nElefant\r\nGartenzaun\r\nKr\344he\r\nKrokodil\r\nMandarine\r\nOsterhase\r\nPapagei\r\nSchneeflocke\r\nVogelscheuche\r\nZebra\r\nZirkuszelt\r\n' \
    > "$work/prog/deutsch/quendo.dat"
printf 'Hund\r\nKatze\r\nMaus\r\n' > "$work/prog/deutsch/Tiere.dat"
printf 'Chien\r\nChat\r\n' > "$work/prog/français/animaux.dat"
settings() {
    printf '[Einstellungen]\r\nnumPlayers= 3\r\nSpieler1=Anna\r\nSpieler2=Ben\r\nSpieler3=Mia\r\nSound= 0\r\npassw=dA]XR\r\n[Optionen]\r\nSprache= %s\r\n' "$1" \
        > "$work/prog/Quendo.ini"
}

shot() { sleep "${3:-0.6}"; import -frame -window "$2" "$out/$1.png"; echo "wrote docs/$1.png"; }
window() { xdotool search --sync --onlyvisible --limit 1 --name "$1"; }
key() { for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
# The options button of the toolbar on the large board.
options() { xdotool mousemove --window "$main" 119 526 click 1; }

start() {
    settings "$1"
    "$work/prog/Quendo" &
    app=$!
    sleep 3 # the splash, titled Quendo as well, is gone then
    main=$(window '^Quendo$')
    sleep 0.5
}

start 0
options
dialog=$(window '^Einstellungen')
shot options-de "$dialog"
key alt+e
question=$(window '^Passwortschutz')
xdotool type --delay 80 Sonne
shot password "$question"
key Return
editor=$(window '^quendo.dat')
xdotool type --delay 60 Giraffe
shot editor "$editor"
key Escape # the editor; Escape does nothing in the options dialog
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true

start 6000
options
dialog=$(window '^Options')
shot options-fr "$dialog"
key Escape
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true

# Portuguese, a long language, on a machine without the speech module: the reading-aloud box
# is greyed and says why.
rm -f "$work/prog/libquendo_speech.so"
start 4000
options
dialog=$(window '^Opções')
shot options-pt-no-speech "$dialog"
key Escape
kill "$app" 2>/dev/null || true
