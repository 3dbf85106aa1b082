#!/usr/bin/env bash
# Plays the packaged program as an ordinary user whose program folder is read-only, as after
# `apt install`: the language chosen by flag and the user's own word list are kept in the
# user's folders, and nothing is written into the program folder.
#   e2e_installed.sh BUILD-FOLDER   (the package made by package.sh)
source "$(dirname "$0")/lib.sh"
e2e_begin installed "$1"

debs=("$build"/quendo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no package in $build: run package.sh first"
root="$work/root"
dpkg-deb -x "${debs[0]}" "$root"
home="$work/home"
fresh_user_folders "$home"
if [ "$(id -u)" -eq 0 ]; then
    # As root every folder can be written: play as an ordinary user, who owns only his home.
    player=quendo-e2e
    id "$player" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$player"
    chown -R "$player:" "$home"
    as_user=(setpriv --reuid="$player" --regid="$player" --init-groups --)
else
    chmod -R a-w "$root"
fi
program_folder="$root/usr/lib/games/quendo"
( cd "$root" && find . -printf '%p %y %m %s\n' | sort && find . -type f -exec sha256sum {} + | sort ) \
    >"$out/program-folder-before.txt"

start_x 1024x768x24
unset LC_ALL LANGUAGE
export LANG=en_GB.UTF-8
start_bus
# A quiet one-player game, as a teacher set it up before.
"${as_user[@]}" mkdir -p "$XDG_CONFIG_HOME/Quendo"
printf '[Einstellungen]\r\nnumPlayers= 1\r\nTipps1= 0\r\nSound= 0\r\n' |
    "${as_user[@]}" tee "$XDG_CONFIG_HOME/Quendo/Quendo.ini" >/dev/null
lists="$XDG_DATA_HOME/Quendo/svenska"

say "first start: the board in German, as on every first start with no language stored"
start_quendo "$root/usr/games/quendo"
expect_splash_then_board
expect "push button" "Spiel starten"
shot board-german
click_on image Svenska
expect "push button" "Starta spelet" 10 "the Swedish flag did not switch the language"
shot board-swedish

say "the teacher makes a list of her own in the editor"
button "Inställningar"
within="Inställningar"
expect "push button" "Redigera ordlista" 10 "the options dialog does not show"
button "Redigera ordlista"
within="quendo.dat"
expect "list item" "Banan" 10 "the editor does not show the shipped list"
button "Ny fil"
within="Ny fil"
expect dialog "Ny fil" 10 "no question for the new file's name"
xdotool type --delay 60 djur
shot new-file
button OK
within=""
expect_not dialog "Ny fil" 5 "the question for the name does not go"
click_on text "Lägg till"
xdotool type --delay 60 hund
button "Lägg till"
expect "list item" hund 5 "the word was not added"
shot editor
button Spara
editor=$(atspi dump | sed -n "s/^dialog '\(.*\.dat\)' .*/\1/p" | head -1)
within="$editor"
button OK
within="Inställningar"
expect "list item" "djur.dat" 10 "the options do not list the new list"
expect "list item" "quendo.dat" 5 "the options do not list the shipped list"
shot options-lists
button OK
within=""
expect_not dialog "Inställningar" 5 "the options dialog does not close"
[ "$(od -An -tx1 "$lists/djur.dat" | tr -d ' \n')" = "68756e640d0a" ] ||
    fail "the user's list djur.dat holds: $(od -An -c "$lists/djur.dat" 2>&1)"
button "Avsluta spelet"
expect "push button" "Ja" 5 "End does not ask"
button Ja
expect_exit 10 0
grep -aq $'^Sprache= 2000\r$' "$XDG_CONFIG_HOME/Quendo/Quendo.ini" ||
    fail "the user's Quendo.ini does not hold Sprache= 2000"
grep -aq $'^Datei2000=djur.dat\r$' "$XDG_CONFIG_HOME/Quendo/Quendo.ini" ||
    fail "the user's Quendo.ini does not name the Swedish list djur.dat"

say "second start: Swedish remembered, the user's own list played"
start_quendo "$root/usr/games/quendo"
expect_splash_then_board
expect "push button" "Starta spelet" 10 "the language chosen by flag was not remembered"
button "Starta spelet"
expect_enabled image H 10 "the strip takes no letters after Start"
click_on image H
click_on image U
click_on image N
click_on image D
expect "push button" "Nästa..." 10 "the word of the user's list was not solved by H U N D"
expect label "100" 5 "the solved word does not score 100"
shot user-word-solved
"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0

( cd "$root" && find . -printf '%p %y %m %s\n' | sort && find . -type f -exec sha256sum {} + | sort ) \
    >"$out/program-folder-after.txt"
diff -u "$out/program-folder-before.txt" "$out/program-folder-after.txt" ||
    fail "the program folder changed"
[ "$(start_count)" = 2 ] || fail "start counter: '$(start_count)', not 2"
[ "$(ls "$lists")" = "djur.dat" ] || fail "the user's list folder holds: $(ls "$lists")"
[ "$(od -An -tx1 "$lists/djur.dat" | tr -d ' \n')" = "68756e640d0a" ] || fail "the user's list changed"
[ ! -e "$XDG_CONFIG_HOME/Quendo/Quendo.EPT" ] || fail "an error log was written"

say "a user whose own folders cannot be written either is told so, once, at the start"
fresh_user_folders "$work/home2"
[ ${#as_user[@]} -eq 0 ] || chown -R "$player:" "$work/home2"
chmod 500 "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
start_quendo "$root/usr/games/quendo"
expect label "Quendo can write neither into its program folder nor into your own folders: settings and word lists will not be kept." \
    15 "no word that nothing will be kept"
shot nothing-kept
button OK
expect_not "push button" OK 10 "the message does not go"
expect_splash_then_board
expect "push button" "Spiel starten"
"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0
written=$(find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -mindepth 1)
[ -z "$written" ] || fail "written where nothing can be: $written"
chmod 700 "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

say "passed"
