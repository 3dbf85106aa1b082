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
