#!/usr/bin/env bash
# The mail password against a real Secret Service: gnome-keyring on a private session bus,
# with a private home, so the user's own keyring is never reached. Two rounds, each on a bus
# of its own: a keyring started unlocked, and one that has no unlocked collection and no way
# to ask for a password, so it refuses.
#   keyring-test.sh TEST_PROGRAM
set -euo pipefail
program=$1

if [ "${2:-}" = "--round" ]; then
    round=$3
    if [ "$round" = unlocked ]; then
        eval "$(printf 'keyring-pw' | gnome-keyring-daemon --unlock --components=secrets)"
        filter='Keyring.*Unlocked*'
    else
        eval "$(gnome-keyring-daemon --start --components=secrets 2>/dev/null)"
        filter='Keyring.*Refusing*'
    fi
    status=0
    "$program" --gtest_filter="$filter" || status=$?
    pkill -u "$(id -u)" -f "gnome-keyring-daemon.*--components=secrets" -P $$ 2>/dev/null || true
    [ -n "${GNOME_KEYRING_PID:-}" ] && kill "$GNOME_KEYRING_PID" 2>/dev/null || true
    exit $status
fi

for tool in gnome-keyring-daemon dbus-run-session secret-tool; do
    command -v "$tool" >/dev/null || { echo "keyring test: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done
status=0
for round in unlocked refusing; do
    home=$(mktemp -d)
    mkdir -m 700 "$home/run"
    (
        export HOME="$home/home" XDG_RUNTIME_DIR="$home/run" XDG_DATA_HOME="$home/data" \
            XDG_CONFIG_HOME="$home/config" ORVANE_SETTINGS_DIR="$home/settings"
        mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$ORVANE_SETTINGS_DIR"
        unset DISPLAY WAYLAND_DISPLAY
        exec dbus-run-session -- bash "$0" "$program" --round "$round"
    ) || status=$?
    rm -rf "$home"
done
exit $status
