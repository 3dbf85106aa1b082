#!/usr/bin/env bash
# Plays the real program under Xvfb with xdotool and takes the screenshots of docs/:
# splash, a new word, a half-guessed word, a lost word with its solution, both choosers, the
# info box and the English board.   tools/xvfb-tour.sh [build-folder] [out-folder]
# Needs: xvfb xauth xdotool imagemagick.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"
xvfb_session 98 1024x768x24 "$build"

printf '[Einstellungen]\r\nnumPlayers= 3\r\nSpieler1=Anna\r\nSpieler2=Ben\r\nSpieler3=Maximilian-Alexander\r\nTipps1= 0\r\nTipps2= 0\r\nTipps3= 0\r\nSound= 0\r\nLetter=8\r\nBack=0\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
printf 'Zirkuszelt\r\n' > "$work/prog/deutsch/quendo.dat"

shot() { sleep "${2:-0.6}"; import -window root "$out/$1.png"; echo "wrote docs/$1.png"; }
key() { for k in "$@"; do xdotool key --window "$wid" "$k"; sleep 0.12; done; }
click() { xdotool mousemove "$1" "$2" click 1; }

"$work/prog/Quendo" &
app=$!
shot splash 1.2
sleep 2.5 # the splash, titled Quendo as well, is gone then
wid=$(xdotool search --sync --onlyvisible --name '^Quendo$' | head -1)
# Toolbar buttons on the large board: Start (77,488), background (161,488), letters (77,526),
# help (161,526); flag 1 (102,566).
click 77 488
shot word-start 1
key z i r e
key q x y
shot word-half 0.8
key j v p w f g h
shot word-lost 2.5
key Return
sleep 1

click 77 526
sleep 1
chooser=$(xdotool search --sync --onlyvisible --name '^Buchstaben$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$chooser")"
xdotool mousemove $((X + 16 + 136 + 60)) $((Y + 16 + 44)) click 1
shot chooser-letters 0.6
xdotool key Return
sleep 1

click 161 488
sleep 1
chooser=$(xdotool search --sync --onlyvisible --name '^Hintergrund$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$chooser")"
xdotool mousemove $((X + 24 + 128 + 50)) $((Y + 16 + 128 + 50)) click 1
shot chooser-background 0.6
xdotool key Return
sleep 1
key z i r k
shot word-new-look 0.8

click 161 526
sleep 0.5
xdotool key Up Return
sleep 1
shot info 0.8
xdotool key Return
sleep 0.5

click 102 566
sleep 0.5
xdotool key Return # OK: start anew in English
shot board-english 1
kill "$app" 2>/dev/null || true
