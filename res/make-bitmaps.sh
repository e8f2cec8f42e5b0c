#!/usr/bin/env bash
# Draws the program's bitmap resources with ImageMagick; white is the transparent colour.
# Shapes are drawn without antialiasing so that no near-white fringe survives the white mask.
set -euo pipefail
cd "$(dirname "$0")"

draw() { # name size drawing-arguments...
    local name=$1 size=$2
    shift 2
    convert -size "${size}x${size}" xc:white +antialias "$@" -strip "PNG24:${name}.png"
}

BLUE='#2a62b8'
DARK='#1c3f78'
RED='#c62828'
GREY='#707070'

# File list buttons, 24 x 24: move up, move down, remove, clear all.
draw button_up 24 -fill "$BLUE" -stroke "$DARK" -strokewidth 1 \
    -draw "polygon 12,2 22,12 16,12 16,21 8,21 8,12 2,12"
draw button_down 24 -fill "$BLUE" -stroke "$DARK" -strokewidth 1 \
    -draw "polygon 12,21 22,11 16,11 16,2 8,2 8,11 2,11"
draw button_delete 24 -stroke "$RED" -strokewidth 4 \
    -draw "line 5,5 18,18" -draw "line 18,5 5,18"
draw button_clear 24 -fill "$GREY" -stroke none \
    -draw "rectangle 2,4 15,6" -draw "rectangle 2,10 15,12" -draw "rectangle 2,16 15,18" \
    -stroke "$RED" -strokewidth 3 -draw "line 13,9 21,17" -draw "line 21,9 13,17"
