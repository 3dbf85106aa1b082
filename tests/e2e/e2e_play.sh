#!/usr/bin/env bash
# Plays the real program from the build folder under a private X server, as a child and a
# teacher would, and checks what shows on the screen and what lands on disk.
#   e2e_play.sh BUILD-FOLDER
source "$(dirname "$0")/lib.sh"
e2e_begin play "$1"

start_x 1024x768x24
fresh_user_folders "$work/home"
unset LC_ALL LANGUAGE
export LANG=de_DE.UTF-8
start_bus
prog="$work/prog"
cp -r "$build/bin" "$prog"
rm -rf "$prog/bench"
# One player without hints and sound, and one word in the list, so every step is known.
# The editor's password is "Sonne", stored scrambled.
printf '[Einstellungen]\r\nnumPlayers= 1\r\nTipps1= 0\r\nSound= 0\r\npassw=dA]XR\r\n' >"$prog/Quendo.ini"
printf 'Tafel\r\nTafel\r\nTafel\r\n' >"$prog/deutsch/quendo.dat"

say "first start; a second copy ends at once and shows nothing"
start_quendo "$prog/Quendo"
expect_splash_then_board
expect "push button" "Spiel starten"
timeout 5 "$prog/Quendo" >"$out/second-copy.log" 2>&1 || fail "the second copy ended with status $? (124: still ran 5 s later)"
[ "$(quendo_windows | wc -l)" -eq 1 ] || fail "a second window showed"

say "Start, a word solved with letters typed and clicked"
button "Spiel starten"
expect_enabled image T 10 "the strip takes no letters after Start"
shot word-start
type_keys t a f
click_on image E
click_on image L
expect "push button" "Weiter..." 10 "the Next button does not show after the solved word"
expect label "100" 5 "the solved word does not score 100"
shot word-solved

say "Enter for Next, a word lost"
type_keys Return
expect_not "push button" "Weiter..." 10 "Enter did not pass on to the next word"
expect_enabled image B 10 "the strip takes no letters after Next"
shot next-word
# The chalk drawing (300 × 200 in the middle of the board) grows with every miss.
picture=300x200+311+104
type_keys b
expect_change "$last_shot" $picture first-miss "the picture did not change after the first miss"
first_miss="$last_shot"
type_keys c d g h i
click_on image J
click_on image K
click_on image M
type_keys n
expect "push button" "Weiter..." 10 "the Next button does not show after the tenth miss"
expect label "100" 5 "the lost word changed the score"
expect_change "$first_miss" $picture word-lost "the picture did not change after nine more misses"

say "the options: two players, ten rounds"
button Einstellungen
within=Einstellungen
expect "scroll bar" Teilnehmer 10 "the options dialog does not show"
click_arrow Teilnehmer up
click_arrow Spielrunden down
click_arrow Spielrunden down
expect label 10 5 "the rounds do not show 10"
shot options-changed

say "the editor, behind its password: a word added and saved"
button "Wortschatz bearbeiten"
within=Passwortschutz
type_into "Bitte Passwort eingeben" Sonne
button OK
within=quendo.dat
expect "list item" Tafel 10 "the editor does not open"
type_into "Hinzufügen" Kreide
button "Hinzufügen"
expect "list item" Kreide 5 "the word was not added"
shot editor
button Speichern
button OK
within=""
expect_not dialog quendo.dat 5 "the editor does not close"
printf 'Kreide\r\nTafel\r\nTafel\r\nTafel\r\n' | cmp - "$prog/deutsch/quendo.dat" ||
    fail "the saved list holds: $(cat -A "$prog/deutsch/quendo.dat")"
within=Einstellungen
button OK
within=""
expect_not dialog Einstellungen 5 "the options dialog does not close"
expect label "Spieler 2" 10 "the second player does not show"
[ "$(grep -ac $'^\\(numPlayers= 2\\|Runden= 10\\)\r$' "$prog/Quendo.ini")" = 2 ] ||
    fail "Quendo.ini after the options' OK: $(cat -A "$prog/Quendo.ini")"

say "the English flag, during a game"
click_on image English
expect "push button" OK 5 "no question before the game is interrupted"
button OK
expect "push button" "Start game" 10 "the Start button is not called Start game in English"
expect_not "push button" "Spiel starten" 5
shot english

say "End with Yes"
button "End game"
expect "push button" "Yes" 5 "End does not ask"
button Yes
expect_exit 10 0
grep -aq $'^Sprache= 1000\r$' "$prog/Quendo.ini" || fail "Quendo.ini does not hold Sprache= 1000"
grep -q $'^StartVal=1\r$' "$XDG_CONFIG_HOME/Quendo/Quendo.conf" || fail "the start counter is not 1 after the first start"
cmp "$XDG_RUNTIME_DIR/~tmp.lng" "$build/resources/custom/1000" ||
    fail "~tmp.lng differs from the embedded language table"

say "second start: English remembered; closed by the window manager's close request"
start_quendo "$prog/Quendo"
expect_splash_then_board
expect "push button" "Start game" 10 "the language chosen by flag was not remembered"
"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0
grep -q $'^StartVal=2\r$' "$XDG_CONFIG_HOME/Quendo/Quendo.conf" || fail "the start counter is not 2 after the second start"
[ ! -e "$prog/Quendo.EPT" ] || fail "an error log was written: $(cat "$prog/Quendo.EPT")"
say "passed"
