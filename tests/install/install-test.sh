#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop entry and the metainfo,
# and starts the installed launcher offscreen with a temporary home: the program makes its
# data folder from the shipped databases, runs, and ends cleanly on SIGTERM, writing its
# lists there and nothing into the installed folder. Every wait is bounded.
set -euo pipefail
build=$1
run=$(mktemp -d /tmp/orvane-install.XXXXXX)
trap 'rm -rf "$run"' EXIT
prefix=$run/prefix
id=org.example.orvane.Orvane
fail() { echo "install test: $*" >&2; [ -f "$run/out.log" ] && cat "$run/out.log" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$run/install.log" || { cat "$run/install.log"; fail "cmake --install failed"; }
for f in bin/orvane lib/orvane/Orvane lib/orvane/libPostil.so lib/orvane/Events.mdb \
         lib/orvane/Alarms/Bell.wav share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
         share/icons/hicolor/scalable/apps/$id.svg; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry refused"
grep -qx "Exec=$prefix/bin/orvane" "$prefix/share/applications/$id.desktop" || fail "Exec is not the launcher"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" \
    || fail "metainfo refused"

home=$run/home
mkdir -p "$home" "$run/runtime"
chmod 700 "$run/runtime"
data=$home/.local/share/Orvanenm
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$run/runtime" QT_QPA_PLATFORM=offscreen \
    ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS} \
    timeout -s KILL 90 "$prefix/bin/orvane" >"$run/out.log" 2>&1 &
pid=$!
# Loaded once the missed-days step has stored the day it ran.
settings=$home/.config/Orvanenm/settings.ini
for _ in $(seq 1 300); do
    grep -qi '^LastUsed=' "$settings" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended while starting"
    sleep 0.1
done
grep -qi '^LastUsed=' "$settings" 2>/dev/null || fail "the installed program did not load in 30 s"
for db in Events Bills Address; do
    [ -f "$data/$db.mdb" ] || fail "$data/$db.mdb was not made"
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
for f in List.txt Album.txt; do
    [ -f "$data/$f" ] || fail "$f was not written to the data folder"
    [ ! -e "$prefix/lib/orvane/$f" ] || fail "$f was written into the installed folder"
done
echo "install test: ok ($prefix, data in $data)"
