# Shared by the end-to-end scripts: a private X server and session bus, the real program
# started as a person starts it, controls found by their accessible names, and checks that stop
# the run at the first failure with a screenshot. Sourced, not run.
#   e2e_begin NAME BUILD-FOLDER   sets $work (a private folder), $out (build/e2e/NAME) and $tools
set -euo pipefail

e2e_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
as_user=()   # the command prefix that runs a command as the player (empty: as we are)
app_pid=""
e2e_started=$SECONDS

e2e_begin() {
    local name="$1"
    build="$(cd "$2" && pwd)"
    out="$build/e2e/$name"
    tools="$build/tests/e2e"
    rm -rf "$out"
    mkdir -p "$out"
    work=$(mktemp -d /tmp/quendo-e2e.XXXXXX)
    chmod 755 "$work"
    xvfb_pid=""
    bus_pid=""
    shot_no=0
    trap e2e_end EXIT
}

e2e_end() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        shot failure 2>/dev/null || true
    fi
    local pid
    for pid in "$app_pid" "$bus_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    done
    for pid in "$app_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then wait "$pid" 2>/dev/null || true; fi
    done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
    echo "$(elapsed) end-to-end run ended with status $status; screenshots in $out"
    exit "$status"
}

elapsed() { printf '[%3ds]' $((SECONDS - e2e_started)); }
say() { echo "$(elapsed) $*"; }
fail() {
    echo "$(elapsed) FAIL: $*" >&2
    exit 1
}

# A screenshot of the whole screen, numbered in the order taken.
shot() {
    shot_no=$((shot_no + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$out" "$shot_no" "$1")
    import -display "$DISPLAY" -window root "$file"
    last_shot="$file"
}

# A private X server (as a child has it: no window manager), its number chosen by the server.
start_x() {
    local size="$1"
    Xvfb -displayfd 5 -screen 0 "$size" -nolisten tcp -noreset 5>"$work/display" \
        >"$out/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local deadline=$((SECONDS + 10))
    until [ -s "$work/display" ]; do
        [ $SECONDS -lt $deadline ] || fail "the X server did not start within 10 s"
        sleep 0.1
    done
    DISPLAY=":$(head -1 "$work/display")"
    export DISPLAY
    say "X server on $DISPLAY"
}

# A session bus for the player, and the accessibility bus it starts on request, ready before
# the program starts so that the program shows itself to screen readers.
start_bus() {
    local address_file="$work/bus"
    "${as_user[@]}" dbus-daemon --session --fork --nopidfile --print-address=5 --print-pid=6 \
        5>"$address_file" 6>"$work/bus.pid" 2>>"$out/dbus.log"
    bus_pid=$(head -1 "$work/bus.pid")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$address_file")
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    export NO_AT_BRIDGE=0
    timeout 20 "${as_user[@]}" /usr/bin/python3 "$e2e_here/atspi.py" ready 2>>"$out/dbus.log" ||
        fail "the accessibility bus did not answer within 20 s"
}

# The player's fresh folders below $1.
fresh_user_folders() {
    local home="$1"
    mkdir -p "$home/.config" "$home/.local/share" "$home/run"
    chmod 700 "$home/run"
    export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    export XDG_RUNTIME_DIR="$home/run"
}

# Controls are looked up in every window, or only in the window named $within when it is set.
within=""
atspi() {
    local command="$1"
    shift
    timeout 60 "${as_user[@]}" /usr/bin/python3 "$e2e_here/atspi.py" "$command" \
        ${within:+--in "$within"} "$@"
}

# Clicks the upper or lower arrow of a scroll bar ("up" or "down") found by its name.
click_arrow() {
    local box x y w h
    box=$(atspi box "scroll bar" "$1") || fail "no scroll bar '$1'"
    read -r x y w h <<<"$box"
    if [ "$2" = up ]; then
        xdotool mousemove $((x + w / 2)) $((y + h / 4)) click 1
    else
        xdotool mousemove $((x + w / 2)) $((y + h - 1 - h / 4)) click 1
    fi
    sleep 0.2
}

# Clicks the centre of a showing control found by role and name.
click_on() {
    local role="$1" name="$2" at
    at=$(atspi find "$role" "$name") || fail "no $role '$name' to click"
    # shellcheck disable=SC2086
    xdotool mousemove $at click 1
    sleep 0.15
}
button() { click_on "push button" "$1"; }
expect() { atspi find --timeout "${3:-10}" "$1" "$2" >/dev/null || fail "${4:-$1 '$2' does not show}"; }
expect_enabled() { atspi enabled --timeout "${3:-10}" "$1" "$2" >/dev/null || fail "${4:-$1 '$2' takes no clicks}"; }
expect_not() { atspi absent --timeout "${3:-10}" "$1" "$2" || fail "${4:-$1 '$2' still shows}"; }

# Keys typed as a person types them, into the window that has the focus.
type_keys() {
    local k
    for k in "$@"; do
        xdotool key --window "$main_wid" "$k"
        sleep 0.15
    done
}

# The visible top-level windows titled Quendo, one "ID WIDTHxHEIGHT" a line.
quendo_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quendo$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$id ${WIDTH}x${HEIGHT}"
    done
}

# Starts the program; its output goes to $out/quendo-N.log.
run_no=0
start_quendo() {
    run_no=$((run_no + 1))
    "${as_user[@]}" "$1" >"$out/quendo-$run_no.log" 2>&1 &
    app_pid=$!
}

# Waits for the splash, then for the main window alone; sets $main_wid.
expect_splash_then_board() {
    local deadline=$((SECONDS + 10)) windows
    until windows=$(quendo_windows) && [ -n "$windows" ]; do
        [ $SECONDS -lt $deadline ] || fail "no window within 10 s of the start"
        sleep 0.1
    done
    shot splash
    local first
    first=$(echo "$windows" | head -1)
    [ "$(echo "$windows" | wc -l)" -eq 1 ] || fail "more than the splash at first: $windows"
    case "${first#* }" in
    [1-7][0-9][0-9]x*) ;; # the info box, smaller than any board
    *) fail "the first window is not the splash: $first" ;;
    esac
    deadline=$((SECONDS + 10))
    until windows=$(quendo_windows) && [ "$(echo "$windows" | wc -l)" -eq 1 ] &&
        [ "${windows%% *}" != "${first%% *}" ]; do
        [ $SECONDS -lt $deadline ] || fail "the splash did not give way to the board: $windows"
        sleep 0.1
    done
    main_wid="${windows%% *}"
    say "splash ${first#* }, then the board ${windows#* }"
}

# Waits for the program to end; fails unless it ends within $1 seconds with status $2.
expect_exit() {
    local deadline=$((SECONDS + $1)) status=0
    while kill -0 "$app_pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the program still runs $1 s later"
        sleep 0.1
    done
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq "$2" ] || fail "the program ended with status $status, not $2"
}

# The start counter in the per-user settings store.
start_count() {
    sed -n 's/^StartVal=//p' "$XDG_CONFIG_HOME/Quendo/Quendo.conf" 2>/dev/null | tr -d '\r'
}

# Whether two screenshots differ inside a rectangle WxH+X+Y.
differ_in() {
    /usr/bin/convert "$1" -crop "$3" +repage "$work/a.png"
    /usr/bin/convert "$2" -crop "$3" +repage "$work/b.png"
    local pixels
    pixels=$(/usr/bin/compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)
    [ "${pixels%% *}" != "0" ]
}
