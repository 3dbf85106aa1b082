# Sourced by the scripts that run the real program: a private Xvfb display and a copy of the
# program folder, both gone when the script ends. The program sees the fonts the tests see,
# those of a fresh machine, so the screenshots show what a user of a fresh machine sees.
#   xvfb_session DISPLAY-NUMBER SCREEN BUILD-FOLDER   sets $work and $work/prog
xvfb_session() {
    work=$(mktemp -d)
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_CONFIG_HOME="$work/config"
    export FONTCONFIG_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/fonts.conf"
    Xvfb ":$1" -screen 0 "$2" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$1"
    trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    sleep 1
    cp -r "$3/bin" "$work/prog"
}

# Shared by the benchmarks that measure the running program.
status_mb() { # field $2 (VmHWM, VmRSS) of process $1, in MB with one decimal
    awk -v f="$2:" '$1 == f { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}
board_window() { # the main window once it shows (the splash has the same title)
    local w
    for _ in $(seq 300); do
        for w in $(xdotool search --onlyvisible --name '^Quendo$' 2>/dev/null); do
            if xdotool getwindowgeometry "$w" 2>/dev/null | grep -qE 'Geometry: [7-9][0-9]{2}x'; then
                echo "$w"; return
            fi
        done
        sleep 0.1
    done
    return 1
}
