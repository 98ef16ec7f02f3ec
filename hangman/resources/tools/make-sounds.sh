#!/usr/bin/env bash
# Makes the tobbin's six voice clips: three cheers for a won game, three moans
# for a lost one. Needs espeak-ng and sox; run it from anywhere, it writes the
# .wav files into hangman/resources/. Output: 22050 Hz, 16-bit, mono PCM.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# say FILE PITCH SPEED TEXT: the tobbin's squeaky voice (high pitch, a touch of
# speed), trimmed of silence at both ends.
say() {
  espeak-ng -v en-us+f3 -p "$2" -s "$3" -a 150 -w "$tmp/raw.wav" "$4"
  sox "$tmp/raw.wav" -r 22050 -c 1 -b 16 "$tmp/$1" \
    silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
}

# finish FILE EFFECTS...: normalise, add a short fade so clips never click.
finish() {
  local name="$1"
  shift
  sox "$tmp/$name" -r 22050 -c 1 -b 16 -e signed-integer "$out/$name" \
    "$@" gain -n -3 fade t 0.01 -0 0.05
}

# Good sounds: a rising two-note chime before the voice.
sox -n -r 22050 -c 1 -b 16 "$tmp/chime.wav" \
  synth 0.09 sine 880 synth 0.09 sine mix 1320 fade t 0.005 0.09 0.04 gain -12
sox -n -r 22050 -c 1 -b 16 "$tmp/chime2.wav" \
  synth 0.12 sine 1320 fade t 0.005 0.12 0.06 gain -12

say yippee.wav 90 190 "Yippee!"
sox "$tmp/chime.wav" "$tmp/chime2.wav" "$tmp/yippee.wav" "$tmp/yippee!.wav"
finish "yippee!.wav" pitch 200

say yousavedme.wav 80 170 "You saved me!"
sox "$tmp/chime.wav" "$tmp/yousavedme.wav" "$tmp/yousavedme2.wav"
mv "$tmp/yousavedme2.wav" "$tmp/yousavedme.wav"
finish yousavedme.wav pitch 200

say alrighty.wav 85 160 "All righty!"
sox "$tmp/alrighty.wav" "$tmp/chime2.wav" "$tmp/alrighty2.wav"
mv "$tmp/alrighty2.wav" "$tmp/alrighty.wav"
finish alrighty.wav pitch 200

# Bad sounds: slower, lower and followed by a falling "wah-wah" tone.
sox -n -r 22050 -c 1 -b 16 "$tmp/wah.wav" \
  synth 0.5 triangle 330:220 tremolo 6 60 fade t 0.01 0.5 0.2 gain -14

say notgoodguess.wav 45 140 "Oh no. Not a good guess."
sox "$tmp/notgoodguess.wav" "$tmp/wah.wav" "$tmp/ngg.wav"
mv "$tmp/ngg.wav" "$tmp/notgoodguess.wav"
finish notgoodguess.wav pitch 100

say notfeelgood.wav 40 120 "Ooh, I do not feel so good."
finish notfeelgood.wav pitch 100 tremolo 5 20

say senseopain.wav 50 130 "Ouch! I sense a whole lot of pain."
sox "$tmp/senseopain.wav" "$tmp/wah.wav" "$tmp/sop.wav"
mv "$tmp/sop.wav" "$tmp/senseopain.wav"
finish senseopain.wav pitch 100
