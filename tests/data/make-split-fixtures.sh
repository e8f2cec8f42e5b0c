#!/usr/bin/env bash
# Makes the splitter's fixtures: synthetic speech with pauses of known lengths at known places,
# encoded by lame as CBR and VBR, MPEG-1 and MPEG-2, plus the list of the pauses.
# Needs espeak-ng, sox, lame and mp3gain (scripts/install-deps.sh). Output: tests/data/split/.
set -euo pipefail
cd "$(dirname "$0")"
OUT=split
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

RATE=22050
SENTENCES=(
  "the quick brown fox jumps over the lazy dog"
  "every morning the baker opens his small shop near the river"
  "a long journey begins with a single step forward"
  "she read the letter twice before she put it away"
  "the old clock in the hall struck nine"
  "rain fell softly on the roof all through the night"
  "he packed his bag and walked down to the station"
  "the children laughed as the kite rose over the hill"
  "nobody knew where the path through the forest would lead"
  "the ship left the harbour at dawn with the tide"
  "music drifted from an open window across the square"
  "they waited patiently for the last train home"
)
# Pause after each sentence, in seconds: some shorter and some longer than the tests' 500 ms minimum.
PAUSES=(0.20 0.90 0.25 1.40 0.20 1.00 0.25 1.80 0.20 1.20 0.90 0)

parts=()
: > "$WORK/pauses.txt"
t=0
for i in "${!SENTENCES[@]}"; do
  espeak-ng -s 170 -w "$WORK/raw$i.wav" "${SENTENCES[$i]}"
  # Strip espeak's own leading and trailing quiet so that the pauses are exactly the ones added.
  sox "$WORK/raw$i.wav" -r $RATE -c 1 -b 16 "$WORK/s$i.wav" \
    silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse
  parts+=("$WORK/s$i.wav")
  d=$(soxi -D "$WORK/s$i.wav")
  t=$(echo "$t + $d" | bc -l)
  p=${PAUSES[$i]}
  if [ "$p" != "0" ]; then
    sox -n -r $RATE -c 1 -b 16 "$WORK/p$i.wav" trim 0 "$p"
    parts+=("$WORK/p$i.wav")
    printf '%.4f %.4f\n' "$t" "$(echo "$t + $p" | bc -l)" >> "$WORK/pauses.txt"
    t=$(echo "$t + $p" | bc -l)
  fi
done
sox "${parts[@]}" "$WORK/speech.wav"
cp "$WORK/pauses.txt" "$OUT/pauses.txt"

# MPEG-1 (32 kHz mono): CBR 32 kbit/s, and VBR.
lame --quiet --resample 32 -m m -b 32 "$WORK/speech.wav" "$OUT/cbr-mpeg1.mp3"
lame --quiet --resample 32 -m m -V 9 -B 40 "$WORK/speech.wav" "$OUT/vbr-mpeg1.mp3"
# MPEG-2 (16 kHz mono) CBR 24 kbit/s with frame CRCs, and VBR at 22.05 kHz with an ID3v2 tag.
lame --quiet --resample 16 -m m -b 24 -p "$WORK/speech.wav" "$OUT/cbr-mpeg2-crc.mp3"
lame --quiet -m m -V 9 -B 32 --add-id3v2 --tt "Source title" "$WORK/speech.wav" "$OUT/vbr-mpeg2.mp3"
# A stereo MPEG-1 file for the Xing frame of a two-channel stream.
sox "$WORK/s0.wav" "$WORK/p1.wav" "$WORK/s1.wav" "$WORK/p3.wav" "$WORK/s2.wav" "$WORK/p5.wav" "$WORK/s3.wav" -c 2 "$WORK/stereo.wav"
lame --quiet --resample 44.1 -m s -V 9 -B 64 "$WORK/stereo.wav" "$OUT/vbr-mpeg1-stereo.mp3"
# The first three sentences (one pause longer than 500 ms after 5 s) at 8 kbit/s with an ID3v1 tag,
# run through mp3gain, which rewrites the frames' global gain and puts an APEv2 tag between the
# audio and the ID3v1 tag, as taggers and loudness tools do.
sox "$WORK/speech.wav" "$WORK/short.wav" trim 0 9.4
lame --quiet --resample 16 -m m -b 8 --id3v1-only --tt "Source title" "$WORK/short.wav" "$OUT/mp3gain-apev2.mp3"
mp3gain -q -r -c -k "$OUT/mp3gain-apev2.mp3"
if [ "$(tail -c 160 "$OUT/mp3gain-apev2.mp3" | head -c 8)" != APETAGEX ]; then
  echo "mp3gain wrote no APEv2 tag in front of the ID3v1 tag" >&2
  exit 1
fi
ls -l "$OUT"
