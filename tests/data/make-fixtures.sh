#!/usr/bin/env bash
# Makes the MP3 test fixtures in this directory and records in fixtures.txt what ffprobe, an
# independent reader, finds in each of them. Needs Debian's espeak-ng, sox, lame, twolame, id3v2,
# ffmpeg (ffprobe) and python3. Re-run it after changing it and commit the files it writes.
#
# fixtures.txt, one line per file: name, audio frames, audio bytes, VBR information frames,
# ID3v2 tags, ID3v1 tags, bytes outside all elements, file size.
# - audio frames and audio bytes: ffprobe's packet count and the sum of its packet sizes. ffprobe
#   does NOT count the Xing/Info frame that lame puts first as a packet, nor any tag, so these are
#   the real audio frames only.
# - VBR information frames: 1 where the first frame carries "Xing" or "Info" after its side
#   information. lame writes one unless told not to (-t) or the frame is too small to hold it
#   (at 32 kbit/s an MPEG-2 mono frame is too small).
# - bytes outside all elements: the ID3v2.4 footer, which is not part of the tag's stated size.
# The script checks that these add up to the file size, the information frame being one frame
# of the stream's frame size at the front.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sources: speech, and 0.6 s each of a quiet 440 Hz tone, digital silence and a loud (-1 dBFS)
# 1 kHz tone (cbr-stereo-44k.mp3, mpeg25-stereo-8k.mp3, layer2-stereo-48k.mp2) for the decoder.
espeak-ng -s 160 -w "$work/speech.wav" "Chapter one. The quiet harbour at dawn."
sox -n -r 44100 -c 2 -b 16 "$work/tones.wav" \
    synth 0.6 sine 440 gain -12 : synth 0.6 sine 440 gain -200 : synth 0.6 sine 1000 gain -1
# Make the middle stretch exact zeros, whatever the synth's rounding does.
sox "$work/tones.wav" "$work/a.wav" trim 0 0.6
sox -n -r 44100 -c 2 -b 16 "$work/b.wav" trim 0 0.6
sox "$work/tones.wav" "$work/c.wav" trim 1.2 0.6
sox "$work/a.wav" "$work/b.wav" "$work/c.wav" "$work/tones.wav"

sox "$work/speech.wav" -r 44100 -c 1 "$work/speech44.wav"
sox "$work/speech.wav" -r 22050 -c 1 "$work/speech22.wav"
sox "$work/tones.wav" -r 8000 "$work/tones8.wav"
sox "$work/tones.wav" -r 48000 "$work/tones48.wav"

# MPEG-1 Layer III CBR 128 kbit/s, true stereo, 44.1 kHz, with lame's Info frame.
lame --quiet -b 128 -m s "$work/tones.wav" cbr-stereo-44k.mp3
# MPEG-1 Layer III VBR, mono 44.1 kHz, with a Xing frame.
lame --quiet -V 2 -m m "$work/speech44.wav" vbr-xing-mono-44k.mp3
# MPEG-2 Layer III, mono 22.05 kHz.
lame --quiet -b 64 -m m "$work/speech22.wav" mpeg2-mono-22k.mp3
# MPEG-2.5 Layer III, joint stereo 8 kHz.
lame --quiet -b 32 -m j "$work/tones8.wav" mpeg25-stereo-8k.mp3
# MPEG-1 Layer II, stereo 48 kHz (no information frame).
twolame --quiet -b 192 "$work/tones48.wav" layer2-stereo-48k.mp2
# ID3v2.3 tag in front and ID3v1 tag at the end.
lame --quiet -b 64 -m m "$work/speech44.wav" id3v23-v1.mp3
id3v2 -t "The quiet harbour" -a "Test Reader" -A "Fixtures" -T 1 id3v23-v1.mp3
# ID3v2.4 tag with a footer, in front of a stream without an information frame.
lame --quiet -t -b 48 -m m "$work/speech44.wav" "$work/plain.mp3"
python3 - "$work/plain.mp3" id3v24-footer.mp3 <<'PY'
import sys

def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])

text = b"\x03" + "The quiet harbour".encode("utf-8")
frame = b"TIT2" + syncsafe(len(text)) + b"\x00\x00" + text
body = frame
header = b"ID3\x04\x00\x10" + syncsafe(len(body))
footer = b"3DI\x04\x00\x10" + syncsafe(len(body))
audio = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(header + body + footer + audio)
PY

# What ffprobe finds, and the check that it accounts for every byte.
files=(cbr-stereo-44k.mp3 vbr-xing-mono-44k.mp3 mpeg2-mono-22k.mp3 mpeg25-stereo-8k.mp3
       layer2-stereo-48k.mp2 id3v23-v1.mp3 id3v24-footer.mp3)
{
    echo "# name audio_frames audio_bytes info_frames id3v2_tags id3v1_tags unclaimed_bytes file_size"
    for f in "${files[@]}"; do
        frames=$(ffprobe -v error -select_streams a -count_packets -show_entries stream=nb_read_packets \
                 -of csv=p=0 "$f" | tr -d ', ' | grep -m1 .)
        bytes=$(ffprobe -v error -select_streams a -show_entries packet=size -of csv=p=0 "$f" |
                awk -F, '{ s += $1 } END { print s }')
        python3 - "$f" "$frames" "$bytes" <<'PY'
import sys

name, frames, audio = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = open(name, "rb").read()
pos, v2, v1, unclaimed = 0, 0, 0, 0
if data[:3] == b"ID3":
    size = 10 + ((data[6] << 21) | (data[7] << 14) | (data[8] << 7) | data[9])
    v2 = 1
    pos = size
    if data[5] & 0x10:
        unclaimed = 10
        pos += 10
if len(data) >= 128 and data[-128:-125] == b"TAG":
    v1 = 1
# Whether the encoder wrote a Xing/Info frame first: its tag follows the side information.
h = data[pos:pos + 4]
side = (17 if h[3] >> 6 == 3 else 32) if (h[1] >> 3) & 3 == 3 else (9 if h[3] >> 6 == 3 else 17)
info = 1 if data[pos + 4 + side:pos + 8 + side] in (b"Xing", b"Info") else 0
info_bytes = 0
if info:
    # The information frame has the size that its header gives (only the cases the fixtures use).
    version = (h[1] >> 3) & 3
    bitrate_index = h[2] >> 4
    rate_index = (h[2] >> 2) & 3
    padding = (h[2] >> 1) & 1
    mpeg1 = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
    mpeg2 = [0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160]
    rates = {3: [44100, 48000, 32000], 2: [22050, 24000, 16000], 0: [11025, 12000, 8000]}
    bitrate = (mpeg1 if version == 3 else mpeg2)[bitrate_index]
    per_frame = 144 if version == 3 else 72
    info_bytes = per_frame * bitrate * 1000 // rates[version][rate_index] + padding
total = pos + info_bytes + audio + 128 * v1
if total != len(data):
    sys.exit("%s: ffprobe accounts for %d of %d bytes" % (name, total, len(data)))
print(name, frames, audio, info, v2, v1, unclaimed, len(data))
PY
    done
} > fixtures.txt
cat fixtures.txt
