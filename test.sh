#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/setup-common.sh"
quendo_install_missing "${QUENDO_TEST_PACKAGES[@]}"
quendo_build "$top"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)"
