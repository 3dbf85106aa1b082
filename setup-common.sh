# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

# The tests need, besides the build: dpkg-dev and file (the package's dependencies), appstream
# (the metainfo), and for the end-to-end run a real X server, xdotool, ImageMagick, Xlib for the
# window manager's close request, and the accessibility bus.
QUENDO_PACKAGES=(cmake g++ make qt6-base-dev qt6-multimedia-dev libgl-dev
                 dpkg-dev file appstream
                 xvfb xauth xdotool imagemagick x11-utils libx11-dev)

quendo_install_missing() {
    local missing=()
    for p in "${QUENDO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

quendo_build() {
    local top="$1"
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    if [ ! -f "$top/build/CMakeCache.txt" ]; then
        cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || return 1
    fi
    cmake --build "$top/build" -j"$jobs"
}
