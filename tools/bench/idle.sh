#!/usr/bin/env bash
# What a board left alone costs, and the memory the program holds, under Xvfb.
#   tools/bench/idle.sh [build-folder]        IDLE_RUNS=n (default 5)
# Per run, with the machine left idle between runs:
#   1. peak memory (VmHWM) 10 s after the main window shows
#   2. CPU per 10 s while the board waits for the first Start (Start glows), after that
#   3. CPU per 10 s with a word in play, nobody typing
#   4. memory (VmRSS) after 10 words with 3 misses each
# and, for comparison, the peak memory of a bare Qt window 10 s after it shows (bench_floor).
# CPU is the program's own time (utime + stime of /proc/PID/stat), so the figures hold while
# other work loads the machine; its resolution is one clock tick (10 ms).
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../../build}" && pwd)"
source "$(dirname "$0")/../xvfb-session.sh"
# A display no other program uses: several people may run scripts like this one at a time.
display=120
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
xvfb_session "$display" 1280x1024x24 "$build"

# One player, ten rounds, one word, no hints, no sound.
printf '[Einstellungen]\r\nnumPlayers= 1\r\nRunden= 10\r\nTipps1= 0\r\nSound= 0\r\n[Optionen]\r\nSprache= 0\r\n' \
    > "$work/prog/Quendo.ini"
printf 'Zirkuszelt\r\n' > "$work/prog/deutsch/quendo.dat"

ticks() { # utime + stime of process $1
    local s
    read -r -a s < "/proc/$1/stat"
    echo $(( s[13] + s[14] ))
}
cpu_ms_per_10s() { # the CPU process $1 uses in the next 10 s, in ms
    local t0 t1
    t0=$(ticks "$1"); sleep 10; t1=$(ticks "$1")
    echo $(( (t1 - t0) * 1000 / $(getconf CLK_TCK) ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
range() { printf '%s\n' "$@" | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }

runs=${IDLE_RUNS:-5}
waiting=() playing=() peak=() after=()
for run in $(seq "$runs"); do
    "$work/prog/Quendo" 2>/dev/null &
    pid=$!
    wid=$(board_window)
    # The peak so far 10 s after the main window shows, then the CPU of the next 10 s: the board
    # has settled and waits for Start.
    sleep 10
    peak+=("$(status_mb "$pid" VmHWM)")
    waiting+=("$(cpu_ms_per_10s "$pid")")
    xdotool mousemove 77 488 click 1 # Start
    sleep 1
    playing+=("$(cpu_ms_per_10s "$pid")")
    for word in $(seq 10); do
        for key in a b d z i r k u s e l t; do xdotool key --window "$wid" "$key"; sleep 0.05; done
        sleep 0.5
        [ "$word" = 10 ] || { xdotool key --window "$wid" Return; sleep 0.5; }
    done
    sleep 1
    after+=("$(status_mb "$pid" VmRSS)")
    echo "  run $run: waiting for Start ${waiting[-1]} ms/10 s, word in play ${playing[-1]} ms/10 s," \
        "peak 10 s after the window ${peak[-1]} MB, after 10 words ${after[-1]} MB"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    sleep 3 # idle between runs
done
floor=()
for run in $(seq "$runs"); do
    "$build/bench/bench_floor" 2>/dev/null &
    pid=$!
    board_window > /dev/null
    sleep 10
    floor+=("$(status_mb "$pid" VmHWM)")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    sleep 3
done
echo "median (range) of $runs runs:"
echo "  CPU per 10 s waiting for Start:   $(median "${waiting[@]}") ms ($(range "${waiting[@]}"))"
echo "  CPU per 10 s with a word in play: $(median "${playing[@]}") ms ($(range "${playing[@]}"))"
echo "  peak memory 10 s after the window: $(median "${peak[@]}") MB ($(range "${peak[@]}"))"
echo "  memory after 10 words, 3 misses:  $(median "${after[@]}") MB ($(range "${after[@]}"))"
echo "  floor, a bare Qt window, peak 10 s after it shows: $(median "${floor[@]}") MB ($(range "${floor[@]}"))"
