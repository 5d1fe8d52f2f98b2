#!/usr/bin/env bash
# The program read over the real accessibility bus: a private session bus (dbus-run-session
# runs this script), the bus's own accessibility bus started on demand, a private X server, the
# weather fixture on a free loopback port, and the staged program over temporary folders. The
# reading and the presses are the Python script's, through pyatspi as a screen reader goes.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
run=$(mktemp -d /tmp/orvane-atspi.XXXXXX)
pids=()
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT

free_port()
{
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

display=""
for n in $(seq 140 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "atspi: no free display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
pids+=($!)

port=$(free_port)
"$build/tools/weather-fixture/weather-fixture" "$port" >"$run/fixture.log" 2>&1 &
pids+=($!)

cp -a "$build/app" "$run/app"
# One cam, at an address nobody answers: its name and the status line are what is read.
printf '[Harbour]\r\nAddress=http://127.0.0.1:%s/harbour.jpg\r\nUpdateInterval=60\r\n' "$(free_port)" \
    >"$run/app/favorites.dat"
mkdir -p "$run/settings" "$run/home" "$run/runtime"
chmod 700 "$run/runtime"
cat >"$run/settings/settings.ini" <<INI
[System]
AutoHide=True
NoWeather=0
USA=80917
USWorld=none
WeatherSource=pages
WeatherHost=http://127.0.0.1:$port
INI

for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
# A window manager, so the program's window is active and takes the focus as on a desktop.
DISPLAY="$display" openbox >"$run/openbox.log" 2>&1 &
pids+=($!)
# The accessibility bus up before the program, which looks for it once as it starts.
dbus-update-activation-environment DISPLAY="$display" 2>/dev/null || true
timeout 20 /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount'
env HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    ORVANE_APP_DIR="$run/app" ORVANE_SETTINGS_DIR="$run/settings" \
    timeout -s KILL 90 "$run/app/Orvane" >"$run/orvane.log" 2>&1 &
pids+=($!)

if ! DISPLAY="$display" timeout -s KILL 80 /usr/bin/python3 "$here/read-dashboard.py"; then
    echo "--- program output" >&2; tail -n 40 "$run/orvane.log" >&2
    # What the screen showed, for whoever looks into it.
    DISPLAY="$display" import -window root "${TMPDIR:-/tmp}/orvane-atspi-failed.png" 2>/dev/null \
        && echo "atspi: the screen at the failure: ${TMPDIR:-/tmp}/orvane-atspi-failed.png" >&2
    exit 1
fi
