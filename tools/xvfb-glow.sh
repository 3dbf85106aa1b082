#!/usr/bin/env bash
# The Start button's glow while the board waits for the first game, at scale factor 1 and 2:
# a strip of views of the toolbar's corner taken in turn over one pulse.
#   tools/xvfb-glow.sh [build-folder] [out-folder]      Needs: xvfb xauth xdotool imagemagick
# Writes start-glow-1x.png and start-glow-2x.png.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"

run() {
    local scale=$1
    # The screen is as large as the board needs at the scale, so the board is the same.
    local display=130 # one no other script uses
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
        display=$((display + 1))
    done
    xvfb_session "$display" "$((1280 * scale))x$((1024 * scale))x24" "$build"
    printf '[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
        > "$work/prog/Quendo.ini"
    QT_SCALE_FACTOR=$scale "$work/prog/Quendo" &
    local app=$!
    sleep 5
    # Start stands at (77, 488) on the 922 × 691 board at (0, 0).
    local geometry="$((130 * scale))x$((120 * scale))+$((12 * scale))+$((428 * scale))"
    local shots=()
    for i in $(seq 0 5); do
        import -window root -crop "$geometry" +repage "$work/glow-$i.png"
        shots+=("$work/glow-$i.png")
        sleep 0.13
    done
    /usr/bin/convert "${shots[@]}" +append "$out/start-glow-${scale}x.png"
    echo "wrote $out/start-glow-${scale}x.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    sleep 0.5
}

run 1
run 2
