#!/usr/bin/env bash
# Reading aloud: what it costs when on, and that nothing changes when it is off.
#   tools/bench/speech.sh [build-folder [build-folder-before]]        SPEECH_RUNS=n (default 5)
# Under a private Xvfb, PulseAudio with a null sink and speech-dispatcher writing what it is
# given to a file (no voice is needed to measure the program):
#   1. key press to text handed to the engine (bench_speech: the real window and module)
#   2. with sound on (the default) and reading aloud off, for this build and, when given, the
#      build before reading aloud, in turns: process start to main window loaded, and the
#      peak memory (VmHWM) 10 s after the main window shows
#   3. this build with reading aloud on: the same
# and in each the peak after a word played by keys (five letters, two of them misses).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
before="${2:+$(cd "$2" && pwd)}"
source "$here/../xvfb-session.sh"
display=130
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
xvfb_session "$display" 1280x1024x24 "$build"
export HOME="$work"
unset LC_ALL LANGUAGE
pulse=""
finish() {
    local pid
    for pid in $(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid 2>/dev/null) $pulse $xvfb; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT

mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
printf 'AddModule "said" "sd_generic" "said.conf"\nDefaultModule said\n' \
    > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
{
    echo "GenericExecuteSynth \"printf %s \\'\$LANGUAGE|\$DATA\\' >> $work/said.txt; echo >> $work/said.txt\""
    for l in de en sv it pt es fr; do echo "GenericLanguage \"$l\" \"$l\" \"utf-8\""; echo "AddVoice \"$l\" \"MALE1\" \"$l\""; done
} > "$XDG_CONFIG_HOME/speech-dispatcher/modules/said.conf"
pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix >/dev/null 2>&1 &
pulse=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

echo "1. $(QT_QPA_PLATFORM=offscreen "$build/bench/bench_speech" 20 2>/dev/null)"

# One run of the program in folder $1 with reading aloud $2 (0 or -1): "start-ms peak-MB
# peak-after-a-word-MB".
one_run() {
    local prog="$1" speech="$2" pid wid loaded peak
    printf '[Einstellungen]\r\nnumPlayers= 1\r\nRunden= 10\r\nTipps1= 0\r\nVorlesen=%s\r\n[Optionen]\r\nSprache= 0\r\n' \
        "$speech" > "$prog/Quendo.ini"
    printf 'Zirkuszelt\r\n' > "$prog/deutsch/quendo.dat"
    QUENDO_TRACE_STARTUP=1 "$build/bench/exec_stamp" "$prog/Quendo" 2> "$work/trace.txt" &
    pid=$!
    wid=$(board_window)
    sleep 10
    loaded=$(awk '/^exec_stamp: started at/ { t0 = $(NF-1) }
                  /main window loaded at/ { print $(NF-1) - t0 }' "$work/trace.txt")
    peak=$(status_mb "$(pgrep -n -f "$prog/Quendo")" VmHWM)
    # The same word in every run, with two misses: the picture set is decoded as well.
    xdotool mousemove 77 488 click 1 # Start
    sleep 1
    for key in z a i b r; do xdotool key --window "$wid" "$key"; sleep 0.3; done
    sleep 1
    peak="$peak $(status_mb "$(pgrep -n -f "$prog/Quendo")" VmHWM)"
    if [ "$speech" != 0 ]; then
        # The speech server the program started, and its output module: memory of their own.
        server=$(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid 2>/dev/null || true)
        if [ -n "$server" ]; then
            peak="$peak $(ps -o rss= --pid "$server" --ppid "$server" | awk '{ s += $1 } END { printf "%.1f", s / 1024 }')"
        fi
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
    # Each run starts its own server, as a first start of the day does.
    [ -z "${server:-}" ] || kill "$server" 2>/dev/null || true
    server=""
    echo "$loaded $peak"
    sleep 2
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
range() { printf '%s\n' "$@" | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }
report() { # label, then "ms MB [MB]" lines
    local label="$1" ms=() mb=() played=()
    shift
    local server=()
    while read -r a b c d; do
        ms+=("$a"); mb+=("$b"); played+=("$c"); [ -z "$d" ] || server+=("$d")
    done <<< "$(printf '%s\n' "$@")"
    echo "  $label: main window loaded $(median "${ms[@]}") ms ($(range "${ms[@]}")), peak 10 s after it $(median "${mb[@]}") MB ($(range "${mb[@]}")), after a word $(median "${played[@]}") MB ($(range "${played[@]}"))${server:+; the speech server and its module $(median "${server[@]}") MB ($(range "${server[@]}"))}"
}

runs=${SPEECH_RUNS:-5}
[ -z "$before" ] || cp -r "$before/bin" "$work/before"
off=() on=() old=()
for run in $(seq "$runs"); do
    [ -z "$before" ] || old+=("$(one_run "$work/before" 0)")
    off+=("$(one_run "$work/prog" 0)")
    on+=("$(one_run "$work/prog" -1)")
done
echo "2./3. sound on, median (range) of $runs runs each, taken in turns:"
[ -z "$before" ] || report "before reading aloud     " "${old[@]}"
report "reading aloud off        " "${off[@]}"
report "reading aloud on         " "${on[@]}"
echo "  texts the speech server got: $(grep -c . "$work/said.txt" 2>/dev/null || echo 0)"
