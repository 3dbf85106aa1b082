#!/usr/bin/env bash
# Plays every sound through the game's PlayWAV on a real sound server (PulseAudio with its
# null sink), records what the server played and checks with sox that each sound is heard in
# full and that a new sound cuts off the one before.
#   tools/check-sound-playback.sh [build-folder]
# Needs: pulseaudio pulseaudio-utils sox (apt-get install -y pulseaudio pulseaudio-utils sox).
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
player="$build/bench/play_sounds"
[ -x "$player" ] || { echo "build the project first ($player missing)" >&2; exit 2; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'pulseaudio --kill >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
pulseaudio -D --exit-idle-time=-1 --disallow-exit 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl unload-module module-suspend-on-idle 2>/dev/null || true
sink=$(pactl get-default-sink)

# One recording for the whole run (parec started anew for each sound loses data), split at the
# gaps of silence between the sounds.
raw="$work/rec.raw"
parec --latency-msec=10 -d "$sink.monitor" --format=s16le --channels=1 --rate=11025 --raw "$raw" &
rec=$!
sleep 1.5 # parec takes a while to deliver its first samples
ids=(100 101 102 103 104 105 106 107 108 109 110)
want=(480 80 10 30 170 2400 730 640 930 1000 1300)
args=()
for i in "${!ids[@]}"; do args+=("${ids[$i]}:$((want[i] + 500))"); done
# Then the fanfare cut off after 0.5 s by a ping.
"$player" "${args[@]}" 105:500 101:800
sleep 0.5
kill "$rec"; wait "$rec" 2>/dev/null || true
[ -n "${KEEP_RECORDING:-}" ] && cp "$raw" "$KEEP_RECORDING"
sox -t raw -r 11025 -e signed -b 16 -c 1 "$raw" "$work/rec.wav"
# Sound servers take a varying time to open a stream for a new rate, so the sounds are found
# by the silence between them: pieces above 1 %, each ended by 0.3 s below it.
sox "$work/rec.wav" "$work/part.wav" silence 1 0.001 1% 1 0.3 1% : newfile : restart 2>/dev/null
mapfile -t parts < <(ls "$work"/part*.wav | sort -V)
heard_ms() { # the piece without its closing silence
    sox "$1" "$work/t.wav" reverse silence 1 0.001 1% reverse 2>/dev/null
    echo "$(soxi -s "$work/t.wav") * 1000 / 11025" | bc
}
fail=0
p=0
for i in "${!ids[@]}"; do
    id=${ids[$i]}; w=${want[$i]}
    got=$(heard_ms "${parts[$p]:-/dev/null}" 2>/dev/null || echo 0)
    # The 10 and 30 ms clicks can drown in the recording's noise floor; then the piece found
    # belongs to the next sound.
    if [ "$w" -le 30 ] && [ "$got" -gt $((w + 40)) ]; then
        echo "sound $id: too short to tell from the noise floor - skipped"; continue
    fi
    p=$((p + 1))
    # Soft attacks and releases sit partly under the threshold.
    if [ "$got" -ge $((w * 80 / 100 - 5)) ] && [ "$got" -le $((w + 40)) ]; then
        echo "sound $id: heard ${got} ms of ${w} ms - ok"
    else
        echo "sound $id: heard ${got} ms of ${w} ms - WRONG"; fail=1
    fi
done
got=$(heard_ms "${parts[$p]}")
if [ "$got" -lt 800 ]; then
    echo "cut-off: 105 then 101 after 500 ms, heard ${got} ms in all - ok"
else
    echo "cut-off: 105 then 101 after 500 ms, heard ${got} ms - the first sound went on"; fail=1
fi
exit $fail
