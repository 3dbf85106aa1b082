#!/usr/bin/env bash
# Plays the packaged program as an ordinary user whose program folder is read-only, as after
# `apt install`: the language chosen by flag and the changed word list go to the user's
# folders, nothing into the program folder; a user who can write nowhere is told so.
#   e2e_installed.sh BUILD-FOLDER   (the package made by package.sh)
source "$(dirname "$0")/lib.sh"
e2e_begin installed "$1"

debs=("$build"/quendo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no package in $build: run package.sh first"
root="$work/root"
dpkg-deb -x "${debs[0]}" "$root"
fresh_user_folders "$work/home"
if [ "$(id -u)" -eq 0 ]; then
    # As root every folder can be written: play as an ordinary user, who owns only his home.
    player=quendo-e2e
    id "$player" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$player"
    chown -R "$player:" "$work/home"
    as_user=(setpriv --reuid="$player" --regid="$player" --init-groups --)
else
    chmod -R a-w "$root"
fi
snapshot() { (cd "$root" && find . -printf '%p %y %m %s\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$out/program-folder-before.txt"
start_x 1024x768x24
unset LC_ALL LANGUAGE
export LANG=en_GB.UTF-8
start_bus

say "the Swedish flag, and a word added to the shipped list"
start_quendo "$root/usr/games/quendo"
expect_splash_then_board
click_on image Svenska
expect "push button" "Starta spelet" 10 "the Swedish flag did not switch the language"
button "Inställningar"
within="Inställningar"
button "Redigera ordlista"
within="quendo.dat"
expect "list item" "Banan" 10 "the editor does not show the shipped list"
click_on text "Lägg till" # typed into once the click has given it the keyboard focus
atspi focused text "Lägg till" >/dev/null || fail "the text field does not take the focus"
xdotool type hund
button "Lägg till"
button Spara
button OK
within="Inställningar"
button OK
within=""
expect_not dialog "Inställningar" 5 "the options dialog does not close"
button "Avsluta spelet"
button Ja
expect_exit 10 0
snapshot | diff -u "$out/program-folder-before.txt" - || fail "the program folder changed"
grep -aq $'^Sprache= 2000\r$' "$XDG_CONFIG_HOME/Quendo/Quendo.ini" || fail "the user's Quendo.ini does not hold Sprache= 2000"
grep -aq $'^hund\r$' "$XDG_DATA_HOME/Quendo/svenska/quendo.dat" || fail "the user's list does not hold hund"
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
expect_splash_then_board
"$tools/wmclose" "$main_wid" || fail "the close request could not be sent"
expect_exit 10 0
[ -z "$(find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -mindepth 1)" ] || fail "written where nothing can be"
chmod 700 "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
say "passed"
