#!/usr/bin/env bash
# Records, for the MP3 fixtures in this directory, the loudness of every audio frame as an independent
# decoder sees it: the mpg123 program decodes each file to unsigned 8-bit mono PCM at the pause search's
# reduced rate (a quarter of MPEG-1 rates, half of MPEG-2 rates, MPEG-2.5 unchanged), and every frame's
# samples give the mean of (sample - 128)^2. Needs Debian's mpg123. Run it after make-fixtures.sh.
#
# decoder-expectations.txt:
#   "file <name> <source rate> <reduced rate> <bytes per frame> <frames> <file size>", then one line per frame:
#   "<name> <frame index> <energy>".
# --no-gapless keeps the encoder delay and padding, so that every frame gives all of its samples, as
# a frame-by-frame decoder produces them; the VBR information frame and tags yield no samples.
set -euo pipefail
cd "$(dirname "$0")"

files=(cbr-stereo-44k.mp3 vbr-xing-mono-44k.mp3 mpeg2-mono-22k.mp3 mpeg25-stereo-8k.mp3
       layer2-stereo-48k.mp2 id3v23-v1.mp3 id3v24-footer.mp3)

{
    echo "# file <name> <source rate> <reduced rate> <bytes per frame> <frames> <file size>; then <name> <frame> <energy>"
    for f in "${files[@]}"; do
        # Sample rate and samples per frame from the first frame header after any ID3v2 tag.
        read -r rate samples < <(python3 - "$f" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
pos = 0
if data[:3] == b"ID3":
    pos = 10 + ((data[6] << 21) | (data[7] << 14) | (data[8] << 7) | data[9])
    if data[5] & 0x10:
        pos += 10
while not (data[pos] == 0xFF and data[pos + 1] & 0xE0 == 0xE0):
    pos += 1
version = (data[pos + 1] >> 3) & 3
layer = (data[pos + 1] >> 1) & 3
rates = {3: [44100, 48000, 32000], 2: [22050, 24000, 16000], 0: [11025, 12000, 8000]}
rate = rates[version][(data[pos + 2] >> 2) & 3]
samples = 384 if layer == 3 else (1152 if layer == 2 or version == 3 else 576)
print(rate, samples)
PY
)
        case $rate in
            48000|44100|32000) divisor=4; option=-4 ;;
            24000|22050|16000) divisor=2; option=-2 ;;
            *) divisor=1; option= ;;
        esac
        reduced=$((rate / divisor))
        per_frame=$((samples / divisor))
        mpg123 -q --no-gapless -m -e u8 $option -s "$f" > "$f.u8"
        bytes=$(stat -c %s "$f.u8")
        if [ $((bytes % per_frame)) -ne 0 ]; then
            echo "$f: $bytes bytes of PCM are no whole number of $per_frame-byte frames" >&2
            exit 1
        fi
        echo "file $f $rate $reduced $per_frame $((bytes / per_frame)) $(stat -c %s "$f")"
        od -An -v -tu1 -w"$per_frame" "$f.u8" |
            awk -v name="$f" '{ s = 0; for (i = 1; i <= NF; i++) { d = $i - 128; s += d * d }
                                printf "%s %d %.6f\n", name, NR - 1, s / NF }'
        rm -f "$f.u8"
    done
} > decoder-expectations.txt
grep '^file' decoder-expectations.txt
