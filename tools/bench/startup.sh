#!/usr/bin/env bash
# Start-up, memory and idle-CPU figures of the real program under Xvfb.
#   tools/bench/startup.sh [build-folder]
# 1. time from process start to the main window loaded (the 2.5 s splash wait comes after),
#    with the milestones on the way
# 2. peak memory (max RSS) of a whole short game played with xdotool
# 3. CPU time used while the Next button waits for 10 s
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../../build}" && pwd)"
source "$(dirname "$0")/../xvfb-session.sh"
xvfb_session 97 1280x1024x24 "$build"

# A program folder of its own: one player, ten rounds, one word, no hints, no sound.
printf '[Einstellungen]\r\nnumPlayers= 1\r\nRunden= 10\r\nTipps1= 0\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
printf 'Zirkuszelt\r\n' > "$work/prog/deutsch/quendo.dat"

# Each run starts from an idle machine: the script does not poll while the program starts, and
# waits after each run until the display server has dealt with the closed windows.
runs=${STARTUP_RUNS:-11}
echo "start-up, $runs runs (ms from process start: main entered / application created /"
echo "splash shown / main window loaded):"
totals=()
for run in $(seq "$runs"); do
    QUENDO_TRACE_STARTUP=1 "$build/bench/exec_stamp" "$work/prog/Quendo" 2> "$work/trace.txt" &
    pid=$!
    sleep 1.5
    kill "$pid"; wait "$pid" 2>/dev/null || true
    line=$(awk '/^exec_stamp: started at/ { t0 = $(NF-1) }
                /^quendo: .* at [0-9]+ ms$/ { printf "%s%d", sep, $(NF-1) - t0; sep=" / " }' \
        "$work/trace.txt")
    echo "  run $run: $line"
    totals+=("${line##* }")
    sleep 1
done
sorted=($(printf '%s\n' "${totals[@]}" | sort -n))
echo "  main window loaded: median ${sorted[$(( runs / 2 ))]} ms, best ${sorted[0]} ms, worst ${sorted[-1]} ms"

echo "whole short game (10 words) under /usr/bin/time:"
/usr/bin/time -f '%M' -o "$work/rss.txt" "$work/prog/Quendo" &
sleep 4
wid=$(xdotool search --sync --onlyvisible --name '^Quendo$' | head -1)
pid=$(pgrep -n -f "$work/prog/Quendo")
xdotool mousemove 77 488 click 1 # Start
sleep 0.5
for word in $(seq 10); do
    for key in z i r k u s e l t; do xdotool key --window "$wid" "$key"; sleep 0.05; done
    sleep 1
    if [ "$word" = 1 ]; then
        # The Next button waits: measure the CPU the program burns meanwhile.
        read -r -a s0 < "/proc/$pid/stat"; sleep 10; read -r -a s1 < "/proc/$pid/stat"
        ticks=$(( (s1[13] + s1[14]) - (s0[13] + s0[14]) ))
        echo "  CPU while the Next button waits 10 s: $(echo "scale=2; $ticks / $(getconf CLK_TCK)" | bc) s"
    fi
    xdotool key --window "$wid" Return
    sleep 1
done
sleep 1
xdotool key Return # the winner's message
sleep 1
xdotool key Escape # "Once again?" - No ends the program
for _ in $(seq 50); do [ -s "$work/rss.txt" ] && break; sleep 0.2; done
if [ -s "$work/rss.txt" ]; then
    echo "  peak memory (max RSS): $(( $(tail -1 "$work/rss.txt") / 1024 )) MB"
else
    echo "  the game did not end as scripted"; exit 1
fi
