#!/usr/bin/env bash
# Root reads any file, so the tests that make a file unreadable skip themselves when the suite
# runs as root (as CI does). Run them once more as the unprivileged user "nobody", and fail
# unless each really ran and passed.
#
#   scripts/unprivileged-tests.sh [BUILD_DIR]     (after ./test has built BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ "$(id -u)" != 0 ]; then
    echo "not root: the suite has run these tests already"
    exit 0
fi
sandbox=$(mktemp -d)
chmod 777 "$sandbox"
trap 'rm -rf "$sandbox"' EXIT

status=0
while read -r program filter; do
    if ! out=$(setpriv --reuid=65534 --regid=65534 --clear-groups \
                   env HOME="$sandbox" TMPDIR="$sandbox" QT_QPA_PLATFORM=offscreen \
                   "$build/tests/$program" --gtest_filter="$filter" 2>&1) \
        || ! grep -q '^\[  PASSED  \] 1 test' <<<"$out" \
        || grep -q '^\[  SKIPPED \]' <<<"$out"; then
        echo "$out"
        echo "unprivileged-tests: $filter did not run and pass" >&2
        status=1
    else
        echo "ran as nobody and passed: $filter"
    fi
done <<'LIST'
tests_platform_core IniSettingsStoreTest.UnreadableFileIsNeverReplaced
tests_reminders_core RecordStoreOpen.UnreadableFileIsRefused
LIST
exit $status
