#!/usr/bin/env bash
# Plays the real program from the build folder under a private X server, as a child and a
# teacher would, and checks what shows on the screen.
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
printf '[Einstellungen]\r\nnumPlayers= 1\r\nTipps1= 0\r\nSound= 0\r\n' >"$prog/Quendo.ini"
printf 'Tafel\r\nTafel\r\nTafel\r\n' >"$prog/deutsch/quendo.dat"

# Keys typed as a person types them, into the main window.
type_keys() { for k in "$@"; do xdotool key --window "$main_wid" "$k"; done; }
expect_enabled() { atspi enabled --timeout 10 "$1" "$2" >/dev/null || fail "$3"; }

say "first start; a second copy ends at once and shows nothing"
start_quendo "$prog/Quendo"
expect_splash_then_board
expect "push button" "Spiel starten"
timeout 5 "$prog/Quendo" >"$out/second-copy.log" 2>&1 || fail "the second copy ended with status $? (124: still ran 5 s later)"
[ "$(quendo_windows | wc -l)" -eq 1 ] || fail "a second window showed"

say "Start, a word solved with letters typed and clicked"
button "Spiel starten"
expect_enabled image T "the strip takes no letters after Start"
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
expect_enabled image B "the strip takes no letters after Next"
type_keys b c d g h i
click_on image J
click_on image K
click_on image M
type_keys n
expect "push button" "Weiter..." 10 "the Next button does not show after the tenth miss"
shot word-lost

say "the English flag, during a game"
click_on image English
expect "push button" OK 5 "no question before the game is interrupted"
button OK
expect "push button" "Start game" 10 "the flag did not switch to English"
shot english

say "End with Yes"
button "End game"
expect "push button" "Yes" 5 "End does not ask"
button Yes
expect_exit 10 0

say "second start: English remembered; closed by the window manager's close request"
start_quendo "$prog/Quendo"
expect_splash_then_board
expect "push button" "Start game" 10 "the language chosen by flag was not remembered"
"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0
[ ! -e "$prog/Quendo.EPT" ] || fail "an error log was written: $(cat "$prog/Quendo.EPT")"
say "passed"
