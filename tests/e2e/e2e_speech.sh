#!/usr/bin/env bash
# Plays the real program with reading aloud on, through the real speech server: PulseAudio with
# a null sink, speech-dispatcher with a module that writes each text it is given to a file.
# A word played by keys is heard in German, then after the English flag in English; a screen
# reader finds the word's uncovered letters by name.
#   e2e_speech.sh BUILD-FOLDER
source "$(dirname "$0")/lib.sh"
e2e_begin speech "$1"
pulse_pid=""
speech_end() {
    local status=$? pid
    cp "$said" "$out/said.txt" 2>/dev/null || true
    # The speech server was started by the program; its pid file says where it runs.
    for pid in $(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid 2>/dev/null) $pulse_pid; do
        kill "$pid" 2>/dev/null || true
    done
    [ -z "$pulse_pid" ] || wait "$pulse_pid" 2>/dev/null || true
    # e2e_end reads the status from $?; a failing status must not end the trap before it.
    set +e
    (exit "$status")
    e2e_end
}
trap speech_end EXIT

start_x 1024x768x24
fresh_user_folders "$work/home"
# A locale this machine may lack, as the other runs use: the speech server must still start.
unset LC_ALL LANGUAGE
export LANG=de_DE.UTF-8
start_bus

said="$work/said.txt"
touch "$said"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "said" "sd_generic" "said.conf"
DefaultModule said
CONF
{
    echo "GenericExecuteSynth \"printf %s \\'\$LANGUAGE|\$DATA\\' >> $said; echo >> $said\""
    for l in de en sv it pt es fr; do
        echo "GenericLanguage \"$l\" \"$l\" \"utf-8\""
        echo "AddVoice \"$l\" \"MALE1\" \"$l\""
    done
} >"$XDG_CONFIG_HOME/speech-dispatcher/modules/said.conf"

pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix >"$out/pulseaudio.log" 2>&1 &
pulse_pid=$!
wait_until 10 "PulseAudio did not start within 10 s" pactl info >/dev/null 2>&1

prog="$work/prog"
cp -r "$build/bin" "$prog"
rm -rf "$prog/bench"
printf '[Einstellungen]\r\nnumPlayers= 1\r\nTipps1= 0\r\nSound= 0\r\nVorlesen=-1\r\n' >"$prog/Quendo.ini"
printf 'Tafel\r\n' >"$prog/deutsch/quendo.dat"
printf 'Chalk\r\n' >"$prog/english/quendo.dat"

# The server hands a text on in pieces, sentence by sentence, each line its language and
# its piece ("de|T: ja, einmal!"); together again, the pieces are the texts as said.
heard() { sed 's/^[a-z]*|//' "$said" | tr -d '\n'; }
has_said() { heard | grep -qF -- "$wanted"; }
expect_said() {
    wanted="$1"
    wait_until 10 "not said within 10 s: $1 (all said: $out/said.txt)" has_said
}
# The language a text was said in, by its first piece.
said_in() { grep -qF -- "$1|$2" "$said" || fail "not said in $1: $2 (said: $(cat "$said"))"; }
# A key, then what it makes the program say.
key_said() {
    xdotool key --window "$main_wid" "$1"
    expect_said "$2"
}

say "start with reading aloud on"
start_quendo "$prog/Quendo"
expect_splash_then_board
button "Spiel starten"
expect_said "Spieler 1 ist dran. Das Wort hat 5 Buchstaben."
said_in de "Spieler 1 ist dran."

say "a word played by keys, in German"
key_said t "T: ja, einmal!"
said_in de "T: ja, einmal!"
key_said x "X: nein, leider nicht. Noch 9 Versuche."
key_said a "A: ja, einmal!"
expect image T 5 "no cell of the word is named T"
expect image "noch nicht gefunden" 5 "no covered cell is named as not found yet"
expect image "Tafelbild: 1 von 10" 5 "the chalk picture does not name its stage"
shot letters-named
key_said F5 "Das Wort: T, A, Lücke, Lücke, Lücke. Versuche übrig: 9."
key_said f "F: ja, einmal!"
key_said e "E: ja, einmal!"
key_said l "Geschafft! T, A, F, E, L. Tafel! Das gibt 95 Punkte."
expect_said "Drück Enter, dann geht es weiter."
expect image L 5 "the last letter found is not named"
expect_not image "noch nicht gefunden" 5 "a cell of the solved word is still named as not found"

say "the English flag, then a word in English"
click_on image English
expect "push button" OK 5 "no question before the game is interrupted"
button OK
expect_said "Spieler 1, it's your turn. The word has 5 letters."
said_in en "Spieler 1, it's your turn."
expect image "not found yet" 5 "the covered cells are not named in English"
# Each text is waited for: a key typed on cuts off the text before it.
key_said c "C: yes, once!"
said_in en "C: yes, once!"
for k in h a l; do key_said "$k" "${k^^}: yes, once!"; done
key_said k "Well done! C, H, A, L, K. Chalk! That's 100 points."
shot english

"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0
[ ! -e "$prog/Quendo.EPT" ] || fail "an error log was written: $(cat "$prog/Quendo.EPT")"
say "passed"
