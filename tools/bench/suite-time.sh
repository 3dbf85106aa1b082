#!/usr/bin/env bash
# How long ./test.sh takes from a clean clone: the build without ccache, then every test.
#   tools/bench/suite-time.sh [REVISION ...]     (default: HEAD)
# Each revision is cloned from this repository into a folder of its own under /tmp and run
# there in turn; leave the machine idle meanwhile. Prints the whole time and CTest's share.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d /tmp/quendo-suite-time.XXXXXX)
chmod 755 "$work" # the installed-copy run plays as another user, who reads its scripts here
trap 'rm -rf "$work"' EXIT
for revision in "${@:-HEAD}"; do
    commit=$(git -C "$top" rev-parse --short "$revision")
    git clone --quiet "$top" "$work/$commit"
    git -C "$work/$commit" checkout --quiet "$commit"
    start=$(date +%s)
    status=0
    (cd "$work/$commit" && env -u CMAKE_CXX_COMPILER_LAUNCHER CCACHE_DISABLE=1 ./test.sh) \
        >"$work/$commit.log" 2>&1 || status=$?
    seconds=$(($(date +%s) - start))
    tests=$(grep -o 'Total Test time (real) = *[0-9.]* sec' "$work/$commit.log" | grep -o '[0-9.]*' || echo '?')
    echo "$commit: ./test.sh $seconds s (the tests $tests s), status $status"
    [ "$status" -eq 0 ] || tail -20 "$work/$commit.log"
    rm -rf "${work:?}/$commit"
done
