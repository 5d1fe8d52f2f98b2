#!/usr/bin/env bash
# The player driven from the desktop's side: the staged program on a private session bus
# (dbus-run-session runs this script), a private X server with a window manager, and a
# private PulseAudio with a null sink, so it really plays. playerctl drives it as media keys
# and scripts do; gdbus reads its interfaces; a click on the player's own Pause button must
# show on the bus too.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
run=$(mktemp -d /tmp/orvane-mpris.XXXXXX)
pids=()
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT
fail() { echo "mpris: $*" >&2; exit 1; }
# Waits up to 10 s for a command's output to be the expected text.
expect()
{
    local want=$1 got=""
    shift
    for _ in $(seq 1 100); do
        got=$("$@" 2>/dev/null || true)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "$* gave '$got', not '$want'"
}

mkdir -p "$run/settings" "$run/home" "$run/runtime" "$run/music"
chmod 700 "$run/runtime"
export HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime"

display=""
for n in $(seq 200 259); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "$display" ] || fail "no free display"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
pids+=($!)
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=nullsink" --load=module-always-sink >"$run/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$run/runtime/pulse/native" ] && break; sleep 0.1; done
[ -S "$run/runtime/pulse/native" ] || fail "pulseaudio did not start: $(cat "$run/pulse.log")"
export PULSE_SERVER="unix:$run/runtime/pulse/native"

# Long enough that no song ends during the test; the short one has tags.
sox -n -r 44100 -c 2 "$run/music/one.wav" synth 60 sine 440 vol 0.2
cp "$(dirname "$0")/../data/media/tone.mp3" "$run/music/tagged.mp3"
cp -a "$build/app" "$run/app"
printf '"%s"\r\n"%s"\r\n' "$run/music/one.wav" "$run/music/tagged.mp3" >"$run/app/List.txt"
printf '[System]\nAutoHide=True\nFirstStart=False\n' >"$run/settings/settings.ini"

for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY="$display" openbox >"$run/openbox.log" 2>&1 &
pids+=($!)
env DISPLAY="$display" QT_QPA_PLATFORM=xcb ORVANE_APP_DIR="$run/app" \
    ORVANE_SETTINGS_DIR="$run/settings" "$run/app/Orvane" >"$run/orvane.log" 2>&1 &
program=$!
pids+=($program)

expect orvane playerctl -l
expect Stopped playerctl status

# The interfaces as MPRIS 2 defines them.
introspection=$(gdbus introspect --session --dest org.mpris.MediaPlayer2.orvane \
    --object-path /org/mpris/MediaPlayer2)
while IFS= read -r member; do
    grep -qF -- "$member" <<<"$introspection" || fail "the bus lacks: $member"
done <<'MEMBERS'
interface org.mpris.MediaPlayer2 {
Raise();
Quit();
readonly b CanQuit
readonly b CanRaise
readonly b HasTrackList
readonly s Identity = 'Orvane'
readonly s DesktopEntry
readonly as SupportedUriSchemes
readonly as SupportedMimeTypes
interface org.mpris.MediaPlayer2.Player {
Next();
Previous();
Pause();
PlayPause();
Stop();
Play();
Seek(in  x Offset);
SetPosition(in  o TrackId,
in  x Position);
OpenUri(in  s Uri);
Seeked(x Position);
readonly s PlaybackStatus
readwrite d Rate
readonly a{sv} Metadata
readwrite d Volume
readonly x Position
readonly d MinimumRate
readonly d MaximumRate
readonly b CanGoNext
readonly b CanGoPrevious
readonly b CanPlay
readonly b CanPause
readonly b CanSeek
readonly b CanControl
MEMBERS

playerctl play
expect Playing playerctl status
# It really plays: a stream into the private sound server.
expect 1 bash -c 'pactl list short sink-inputs | wc -l'
expect one playerctl metadata title
expect "file://$run/music/one.wav" playerctl metadata xesam:url
expect 60000000 playerctl metadata mpris:length
playerctl pause
expect Paused playerctl status
playerctl play
expect Playing playerctl status
playerctl next
expect "Test Title" playerctl metadata title
expect "Test Artist" playerctl metadata artist
playerctl previous
expect one playerctl metadata title
playerctl position 5
expect 5 bash -c 'playerctl position | cut -d. -f1'
playerctl stop
expect Stopped playerctl status

# The player's own Pause button, clicked where it is drawn, is seen on the bus, and told
# there as a change (playerctl --follow listens for PropertiesChanged).
playerctl play
expect Playing playerctl status
playerctl --follow status >"$run/follow.txt" 2>&1 &
follow=$!
pids+=($follow)
expect Playing tail -n 1 "$run/follow.txt"
window=$(DISPLAY="$display" xdotool search --sync --onlyvisible --name '^Orvane' | head -n 1)
eval "$(DISPLAY="$display" xdotool getwindowgeometry --shell "$window")"
# The button sits 57, 356 pixels into the window; screen coordinates, as a window-relative
# move misses under the window manager's frame.
DISPLAY="$display" xdotool windowactivate --sync "$window" mousemove $((X + 57)) $((Y + 356)) click 1
expect Paused playerctl status
expect Paused tail -n 1 "$run/follow.txt"
kill "$follow"

# Quit ends the program as Exit does.
gdbus call --session --dest org.mpris.MediaPlayer2.orvane --object-path /org/mpris/MediaPlayer2 \
    --method org.mpris.MediaPlayer2.Quit >/dev/null
for _ in $(seq 1 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "Quit did not end the program"
echo "mpris: all checks passed"
