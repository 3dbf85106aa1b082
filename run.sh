#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quendo.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/setup-common.sh"
quendo_install_missing
quendo_build "$top" >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Quendo needs a graphical display, and none was found (DISPLAY is not set)." >&2
    echo "Start it from a desktop session, or under Xvfb: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec "$top/build/bin/Quendo" "$@"
