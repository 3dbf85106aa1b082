#!/usr/bin/env bash
# The board on the screens children meet: 1024×768, 800×600 at 96 and at 120 dpi, and a
# high-density screen with Qt's scale factor 2. For each: the idle board (Start glowing, the
# flag of the language marked), then a word half guessed and a word lost with its solution.
#   tools/xvfb-screens.sh [build-folder] [out-folder]
# Needs: xvfb xauth xdotool imagemagick x11-xserver-utils (xrdb, for the 120 dpi screen).
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="$(mkdir -p "${2:-$(dirname "$0")/../docs}" && cd "${2:-$(dirname "$0")/../docs}" && pwd)"
source "$(dirname "$0")/xvfb-session.sh"

# name  screen  Xft.dpi  QT_SCALE_FACTOR
configs=(
    "1024x768 1024x768x24 96 1"
    "800x600 800x600x24 96 1"
    "800x600-120dpi 800x600x24 120 1"
    "1920x1080-scale2 1920x1080x24 96 2"
)

run() {
    local name=$1 screen=$2 dpi=$3 scale=$4
    xvfb_session 96 "$screen" "$build"
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    printf '[Einstellungen]\r\nnumPlayers= 3\r\nSpieler1=Anna\r\nSpieler2=Ben\r\nSpieler3=Zo\xeb-\xc9milie Schmidt\r\nTipps1= 0\r\nTipps2= 0\r\nTipps3= 0\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
        > "$work/prog/Quendo.ini"
    printf 'Zirkuszelt\r\n' > "$work/prog/deutsch/quendo.dat"
    local env=()
    [ "$scale" != 1 ] && env=(env QT_SCALE_FACTOR="$scale")
    "${env[@]}" "$work/prog/Quendo" &
    local app=$!
    sleep 4
    local wid
    wid=$(xdotool search --sync --onlyvisible --name '^Quendo$' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    # The Start button's centre from the board's own layout: the window (at 0,0) is the board.
    local start
    start=$(awk -v w="$WIDTH" -v h="$HEIGHT" -v s="$scale" 'BEGIN {
        W = w / s; H = h / s;
        z = (W == 922) ? 1 : ((W == 761) ? 1 : W / 761);
        px = int((300 * z - 147 * z + 0.5) / 2) - 30 * z;
        ty = int(H * 0.66 + 0.5);
        printf "%d %d", (px + 12 * z + 19 * z) * s, (ty + 147 * z - 38 * z * 3.5 + 18 * z) * s }')
    import -window root "$out/board-$name.png"
    xdotool mousemove $start click 1
    sleep 1.5
    for k in z i r e q x; do xdotool key --window "$wid" $k; sleep 0.15; done
    sleep 0.5
    import -window root "$out/board-$name-half.png"
    for k in j v p w f g h y; do xdotool key --window "$wid" $k; sleep 0.15; done
    sleep 2.5
    import -window root "$out/board-$name-lost.png"
    echo "$name: window ${WIDTH}x${HEIGHT}; wrote docs/board-$name*.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    sleep 0.5
}

for c in "${configs[@]}"; do
    run $c
done
