#!/usr/bin/env bash
# Makes the small media files the media player tests open, from two Debian packages:
#
#   sox   (package sox, SoX 14.4.2; GPL-2.0-or-later, libsox GPL-2.0-or-later/LGPL-2.1)
#         synthesises the tone and writes the wave file.
#   lame  (package lame, LAME 3.100; LGPL-2.0-or-later)
#         encodes the tone to MP3 and writes its title and artist tags (ID3v1 and ID3v2).
#
# The commands, in short:
#   sox -R -n -r 22050 -c 1 -e signed-integer -b 16 tone.wav synth 2 sine 440 fade 0.02 2 0.02
#   sox -R -n -r 22050 -c 1 -e signed-integer -b 16 tone-3s.wav synth 3 sine 440 fade ...
#   lame -b 32 -m m --add-id3v2 --tt "Test Title" --ta "Test Artist" tone-3s.wav tone.mp3
#
# Nothing here is a recording. SoX runs with -R (repeatable) and LAME writes no time stamps,
# so a rerun with the same package versions writes the same bytes.
#
# Writes tests/data/media/:
#   tone.mp3  3 s, 440 Hz, mono, 22050 Hz, 32 kb/s CBR, title "Test Title", artist "Test Artist"
#   tone.wav  2 s, 440 Hz, 16-bit signed PCM, mono, 22050 Hz
#
# Usage: bash tools/media/make-test-media.sh   (installs sox and lame when missing)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out="$root/tests/data/media"

"$root/scripts/deps.sh" sox lame

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

rate=22050

# tone OUT SECONDS: a 440 Hz sine at -6 dBFS, faded in and out so it starts and ends without
# a click.
tone() {
    sox -R -n -r $rate -c 1 -e signed-integer -b 16 "$1" \
        synth "$2" sine 440 gain -6 fade t 0.02 "$2" 0.02
}

tone "$out/tone.wav" 2

tone "$tmp/tone-3s.wav" 3
# Constant bit rate, so the duration is known from the file size before any decoding.
lame --quiet -b 32 --cbr -m m --resample 22.05 --add-id3v2 \
    --tt "Test Title" --ta "Test Artist" "$tmp/tone-3s.wav" "$out/tone.mp3"

ls -l "$out"/tone.mp3 "$out"/tone.wav
