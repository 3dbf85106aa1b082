# Shared by the end-to-end scripts: a private X server and session bus, the real program
# started as a person starts it, controls found by their accessible names, and checks that stop
# the run at the first failure with a screenshot. Every step waits for what it needs, with a
# timeout that fails clearly. Sourced, not run.
#   e2e_begin NAME BUILD-FOLDER   sets $work (a private folder), $out (build/e2e/NAME) and $tools
set -euo pipefail

e2e_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
as_user=() # the command prefix that runs a command as the player (empty: as we are)
app_pid="" xvfb_pid="" bus_pid="" within="" shot_no=0 run_no=0

e2e_begin() {
    build="$(cd "$2" && pwd)"
    out="$build/e2e/$1"
    tools="$build/tests/e2e"
    rm -rf "$out" && mkdir -p "$out"
    work=$(mktemp -d /tmp/quendo-e2e.XXXXXX)
    chmod 755 "$work"
    trap e2e_end EXIT
}

e2e_end() {
    local status=$? pid
    [ "$status" -eq 0 ] || [ -z "${DISPLAY:-}" ] || shot failure 2>/dev/null || true
    for pid in $app_pid $bus_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    for pid in $app_pid $xvfb_pid; do wait "$pid" 2>/dev/null || true; done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
    say "end-to-end run ended with status $status; screenshots in $out"
    exit "$status"
}

say() { printf '[%3ds] %s\n' $SECONDS "$*"; }
fail() { say "FAIL: $*" >&2 && exit 1; }

# Runs a command every 0.1 s until it succeeds; fails with the message after SECONDS.
wait_until() {
    local deadline=$((SECONDS + $1)) message="$2"
    shift 2
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "$message"
        sleep 0.1
    done
}

# A screenshot of the whole screen, numbered in the order taken.
shot() {
    shot_no=$((shot_no + 1))
    last_shot=$(printf '%s/%02d-%s.png' "$out" $shot_no "$1")
    import -display "$DISPLAY" -window root "$last_shot"
}

# A private X server (as a child has it: no window manager), its number chosen by the server.
start_x() {
    Xvfb -displayfd 5 -screen 0 "$1" -nolisten tcp -noreset 5>"$work/display" >"$out/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until 10 "the X server did not start within 10 s" test -s "$work/display"
    export DISPLAY=":$(head -1 "$work/display")"
}

# A session bus for the player, and the accessibility bus it starts on request, ready before
# the program starts so that the program shows itself to screen readers.
start_bus() {
    "${as_user[@]}" dbus-daemon --session --fork --nopidfile --print-address=5 --print-pid=6 \
        5>"$work/bus" 6>"$work/bus.pid" 2>>"$out/dbus.log"
    bus_pid=$(head -1 "$work/bus.pid")
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
    timeout 20 "${as_user[@]}" /usr/bin/python3 "$e2e_here/atspi.py" ready 2>>"$out/dbus.log" ||
        fail "the accessibility bus did not answer within 20 s"
}

# The player's fresh folders below $1.
fresh_user_folders() {
    mkdir -p "$1/.config" "$1/.local/share" "$1/run"
    chmod 700 "$1/run"
    export HOME="$1" XDG_CONFIG_HOME="$1/.config" XDG_DATA_HOME="$1/.local/share" XDG_RUNTIME_DIR="$1/run"
}

# Controls are looked up in every window, or only in the window named $within when it is set.
atspi() {
    local command="$1"
    shift
    timeout 60 "${as_user[@]}" /usr/bin/python3 "$e2e_here/atspi.py" "$command" ${within:+--in "$within"} "$@"
}
expect() { atspi find --timeout "${3:-10}" "$1" "$2" >/dev/null || fail "${4:-$1 '$2' does not show}"; }
expect_not() { atspi absent --timeout "${3:-10}" "$1" "$2" || fail "${4:-$1 '$2' still shows}"; }

# Clicks the centre of a showing control found by role and name.
click_on() {
    local at
    at=$(atspi find "$1" "$2") || fail "no $1 '$2' to click"
    xdotool mousemove $at click 1
}
button() { click_on "push button" "$1"; }

# The visible top-level windows titled Quendo, one "ID WIDTHxHEIGHT" a line.
quendo_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quendo$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$id ${WIDTH}x${HEIGHT}"
    done
}

# Starts the program; its output goes to $out/quendo-N.log.
start_quendo() {
    run_no=$((run_no + 1))
    "${as_user[@]}" "$1" >"$out/quendo-$run_no.log" 2>&1 &
    app_pid=$!
}

# Waits for the splash (smaller than any board) alone, then for the main window alone.
one_window() { windows=$(quendo_windows) && [ "$(echo "$windows" | grep -c .)" -eq 1 ]; }
splash_gone() { one_window && [ "${windows%% *}" != "${splash%% *}" ]; }
expect_splash_then_board() {
    wait_until 10 "no window within 10 s of the start" one_window
    splash="$windows"
    shot splash
    [[ "${splash#* }" =~ ^[1-7][0-9][0-9]x ]] || fail "the first window is not the splash: $splash"
    wait_until 10 "the splash did not give way to the board alone" splash_gone
    main_wid="${windows%% *}"
    say "splash ${splash#* }, then the board ${windows#* }"
}

# Waits for the program to end within $1 seconds; fails unless its status is $2.
expect_exit() {
    local status=0
    wait_until "$1" "the program still runs $1 s later" eval '! kill -0 "$app_pid" 2>/dev/null'
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq "$2" ] || fail "the program ended with status $status, not $2"
}
