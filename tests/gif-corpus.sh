#!/usr/bin/env bash
# Makes the GIF files of the decoder's comparison with ImageMagick, and ImageMagick's composed frames
# of each (NAME-N.rgb: red, green, blue, with transparency over black).
# Usage: gif-corpus.sh FOLDER
set -euo pipefail
out=$1
rm -rf "$out"
mkdir -p "$out"
cd "$out"
frames=(-size 40x30 xc:'#204080' \( -size 16x12 gradient:red-yellow -repage +4+6 \)
        \( -size 10x10 xc:'#30c050' -repage +20+12 \))
convert -delay 10 -dispose Undefined "${frames[@]}" -loop 0 dispose-undefined.gif
convert -delay 10 -dispose None "${frames[@]}" -loop 0 dispose-none.gif
convert -delay 10 -dispose Background "${frames[@]}" -loop 0 dispose-background.gif
convert -delay 10 -dispose Previous "${frames[@]}" -loop 0 dispose-previous.gif
convert -size 37x23 gradient:yellow-navy -colors 16 -interlace GIF interlaced.gif
convert -delay 5 -size 30x30 xc:'#808080' \( -size 20x20 xc:none -fill red -draw "circle 10,10 10,3" \
        -repage +5+5 \) -loop 0 transparent.gif
convert -size 33x17 gradient:white-black -colors 2 colours-2.gif
convert -size 33x17 gradient:white-blue -colors 16 colours-16.gif
convert -size 64x48 -seed 7 plasma:fractal -colors 256 colours-256.gif
for gif in *.gif; do
    convert "$gif" -coalesce -background black -alpha remove -alpha off +adjoin "rgb:${gif%.gif}-%d.rgb"
done
