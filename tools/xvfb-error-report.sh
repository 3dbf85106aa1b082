#!/usr/bin/env bash
# Provokes an error in front of the board and takes docs/error-report.png: one word in the
# list, words not repeated, the word solved, the list deleted while the Next button waits;
# Enter then refills the word pool from the missing file (53, File not found).
#   tools/xvfb-error-report.sh [build-folder] [out-folder]
# Needs: xvfb xauth xdotool imagemagick.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"
xvfb_session 97 1024x768x24 "$build"

printf '[Einstellungen]\r\nnumPlayers= 1\r\nSpieler1=Anna\r\nTipps1= 0\r\nSound= 0\r\nWiederholung= 1\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
printf 'Zirkuszelt\r\n' > "$work/prog/deutsch/quendo.dat"

"$work/prog/Quendo" &
app=$!
sleep 3.5 # past the splash, titled Quendo as well
wid=$(xdotool search --sync --onlyvisible --name '^Quendo$' | head -1)
xdotool mousemove 77 488 click 1 # Start
sleep 1
for k in z i r k u s e l t; do xdotool key --window "$wid" "$k"; sleep 0.15; done
sleep 2
rm "$work/prog/deutsch/quendo.dat"
xdotool key --window "$wid" Return # Next
xdotool search --sync --onlyvisible --name 'Fehler / Error' >/dev/null
sleep 0.8
import -window root "$out/error-report.png"
echo "wrote docs/error-report.png"
kill "$app" 2>/dev/null || true
