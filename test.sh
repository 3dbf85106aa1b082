#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/;
#                         any finding fails the test that made it
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
source "$top/setup-common.sh"
quendo_install_missing "${QUENDO_TEST_PACKAGES[@]}"
jobs=$(nproc 2>/dev/null || echo 2)
case "${1:-}" in
"")
    quendo_build "$top"
    cd "$top/build"
    ;;
--sanitize)
    flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    quendo_build "$top" "$top/build-sanitize" \
        -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined"
    cd "$top/build-sanitize"
    export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp"
    ;;
*)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
