# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

# The build, and the Debian package (dpkg-dev and file name its dependencies). The speech
# module builds against Qt TextToSpeech (whose 6.4 header needs Qt Declarative's) and speaks
# through speech-dispatcher with espeak-ng voices for every interface language.
QUENDO_PACKAGES=(cmake g++ make qt6-base-dev qt6-multimedia-dev libgl-dev libx11-dev
                 dpkg-dev file qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
                 speech-dispatcher speech-dispatcher-espeak-ng espeak-ng)
# What test.sh needs besides: appstream, lintian and desktop-file-utils check the package; the
# end-to-end runs need a real X server, xdotool, ImageMagick, the window list, and the session
# and accessibility buses; the tests see only the DejaVu fonts of a fresh machine
# (tests/fonts.conf); the spoken run needs a sound server with a null sink.
QUENDO_TEST_PACKAGES=(appstream lintian desktop-file-utils xvfb xauth xdotool imagemagick
                      x11-utils dbus-daemon at-spi2-core python3-pyatspi
                      fonts-dejavu-core fonts-dejavu-extra pulseaudio pulseaudio-utils)

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

# quendo_build TOP [FOLDER [CMAKE-ARGUMENTS...]]: configures FOLDER (default TOP/build) once with
# the arguments given, then builds it.
quendo_build() {
    local top="$1"
    local dir="${2:-$1/build}"
    shift $(($# < 2 ? $# : 2))
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
    fi
    cmake --build "$dir" -j"$jobs"
}
