#!/bin/sh
# Checks the generated sound effects with sox: format, sample rate, length, loudness.
# Usage: tools/check-wavs.sh [wav-folder]   (default: resources/wav beside this script)
# Exits non-zero if any file is missing or off.
set -u

dir=${1:-$(dirname "$0")/../resources/wav}
command -v sox >/dev/null 2>&1 || { echo "check-wavs: sox is not installed" >&2; exit 2; }

failures=0
fail() {
    echo "FAIL $1: $2"
    failures=$((failures + 1))
}

# id  length(s)  rate(Hz)
while read -r id length rate; do
    file=$dir/$id.wav
    before=$failures
    if [ ! -f "$file" ]; then
        fail "$id" "missing ($file)"
        continue
    fi

    # The game reads a plain 44-byte header: RIFF/WAVE, a 16-byte fmt chunk, then data.
    magic=$(dd if="$file" bs=1 count=4 2>/dev/null)
    wave=$(dd if="$file" bs=1 skip=8 count=8 2>/dev/null)
    data=$(dd if="$file" bs=1 skip=36 count=4 2>/dev/null)
    if [ "$magic" != "RIFF" ] || [ "$wave" != "WAVEfmt " ] || [ "$data" != "data" ]; then
        fail "$id" "not a canonical 44-byte RIFF WAVE header"
    fi

    got_type=$(sox --i -t "$file" 2>/dev/null)
    got_rate=$(sox --i -r "$file" 2>/dev/null)
    got_channels=$(sox --i -c "$file" 2>/dev/null)
    got_bits=$(sox --i -b "$file" 2>/dev/null)
    got_encoding=$(sox --i -e "$file" 2>/dev/null)
    got_duration=$(sox --i -D "$file" 2>/dev/null)
    [ "$got_type" = "wav" ] || fail "$id" "type '$got_type', expected wav"
    [ "$got_rate" = "$rate" ] || fail "$id" "rate $got_rate, expected $rate"
    [ "$got_channels" = "1" ] || fail "$id" "$got_channels channels, expected mono"
    [ "$got_bits" = "8" ] || fail "$id" "$got_bits bits, expected 8"
    [ "$got_encoding" = "Unsigned Integer PCM" ] ||
        fail "$id" "encoding '$got_encoding', expected unsigned PCM"
    awk -v got="${got_duration:-0}" -v want="$length" \
        'BEGIN { d = got - want; if (d < 0) d = -d; exit !(d <= 0.010) }' ||
        fail "$id" "length ${got_duration}s, expected ${length}s (+-10 ms)"

    # Loudness: peaks around 70 % of full scale, nothing near clipping, clearly audible.
    stats=$(sox "$file" -n stat 2>&1)
    max=$(echo "$stats" | awk '/^Maximum amplitude/ { print $3 }')
    min=$(echo "$stats" | awk '/^Minimum amplitude/ { print $3 }')
    rms=$(echo "$stats" | awk '/^RMS +amplitude/ { print $3 }')
    verdict=$(awk -v max="${max:-0}" -v min="${min:-0}" -v rms="${rms:-0}" 'BEGIN {
        peak = max > -min ? max : -min
        if (peak >= 0.95) print "clipping (peak " peak ")"
        else if (peak < 0.05 || rms < 0.02) print "near silence (peak " peak ", rms " rms ")"
        else if (peak < 0.5 || peak > 0.8) print "peak " peak ", expected about 0.7"
    }')
    [ -z "$verdict" ] || fail "$id" "$verdict"

    [ "$failures" -eq "$before" ] || continue
    printf 'ok   %s  %s Hz  %ss  peak %s/%s  rms %s\n' "$id" "$got_rate" "$got_duration" \
        "$max" "$min" "$rms"
done <<'EOF'
100 0.48 11025
101 0.08 11025
102 0.01 11025
103 0.03 11025
104 0.17 9266
105 2.40 11013
106 0.73 7500
107 0.64 12000
108 0.93 12000
109 1.00 11025
110 1.30 11025
EOF

if [ "$failures" -gt 0 ]; then
    echo "check-wavs: $failures problem(s)"
    exit 1
fi
echo "check-wavs: all 11 sounds ok"
