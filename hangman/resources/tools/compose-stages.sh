#!/usr/bin/env bash
# Checks the artwork by eye: lays every picture at its place in the game
# window (positions in twips, 15 twips per pixel) on a 365x405 canvas with the
# gallows, and writes one PNG per stage (stages shown cumulatively) plus the
# won and lost boards. Needs rsvg-convert and ImageMagick.
# Usage: compose-stages.sh [OUT_DIR] [ZOOM]   (defaults /tmp/hangman-art, 2)
set -euo pipefail

art="$(cd "$(dirname "$0")/../art" && pwd)"
out="${1:-/tmp/hangman-art}"
zoom="${2:-2}"
mkdir -p "$out"

px() { echo $(((($1) * zoom * 2 + 15) / 30)); } # twips -> zoomed pixels, rounded

# place NAME LEFT TOP WIDTH HEIGHT (twips): ImageMagick arguments for one picture.
place() {
  local png="$out/part-$1.png"
  rsvg-convert -w "$(px "$4")" -h "$(px "$5")" "$art/$1.svg" -o "$png"
  printf '%s\n' "$png" -geometry "$(printf '%+d%+d' "$(px "$2")" "$(px "$3")")" -composite
}

gallows() {
  local w=$((2 * zoom)) b=$((3 * zoom))
  printf '%s\n' -stroke black -strokewidth "$w" \
    -draw "line $(px 5040),$(px 1200) $(px 5040),$(px 4180)" \
    -draw "line $(px 5040),$(px 1200) $(px 4200),$(px 1200)" \
    -draw "line $(px 4200),$(px 1200) $(px 4200),$(px 1440)" \
    -strokewidth "$b" -draw "line $(px 4800),$(px 4170) $(px 5280),$(px 4170)" \
    -stroke none
}

# The stage table: picture and box of each stage, in stage order.
stages=(
  "stage1 3720 1320 1125 1410"
  "stage2 4620 1270 570 765"
  "stage3 3278 1335 510 735"
  "stage4 4320 2490 795 675"
  "stage5 3540 2555 705 570"
  "stage6 3900 1530 765 915"
  "stage7 3900 1530 765 915"
)

# The fixed decoration of the window: logo, counter captions and mascot.
frame() {
  place logo 240 0 2295 1245
  place caption_won 3000 145 540 195
  place caption_lost 4200 120 615 225
  place caption_score 3120 515 750 210
  place mascot 120 1320 2400 2445
}

# The window's own controls, drawn over the pictures as plain boxes so the
# pictures are judged as the player sees them: buttons, the grey box behind a
# 7-letter word, the letter frame with its buttons, the status bar.
controls() {
  local rects=("240 1560 1575 375" "240 2040 1215 375" "0 5820 5475 255") r i
  for ((i = 0; i < 26; i++)); do
    rects+=("$((360 + 360 * (i % 13))) $((i < 13 ? 4800 : 5040)) 375 255")
  done
  printf '%s\n' -fill '#E1E1E1' -stroke '#8C8C8C' -strokewidth 1
  for r in "${rects[@]}"; do
    set -- $r
    printf '%s\n' -draw "rectangle $(px $1),$(px $2) $(px $(($1 + $3))),$(px $(($2 + $4)))"
  done
  printf '%s\n' -fill '#C0C0C0' -stroke none \
    -draw "rectangle $(px 240),$(px 2860) $(px 2155),$(px 3265)" \
    -fill none -stroke '#A0A0A0' -draw "rectangle $(px 240),$(px 4440) $(px 5175),$(px 5535)" -stroke none
}

canvas=(-size "$(px 5475)x$(px 6075)" xc:'#F0F0F0')
mapfile -t deco < <(frame)
mapfile -t lines < <(gallows)
mapfile -t ctl < <(controls)

for n in 1 2 3 4 5 6 7; do
  args=()
  for ((i = 0; i < n; i++)); do
    # shellcheck disable=SC2086
    mapfile -t -O "${#args[@]}" args < <(place ${stages[i]})
  done
  convert "${canvas[@]}" "${deco[@]}" "${lines[@]}" "${args[@]}" "${ctl[@]}" "$out/stage$n.png"
done

# Won: the living figure without gallows and the win banner. Lost: everything.
args=()
for ((i = 0; i < 5; i++)); do
  # shellcheck disable=SC2086
  mapfile -t -O "${#args[@]}" args < <(place ${stages[i]})
done
mapfile -t banner < <(place win_banner -360 4200 6000 1515)
convert "${canvas[@]}" "${deco[@]}" "${args[@]}" "${ctl[@]}" "${banner[@]}" "$out/won.png"
mapfile -t banner < <(place loss_banner -360 4200 6000 1515)
convert "$out/stage7.png" "${banner[@]}" "$out/lost.png"
echo "written to $out"
