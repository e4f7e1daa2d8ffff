#!/usr/bin/env bash
# Makes a 60-frame 800x600 animation with ImageMagick, times ImageMagick's coalescing of it (less its
# start-up, measured on a 1x1 file), then runs the player benchmark on the same file.
# Usage: gif-bench.sh FOLDER COMMAND...   (COMMAND runs the Windows benchmark: wine and its program)
set -euo pipefail
folder=$1
shift
mkdir -p "$folder"
cd "$folder"
if [ ! -f big.gif ]; then
    convert -size 800x600 -seed 3 plasma:fractal base.png
    frames=()
    for i in $(seq 0 59); do frames+=(\( base.png -roll "+$((i * 13))+$((i * 7))" \)); done
    convert -delay 4 "${frames[@]}" -colors 256 -loop 0 big.gif
    convert -size 1x1 xc:black tiny.gif
    rm -f base.png
fi
# The fastest of three runs, in seconds.
best_of_three() {
    local best="" start end
    for _ in 1 2 3; do
        start=$(date +%s.%N)
        convert "$1" -coalesce rgb:/dev/null
        end=$(date +%s.%N)
        best=$(python3 -c "t = $end - $start; print(min(t, ${best:-t}))")
    done
    echo "$best"
}
big=$(best_of_three big.gif)
tiny=$(best_of_three tiny.gif)
magick=$(python3 -c "print(max(0.001, $big - $tiny))")
echo "ImageMagick: $big s for big.gif, $tiny s start-up; $magick s of coalescing"
"$@" "Z:${folder//\//\\}\\big.gif" "$magick"
