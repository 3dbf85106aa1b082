#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quendo.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Quendo needs a graphical display, and none was found (DISPLAY is not set)." >&2
    echo "Start it from a desktop session, or under Xvfb: xvfb-run -a ./run.sh" >&2
    exit 1
fi
source "$top/setup-common.sh"
quendo_install_missing
if [ ! -x "$top/build/bin/Quendo" ]; then
    echo "Building Quendo for the first time: this takes a few minutes (about 3 on a 2-core machine)."
fi
quendo_build "$top"
exec "$top/build/bin/Quendo" "$@"
