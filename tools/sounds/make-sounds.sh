#!/usr/bin/env bash
# Makes the sound data of the application folder, from nothing but two Debian packages:
#
#   sox        (package sox, SoX 14.4.2; GPL-2.0-or-later, libsox GPL-2.0-or-later/LGPL-2.1)
#              synthesises every tone, chime and alarm, and trims, normalises and converts
#              everything to its final format.
#   espeak-ng  (package espeak-ng, eSpeak NG 1.51; GPL-3.0-or-later, voices included)
#              speaks the talking clock's words and the rooster's crow.
#
# Nothing here is a recording: every sound is computed from the commands below, so the
# output contains no copyrighted samples. SoX runs with -R (repeatable: fixed seeds for its
# noise and dither), so a rerun with the same package versions writes the same bytes.
#
# Writes (all 16-bit signed PCM WAV, mono, 22050 Hz, because QSoundEffect refuses 32-bit):
#   appfolder/Alarms/   Alarm Beep Bell Bird Buzz Cuckoo Psycho Rooster  (.wav, 0.5-2.5 s)
#   appfolder/Times/    1 ... 12, OClock, 15, 30, 45                     (.wav, spoken)
#   appfolder/Sounds/   notify1 notify2                                  (.wav, chimes)
#   appfolder/resources/over click                                       (.wav, button ticks)
#
# Usage: bash tools/sounds/make-sounds.sh   (installs sox and espeak-ng when missing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
app="$root/appfolder"

"$root/scripts/deps.sh" sox espeak-ng

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$app/Alarms" "$app/Times" "$app/Sounds" "$app/resources"

rate=22050
# Pieces stay in 32-bit float until the end, so only the final conversion dithers.
float=(-e floating-point -b 32)

# gen OUT EFFECT...: a piece synthesised from silence.
gen() {
    local out=$1
    shift
    sox -R -r $rate -c 1 -n "${float[@]}" "$tmp/$out.wav" "$@"
}

# pluck OUT SYNTH-ARGS...: like gen, but sox plucks only at 44.1 kHz and up.
pluck() {
    local out=$1
    shift
    sox -R -r 44100 -c 1 -n "${float[@]}" "$tmp/$out.wav" synth "$@" rate $rate
}

# mixdown OUT IN...: the pieces played together (sox -m scales each by 1/n).
mixdown() {
    local out=$1
    shift
    sox -R -m "${@/#/$tmp/}" "${float[@]}" "$tmp/$out.wav"
}

# chain OUT IN...: the pieces one after another.
chain() {
    local out=$1
    shift
    sox -R "${@/#/$tmp/}" "${float[@]}" "$tmp/$out.wav"
}

# finish IN DEST LEVEL [EFFECT...]: the final file, peak-normalised to LEVEL dBFS.
finish() {
    local in=$1 dest=$2 level=$3
    shift 3
    sox -R "$tmp/$in.wav" -e signed-integer -b 16 -c 1 -r $rate "$app/$dest" "$@" norm "$level"
}

# speak OUT PITCH SPEED TEXT: espeak-ng's American English voice, silence trimmed both ends.
speak() {
    espeak-ng -v en-us -p "$2" -s "$3" -w "$tmp/$1-raw.wav" "$4"
    sox -R "$tmp/$1-raw.wav" "${float[@]}" "$tmp/$1.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% fade q 0.02 reverse fade q 0.005
}

# ---- Alarms ----------------------------------------------------------------------------

# Alarm: a clock's twin bells hammered about 24 times a second, two rings.
gen ring synth 0.6 sine 2093 synth sine mix 2960 synth sine mix 4186 \
    tremolo 24 100 fade q 0.005 0.6 0.04 pad 0 0.18
chain ring2 ring.wav ring.wav
finish ring2 Alarms/Alarm.wav -3

# Beep: two short 1 kHz beeps.
gen beep synth 0.15 sine 1000 fade q 0.004 0.15 0.008 pad 0 0.1
chain beeps beep.wav beep.wav
finish beeps Alarms/Beep.wav -3

# Bell: one strike; inharmonic partials, the higher ones dying sooner.
gen b1 synth 2.2 sine 330 fade l 0.002 2.2 2.19
gen b2 synth 2.2 sine 660 fade l 0.002 2.2 2.19
gen b3 synth 1.6 sine 792 fade l 0.002 1.6 1.59 pad 0 0.6
gen b4 synth 1.3 sine 990 fade l 0.002 1.3 1.29 pad 0 0.9
gen b5 synth 1.0 sine 1320 fade l 0.002 1.0 0.99 pad 0 1.2
gen b6 synth 0.6 sine 1782 fade l 0.002 0.6 0.59 pad 0 1.6
gen b7 synth 0.3 sine 2640 fade l 0.002 0.3 0.29 pad 0 1.9
mixdown bell b1.wav b2.wav b2.wav b3.wav b4.wav b5.wav b6.wav b7.wav
finish bell Alarms/Bell.wav -3

# Bird: quick rising-then-falling whistles, then a short falling trill. The two halves of a
# whistle fade into each other's gap, which keeps the turn free of clicks.
gen up synth 0.05 sine 3000/5400 fade h 0.01 0.05 0.008
gen down synth 0.04 sine 5400/3600 fade h 0.008 0.04 0.02 pad 0 0.07
gen trill synth 0.03 sine 6200/3800 fade h 0.003 0.03 0.02 pad 0 0.02
gen rest trim 0 0.12
chain bird up.wav down.wav up.wav down.wav up.wav down.wav rest.wav \
    trill.wav trill.wav trill.wav trill.wav trill.wav trill.wav
finish bird Alarms/Bird.wav -3

# Buzz: a harsh square/sawtooth buzzer, three bursts.
gen bz synth 0.25 square 180 synth sawtooth mix 183 gain -6 lowpass 5000 \
    fade t 0.005 0.25 0.01 pad 0 0.1
chain buzz bz.wav bz.wav bz.wav
finish buzz Alarms/Buzz.wav -3

# Cuckoo: two soft pipe notes a major third apart, twice.
gen cu synth 0.2 sine E5 synth triangle mix E5 lowpass 2500 fade q 0.02 0.2 0.06 pad 0 0.06
gen koo synth 0.34 sine C5 synth triangle mix C5 lowpass 2500 fade q 0.02 0.34 0.14 pad 0 0.26
chain cuckoo cu.wav koo.wav cu.wav koo.wav
finish cuckoo Alarms/Cuckoo.wav -3

# Psycho: shrieking violin stabs; two sawtooths a semitone apart, sliding down a little
# (linear slides: this sox makes an exponential sawtooth slide a flat line).
gen stab synth 0.2 sawtooth 1480:1320 synth 0.2 sawtooth mix 1568:1400 gain -10 \
    highpass 900 fade q 0.003 0.2 0.08 pad 0 0.06
chain psycho stab.wav stab.wav stab.wav stab.wav
finish psycho Alarms/Psycho.wav -3

# Rooster: the crow in a shrill, rough voice, its last syllable drawn out.
espeak-ng -m -v en-us -p 99 -s 190 -w "$tmp/crow-raw.wav" \
    "<speak>cock a doodle <prosody rate='x-slow' pitch='x-high'>doo</prosody></speak>"
sox -R "$tmp/crow-raw.wav" "${float[@]}" "$tmp/crow.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% fade q 0.05 reverse \
    pitch 400 overdrive 4
finish crow Alarms/Rooster.wav -3

# ---- Talking clock ---------------------------------------------------------------------

words=(one two three four five six seven eight nine ten eleven twelve)
for i in "${!words[@]}"; do
    speak "n$i" 50 150 "${words[$i]}"
    finish "n$i" "Times/$((i + 1)).wav" -1
done
speak oclock 50 150 "o'clock"
finish oclock Times/OClock.wav -1
speak q15 50 150 "quarter past"
finish q15 Times/15.wav -1
speak q30 50 150 "half past"
finish q30 Times/30.wav -1
speak q45 50 150 "quarter to"
finish q45 Times/45.wav -1

# ---- Notifications and button sounds ---------------------------------------------------

# notify1: two rising bell tones, the second struck while the first still sounds.
gen c1 synth 0.5 sine C6 synth sine mix 2893 fade l 0.003 0.5 0.49 pad 0 0.14
gen c2 synth 0.5 sine G6 synth sine mix 4334 fade l 0.003 0.5 0.49 pad 0.14
mixdown notify1 c1.wav c2.wav
finish notify1 Sounds/notify1.wav -4

# notify2: a plucked three-note arpeggio.
pluck p1 0.45 pluck E5 fade l 0.002 0.45 0.44 pad 0 0.2
pluck p2 0.45 pluck G5 fade l 0.002 0.45 0.44 pad 0.1 0.1
pluck p3 0.45 pluck C6 fade l 0.002 0.45 0.44 pad 0.2
mixdown notify2 p1.wav p2.wav p3.wav
finish notify2 Sounds/notify2.wav -4

# over: a very short soft tick for the mouse passing over a button.
gen over synth 0.025 sine 2600 fade l 0.001 0.025 0.024
finish over resources/over.wav -18

# click: a short click; a little noise for the edge, a low tone for the body.
gen ck1 synth 0.035 whitenoise gain -6 highpass 2000 fade l 0 0.035 0.034
gen ck2 synth 0.035 sine 900 fade l 0.001 0.035 0.034
mixdown click ck1.wav ck2.wav
finish click resources/click.wav -8

echo "Sounds written under $app"
