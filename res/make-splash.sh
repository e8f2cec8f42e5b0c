#!/usr/bin/env bash
# Draws the start-up picture "splash" (500 x 130, 24 bits) with ImageMagick. The lower right
# corner stays pale and plain: the program writes its version and rights lines there in black.
set -euo pipefail
cd "$(dirname "$0")"

BLUE='#2a62b8'
DARK='#1c3f78'
PALE='#dfe9f7'

# A level meter of bars with one gap (the pause where a recording is cut), left of the name.
bars=()
x=22
for h in 14 26 40 22 48 34 18 44 30 12 4 4 4 16 38 28 46 24 36 20; do
    bars+=(-draw "rectangle $x,$((65 - h)) $((x + 3)),$((65 + h))")
    x=$((x + 6))
done

convert -size 500x130 gradient:white-"$PALE" \
    -fill "$BLUE" -stroke none "${bars[@]}" \
    -fill "#c62828" -draw "rectangle 89,12 90,118" \
    -font DejaVu-Sans-Bold -pointsize 44 -fill "$DARK" -annotate +152+54 'Vellomar' \
    -font DejaVu-Sans -pointsize 15 -fill "$BLUE" -annotate +155+78 'Splits long MP3 recordings at their pauses' \
    -alpha off -type TrueColor -strip "PNG24:splash.png"
