#!/usr/bin/env bash
# Orvane on a Wayland compositor: Weston headless with a private runtime folder, on its own
# socket, screenshots allowed (--debug). The windows in-process (tests_wayland), then the real
# program: it maps a window titled "Orvane", and a second start hands on its activation token
# and ends while the first runs on; the help program maps its window too. Run it on a private
# session bus (dbus-run-session) for the stand-in tray. Usage: wayland-test.sh BUILDDIR [SHOTS]
set -euo pipefail
build=$1
shots=${2:-}
work=$(mktemp -d)
pids=()
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "wayland: $*" >&2; exit 1; }

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime weston --backend=headless-backend.so --use-pixman \
    --socket=wl-orvane --idle-time=0 --debug --width=1280 --height=900 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/runtime/wl-orvane" ] && break; sleep 0.1; done
[ -S "$work/runtime/wl-orvane" ] || fail "Weston did not start: $(cat "$work/weston.log")"
unset DISPLAY
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$work/runtime/wl-orvane

ORVANE_WAYLAND_SHOTS=$shots "$build/tests/tests_wayland"

# The staged program over temporary folders of its own.
mkdir -p "$work/settings" "$work/home" "$work/own-runtime"
chmod 700 "$work/own-runtime"
cp -r "$build/app" "$work/app"
printf '[System]\nFirstStart=False\nAutoHide=True\n' >"$work/settings/settings.ini"
export ORVANE_APP_DIR=$work/app ORVANE_SETTINGS_DIR=$work/settings HOME=$work/home \
    XDG_RUNTIME_DIR=$work/own-runtime PULSE_SERVER=$work/no-sound-server
WAYLAND_DEBUG=client "$work/app/Orvane" 2>"$work/first.log" &
first=$!
pids+=($first)
mapped() { grep -q "xdg_toplevel@[0-9]*\\.set_title(\"$1" "$2"; }
for _ in $(seq 200); do mapped Orvane "$work/first.log" && break; sleep 0.1; done
mapped Orvane "$work/first.log" \
    || fail "the dashboard never mapped: $(grep -v '^\[' "$work/first.log" | tail -5)"
# The start-up picture stays three seconds; the picture of the screen waits for the dashboard.
if [ -n "$shots" ]; then sleep 4 && (cd "$shots" && timeout 10 weston-screenshooter); fi

XDG_ACTIVATION_TOKEN=from-the-launcher timeout 20 "$work/app/Orvane" \
    || fail "the second start did not end by itself"
kill -0 "$first" || fail "the first program ended when the second started"

WAYLAND_DEBUG=client "$work/app/Help/OrvaneHelp" 2>"$work/help.log" &
help=$!
pids+=($help)
for _ in $(seq 100); do mapped "Orvane HELP" "$work/help.log" && break; sleep 0.1; done
mapped "Orvane HELP" "$work/help.log" \
    || fail "the help program never mapped: $(grep -v '^\[' "$work/help.log" | tail -5)"
kill "$first" "$help"
wait "$first" "$help" || true
echo "wayland: the windows mapped, the program and its help ran, a second start handed over"
