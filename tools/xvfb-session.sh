# Sourced by the scripts that run the real program: a private Xvfb display and a copy of the
# program folder, both gone when the script ends.
#   xvfb_session DISPLAY-NUMBER SCREEN BUILD-FOLDER   sets $work and $work/prog
xvfb_session() {
    work=$(mktemp -d)
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_CONFIG_HOME="$work/config"
    Xvfb ":$1" -screen 0 "$2" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$1"
    trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    sleep 1
    cp -r "$3/bin" "$work/prog"
}
