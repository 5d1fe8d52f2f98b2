#!/usr/bin/env bash
# Takes the screens a newcomer meets, under a private Xvfb with a window manager (openbox):
# the fresh dashboard, each sub-panel opened over it, the add-music window after adding
# files, a box during start-up and the CD error box. Every screen is a fresh start of the
# staged program over temporary folders; nothing of the user's is read or written.
#
#   tools/screens.sh OUTDIR [APPDIR]      (APPDIR: the staged program, default build/app)
#
# The pictures in docs/screens/ were taken with it, before and after a change, to compare.
set -euo pipefail
out=$1
app=${2:-build/app}
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh" xvfb xauth imagemagick openbox xdotool x11-utils
[ -x "$app/Orvane" ] || { echo "no $app/Orvane: build first" >&2; exit 2; }
mkdir -p "$out"

for n in $(seq 150 190); do [ -e /tmp/.X11-unix/X$n ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

run="" pid=""
start() { # start SETTINGS-INI-TEXT [prepare-command]
    run=$(mktemp -d /tmp/orvane-screens.XXXXXX)
    cp -a "$app" "$run/app"
    mkdir -p "$run/settings" "$run/config" "$run/home" "$run/runtime"
    chmod 700 "$run/runtime"
    printf '%s\n' "$1" >"$run/settings/settings.ini"
    [ $# -gt 1 ] && eval "$2"
    env HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" XDG_CONFIG_HOME="$run/config" \
        ORVANE_APP_DIR="$run/app" ORVANE_SETTINGS_DIR="$run/settings" QT_QPA_PLATFORM=xcb \
        PULSE_SERVER="$run/runtime/none" "$run/app/Orvane" >"$run/log" 2>&1 &
    pid=$!
    sleep 5
}
stop() {
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$run"
}
shot() { import -window root "$out/$1.png" && echo "$out/$1.png"; }

# Clicks a point of the dashboard's surface (below its menu bar).
dashboard() { xdotool search --onlyvisible --name '^Orvane  ' | head -n1; }
click() {
    local wid
    wid=$(dashboard)
    xdotool mousemove --window "$wid" "$1" $(($2 + 22)) click 1
    sleep 1
}

quiet='[System]
Tips=False
AutoHide=True'

start '[System]'; shot 00-first-start-box; stop
start "$quiet"; shot 01-dashboard; stop
start "$quiet"; click 690 196; shot 02-events; stop
start "$quiet"; click 456 305; shot 03-bills; stop
start "$quiet"; click 642 311; shot 04-address-book; stop
start "$quiet"; click 37 137; shot 05-alarm-settings; stop
start "$quiet
LastUsed=$(date -d '4 days ago' +%m/%d/%Y)"
shot 06-missed-days; stop

start "$quiet" 'for s in one two three; do : >"$run/home/$s.mp3"; done'
click 342 485
find=$(xdotool search --onlyvisible --name '^Add Music$' | head -n1)
xdotool mousemove --window "$find" 200 60 click 1 key ctrl+a
eval "$(xdotool getwindowgeometry --shell "$find")"
xdotool mousemove --window "$find" $((WIDTH - 125)) $((HEIGHT - 24)) click 1
sleep 1; shot 07-add-music-box
xdotool key Return; sleep 1; shot 08-add-music-after; stop

start "$quiet" 'rm "$run/app/Address.mdb"'; shot 09-startup-box; stop
start "$quiet
[Clock]
AlarmType=CD"
shot 10-cd-error; stop
