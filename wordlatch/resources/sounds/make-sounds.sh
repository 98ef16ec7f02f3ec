#!/usr/bin/env bash
# Makes the program's seven sounds WAVE_1.wav .. WAVE_7.wav in this folder:
# uncompressed 8-bit unsigned mono PCM at the rate and length each sound needs.
# Needs sox and espeak-ng. The .wav files are committed; run this only to remake them.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# finish IN OUT RATE SECONDS: level, resample, cut or pad to the exact length, 8-bit mono.
finish() {
    sox "$1" -D -c 1 -b 8 -e unsigned-integer "$2" \
        remix - rate "$3" gain -n -1 pad 0 "$4" trim 0 "$4"
}

# tone FILE WAVE FREQ SECONDS [RATE]: one note with a soft start and a decaying end.
tone() {
    sox -n -r "${5:-22050}" -c 1 -b 16 "$1" synth "$4" "$2" "$3" fade q 0.02 "$4" "$(echo "$4 * 0.6" | bc -l)"
}

# WAVE_1: question chime, two bell notes rising a fifth.
tone "$work/c1.wav" sine 783.99 0.25 11025
tone "$work/c2.wav" sine 1174.66 0.46 11025
tone "$work/c1o.wav" sine 1567.98 0.25 11025
tone "$work/c2o.wav" sine 2349.32 0.46 11025
sox -m -v 1 "$work/c1.wav" -v 0.3 "$work/c1o.wav" "$work/c1m.wav"
sox -m -v 1 "$work/c2.wav" -v 0.3 "$work/c2o.wav" "$work/c2m.wav"
sox "$work/c1m.wav" "$work/c2m.wav" "$work/chime.wav"
finish "$work/chime.wav" WAVE_1.wav 11025 0.71

# WAVE_2: solved, a brass-like fanfare closing on a held C major chord.
notes=(
    "392.00 0.15" "392.00 0.15" "392.00 0.15" "523.25 0.90" "0 0.10"
    "392.00 0.20" "523.25 0.20" "659.25 0.90" "0 0.10"
    "587.33 0.20" "659.25 0.20" "698.46 0.20" "783.99 1.10" "0 0.10"
    "659.25 0.30" "523.25 0.30" "783.99 0.45"
)
parts=()
i=0
for n in "${notes[@]}"; do
    read -r f d <<<"$n"
    out="$work/n$i.wav"
    if [ "$f" = 0 ]; then
        sox -n -r 22050 -c 1 -b 16 "$out" trim 0 "$d"
    else
        tone "$out" sawtooth "$f" "$d"
    fi
    parts+=("$out")
    i=$((i + 1))
done
for f in 523.25 659.25 783.99 1046.50; do
    sox -n -r 22050 -c 1 -b 16 "$work/chord$f.wav" synth 2.6 sawtooth "$f" fade q 0.03 2.6 2.0
done
sox -m "$work"/chord*.wav "$work/chord.wav"
parts+=("$work/chord.wav")
sox "${parts[@]}" "$work/tune.wav" lowpass 2400 lowpass 3200 reverb 25 50 60
finish "$work/tune.wav" WAVE_2.wav 22050 8.09

# WAVE_3: incorrect, a low buzz of two slightly detuned square waves, falling.
sox -n -r 11025 -c 1 -b 16 "$work/b1.wav" synth 1.09 square 110-92 fade q 0.02 1.09 0.4
sox -n -r 11025 -c 1 -b 16 "$work/b2.wav" synth 1.09 square 116-97 fade q 0.02 1.09 0.4
sox -m "$work/b1.wav" "$work/b2.wav" "$work/buzz.wav" lowpass 900
finish "$work/buzz.wav" WAVE_3.wav 11025 1.09

# WAVE_4: end of the list, a rising blip with a short echo.
sox -n -r 22050 -c 1 -b 16 "$work/blip.wav" synth 0.12 sine 700-1400 fade q 0.005 0.12 0.05
sox "$work/blip.wav" "$work/blipe.wav" pad 0 0.4 echos 0.8 0.7 120 0.4 240 0.2
finish "$work/blipe.wav" WAVE_4.wav 22050 0.52

# say TEXT FILE SECONDS: speech stretched or squeezed to fill the length.
say() {
    espeak-ng -v en-gb -s 150 -p 45 -w "$work/raw.wav" "$1"
    sox "$work/raw.wav" "$work/trimmed.wav" silence 1 0.01 1% reverse silence 1 0.01 1% reverse
    local len
    len=$(soxi -D "$work/trimmed.wav")
    # Speech fills 90% of the sound, the rest is a short lead-in and tail.
    local factor
    factor=$(echo "$len / ($3 * 0.9)" | bc -l)
    sox "$work/trimmed.wav" "$work/fitted.wav" tempo -s "$factor" pad 0.04 0.2
    finish "$work/fitted.wav" "$2" 11025 "$3"
}

# WAVE_5: end of the list, spoken.
say "End of list." WAVE_5.wav 1.10
# WAVE_6: question, spoken.
say "Are you sure?" WAVE_6.wav 1.74

# WAVE_7: error, a short dull click.
sox -n -r 11025 -c 1 -b 16 "$work/click.wav" synth 0.17 square 330 fade q 0.002 0.17 0.15
sox -n -r 11025 -c 1 -b 16 "$work/clicknoise.wav" synth 0.17 pinknoise fade q 0.001 0.17 0.165
sox -m -v 0.6 "$work/click.wav" -v 0.5 "$work/clicknoise.wav" "$work/clickm.wav" lowpass 2500
finish "$work/clickm.wav" WAVE_7.wav 11025 0.17

soxi WAVE_*.wav | grep -E "Input File|Sample Rate|Duration|Precision|Encoding"
