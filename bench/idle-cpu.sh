#!/usr/bin/env bash
# Idle CPU of the running dashboard: starts build/app/Orvane on an X display over a temporary
# copy of the application folder and a fresh profile (advice box off), lets it settle, then
# reads utime+stime from /proc/<pid>/stat across the measuring span and prints the share of
# one core, and the wake-ups: voluntary context switches of all its threads per second.
# Target: under 0.5 %. With WEBCAMS=1 the webcam window is opened first from the dashboard's
# "WebCam" menu, as a user would (xdotool); target: at most 0.2 percentage points above the
# dashboard alone. CAM=1 also starts the cam fixture and shows its cam that refreshes every
# minute. FLOOR=1 measures the floor instead: a bare Qt window redrawing a clock once a second.
#
#   bench/idle-cpu.sh [SECONDS] [SETTLE_SECONDS]       (needs DISPLAY, e.g. an Xvfb)
set -eu
span=${1:-60}
settle=${2:-5}
app=${APP:-build/app}
[ -n "${DISPLAY:-}" ] || { echo "needs DISPLAY (start an Xvfb first)" >&2; exit 2; }
[ -x "$app/Orvane" ] || { echo "no $app/Orvane: build first" >&2; exit 2; }

run=$(mktemp -d /tmp/orvane-idle.XXXXXX)
pid=
fixture=
cleanup()
{
    [ -z "$fixture" ] || kill "$fixture" 2>/dev/null || true
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid"
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$run"
}
trap cleanup EXIT

cp -a "$app" "$run/app"
mkdir -p "$run/settings" "$run/config" "$run/home" "$run/runtime"
chmod 700 "$run/runtime"
printf '[System]\nAutoHide=True\n' >"$run/settings/settings.ini"
program="$run/app/Orvane"
if [ "${FLOOR:-0}" = 1 ]; then
    program=${FLOOR_PROGRAM:-build/bench/bench_clockfloor}
fi
if [ "${CAM:-0}" = 1 ]; then
    WEBCAMS=1
    build/tools/cam-fixture/cam-fixture "${CAM_PORT:-18093}" --favourites "$run/app/favorites.dat" \
        >"$run/cam.log" 2>&1 &
    fixture=$!
    sleep 1
fi
env HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" XDG_CONFIG_HOME="$run/config" \
    ORVANE_APP_DIR="$run/app" ORVANE_SETTINGS_DIR="$run/settings" QT_QPA_PLATFORM=xcb \
    "$program" >"$run/app.log" 2>&1 &
pid=$!
sleep "$settle"
kill -0 "$pid" 2>/dev/null || { echo "the program ended early:" >&2; cat "$run/app.log" >&2; exit 1; }
if [ "${WEBCAMS:-0}" = 1 ]; then
    # The menu title and its first entry, relative to the dashboard's client area.
    dash=$(xdotool search --pid "$pid" --name '^Orvane ' | head -n 1)
    xdotool mousemove --window "$dash" 524 10 click 1
    sleep 0.5
    xdotool mousemove --window "$dash" 570 32 click 1
    sleep "$settle"
    xdotool search --pid "$pid" --name '^ORVANE WebCam$' >/dev/null \
        || { echo "the webcam window did not open" >&2; exit 1; }
    if [ "${CAM:-0}" = 1 ]; then
        # The third cam in the tree, "Harbour Lighthouse", refreshes every 60 s.
        cams=$(xdotool search --pid "$pid" --name '^ORVANE WebCam$' | head -n 1)
        xdotool mousemove --window "$cams" 95 163 click 1
        sleep "$settle"
    fi
fi

# Fields 14 and 15 of the stat line (utime, stime) in clock ticks; the name field may hold
# spaces, so count from the closing parenthesis.
cpu_ticks() { sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }'; }
# Voluntary context switches per thread ("tid count" lines): each is a sleep, so each is a
# wake-up. A thread that ends during the span is left out; one that starts counts whole.
wakeups()
{
    for task in /proc/"$pid"/task/*; do
        awk -v tid="${task##*/}" '/^voluntary_ctxt_switches/ { print tid, $2 }' "$task/status" 2>/dev/null
    done
}
hz=$(getconf CLK_TCK)
t0=$(cpu_ticks); wakeups >"$run/w0"; s0=$(date +%s.%N)
sleep "$span"
t1=$(cpu_ticks); wakeups >"$run/w1"; s1=$(date +%s.%N)
woken=$(awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n + 0 }' \
    "$run/w0" "$run/w1")
awk -v t0="$t0" -v t1="$t1" -v w0=0 -v w1="$woken" -v s0="$s0" -v s1="$s1" -v hz="$hz" 'BEGIN {
    cpu = (t1 - t0) / hz; wall = s1 - s0
    printf "idle CPU over %.1f s: %.2f s of CPU = %.3f %% of one core (target < 0.5 %%); %.2f wake-ups/s\n",
           wall, cpu, 100 * cpu / wall, (w1 - w0) / wall
}'
