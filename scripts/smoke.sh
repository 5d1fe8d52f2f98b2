#!/usr/bin/env bash
# Smoke run: starts the staged program on the offscreen platform over a temporary settings
# and application folder, checks it is alive after 5 s, sends SIGTERM, and checks it exits
# with status 0 having written its list files. Every wait is bounded.
set -euo pipefail
app=${1:-build/app}
[ -x "$app/Orvane" ] || { echo "smoke: no $app/Orvane" >&2; exit 1; }
run=$(mktemp -d /tmp/orvane-smoke.XXXXXX)
trap 'rm -rf "$run"' EXIT
cp -a "$app" "$run/app"
rm -f "$run/app/List.txt" "$run/app/Album.txt"
mkdir -p "$run/settings" "$run/config" "$run/home" "$run/runtime"
chmod 700 "$run/runtime"

env HOME="$run/home" XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime" \
    ORVANE_APP_DIR="$run/app" ORVANE_SETTINGS_DIR="$run/settings" QT_QPA_PLATFORM=offscreen \
    timeout -s KILL 60 "$run/app/Orvane" >"$run/out.log" 2>&1 &
pid=$!
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "smoke: Orvane died within 5 s" >&2; cat "$run/out.log" >&2; exit 1
fi
kill -TERM "$pid"
status=0
for _ in $(seq 1 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$pid" 2>/dev/null; then
    echo "smoke: Orvane still running 10 s after SIGTERM" >&2
    kill -KILL "$pid"; exit 1
fi
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "smoke: exit status $status" >&2; cat "$run/out.log" >&2; exit 1; }
for f in List.txt Album.txt; do
    [ -f "$run/app/$f" ] || { echo "smoke: $f was not written" >&2; exit 1; }
done
[ -f "$run/settings/settings.ini" ] || echo "smoke: note: no settings written"
echo "smoke: ok (alive after 5 s, exit 0 on SIGTERM, list files written)"
