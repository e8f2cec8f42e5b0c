#!/usr/bin/env bash
# Draws the main window's toolbar pictures (48 x 48, each also greyed as *_inactive), the tab
# pictures (32 x 32) and the program icon with ImageMagick, in the colours of the page buttons.
# White is the transparent colour; shapes are drawn without antialiasing so no near-white fringe
# survives the white mask, and "white" details inside a shape are drawn in an off-white.
set -euo pipefail
cd "$(dirname "$0")"

BLUE='#2a62b8'
DARK='#1c3f78'
PALE='#dfe9f7'
RED='#c62828'
GREEN='#2e7d32'
GREY='#707070'
PAPER='#f7f7f2'

draw() { # name size drawing-arguments...
    local name=$1 size=$2
    shift 2
    convert -size "${size}x${size}" xc:white +antialias "$@" -alpha off -type TrueColor -strip "PNG24:${name}.png"
}

# A tool's disabled look: grey and paler, white stays white (transparent).
inactive() { # name
    convert "$1.png" -colorspace Gray -fill white -colorize 45% -colorspace sRGB -type TrueColor -strip \
        "PNG24:$1_inactive.png"
}

# A level meter of bars (x0 y-centre width step heights...) for the split pictures and the icon.
meter() {
    local x=$1 mid=$2 w=$3 step=$4
    shift 4
    for h in "$@"; do
        printf -- '-draw\nrectangle %d,%d %d,%d\n' "$x" $((mid - h)) $((x + w - 1)) $((mid + h))
        x=$((x + step))
    done
}

mapfile -t SPLIT_BARS < <(meter 4 24 3 5 6 12 18 9 15 2 2 8 16 11 19 7)
mapfile -t ICON_BARS < <(meter 5 24 3 5 8 14 20 10 2 2 12 19 9 16)

# Add files: a sheet of paper with a green plus.
draw tb_add 48 -fill "$PAPER" -stroke "$GREY" -strokewidth 2 \
    -draw "polygon 8,3 30,3 40,13 40,44 8,44" -fill "$PALE" -draw "polygon 30,3 30,13 40,13" \
    -stroke none -fill "$BLUE" -draw "rectangle 13,18 33,19" -draw "rectangle 13,23 28,24" \
    -fill "$GREEN" -draw "rectangle 26,27 45,34" -draw "rectangle 32,21 39,40"
inactive tb_add

# Split: a level meter cut at its pause by a red line.
draw tb_split 48 -fill "$BLUE" -stroke none "${SPLIT_BARS[@]}" \
    -fill "$RED" -draw "rectangle 32,2 33,46" -draw "polygon 28,2 37,2 32,8"
inactive tb_split

# Help: a blue disc with a question mark.
draw tb_help 48 -fill "$BLUE" -stroke "$DARK" -strokewidth 2 -draw "circle 24,24 24,3" \
    -stroke none -fill "$PAPER" -font DejaVu-Sans-Bold -pointsize 32 -gravity center -annotate +0+1 '?'
inactive tb_help

# About: a blue disc with an "i".
draw tb_info 48 -fill "$BLUE" -stroke "$DARK" -strokewidth 2 -draw "circle 24,24 24,3" \
    -stroke none -fill "$PAPER" -draw "rectangle 21,20 27,36" -draw "rectangle 18,34 30,36" \
    -draw "rectangle 18,20 27,22" -draw "circle 24,13 24,10"
inactive tb_info

# Quit: a red power symbol.
draw tb_quit 48 -fill none -stroke "$RED" -strokewidth 5 -draw "arc 7,9 41,43 -55,235" \
    -stroke none -fill "$RED" -draw "rectangle 21,3 26,24"
inactive tb_quit

# Tabs, 32 x 32: the file list, the split options, the ID3 tag, the options.
draw tab_audiofiles 32 -fill "$PAPER" -stroke "$GREY" -strokewidth 1 -draw "rectangle 3,2 26,29" \
    -stroke none -fill "$BLUE" -draw "rectangle 6,7 22,8" -draw "rectangle 6,12 22,13" \
    -draw "rectangle 6,17 16,18" -fill "$DARK" -draw "circle 19,25 22,25" -draw "rectangle 21,13 22,25" \
    -draw "polygon 21,13 28,16 28,19 22,17"
draw tab_split_options 32 -fill "$GREY" -stroke none -draw "rectangle 3,8 28,9" -draw "rectangle 3,22 28,23" \
    -fill "$BLUE" -stroke "$DARK" -strokewidth 1 -draw "rectangle 9,3 14,14" -draw "rectangle 18,17 23,28"
draw tab_id3 32 -fill "$BLUE" -stroke "$DARK" -strokewidth 1 -draw "polygon 2,10 20,10 29,16 20,22 2,22" \
    -stroke none -fill "$PAPER" -draw "circle 21,16 23,16" \
    -draw "rectangle 5,14 6,18" -draw "rectangle 9,14 10,18" -draw "rectangle 13,14 14,18"
draw tab_options 32 -fill "$PAPER" -stroke "$GREY" -strokewidth 2 -draw "rectangle 4,4 27,27" \
    -fill none -stroke "$GREEN" -strokewidth 4 -draw "polyline 8,16 13,22 24,9"

# The program icon: the level meter on a pale tile, cut by the red line.
draw application 48 -fill "$PALE" -stroke "$DARK" -strokewidth 2 -draw "roundrectangle 1,1 46,46 6,6" \
    -stroke none -fill "$BLUE" "${ICON_BARS[@]}" -fill "$RED" -draw "rectangle 28,4 29,43"
