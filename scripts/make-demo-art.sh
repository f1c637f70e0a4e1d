#!/usr/bin/env bash
# make-demo-art.sh : draws the demo character's pictures from data/demo-art/ and synthesises
# her sounds, into characters/hina/ (the results are committed, so building needs neither).
# Needs rsvg-convert (librsvg2-bin), ImageMagick and sox.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
art=$root/data/demo-art
out=$root/characters/hina

# One picture per face: 256 colours, run-length encoded, so each stays a few kilobytes.
for face in "$art"/faces/*.svg; do
  name=$(basename "$face" .svg)
  { cat "$art/hina.svg" "$face"; echo '</svg>'; } | rsvg-convert -f png |
    convert png:- +dither -colors 256 -type Palette -compress RLE "BMP3:$out/$name.bmp"
done

# Short sounds, 22.05 kHz mono: a greeting chime, a pop for a pat, a happy sparkle.
synth() { sox -q -n -r 22050 -c 1 -b 16 "$@"; }
synth "$out/chime.wav" synth 0.5 sine 880 sine 1318.5 remix - fade 0 0.5 0.45 gain -6
synth "$out/pop.wav" synth 0.12 sine 600:220 fade 0 0.12 0.1 gain -4
synth "$out/sparkle.wav" synth 0.09 sine 1046.5 : synth 0.09 sine 1318.5 : \
  synth 0.09 sine 1568 : synth 0.3 sine 2093 fade 0 0.3 0.28 gain -8
