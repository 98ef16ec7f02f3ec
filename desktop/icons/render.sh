#!/bin/sh
# Renders the hicolor PNG icons from the scalable ones beside this script:
# SIZE/NAME.png for every size a desktop looks up. Needs rsvg-convert
# (Debian package librsvg2-bin). The PNGs are kept in the tree; run this after
# changing an SVG.
set -eu
cd "$(dirname "$0")"
for name in wordlatch tobbin-hangman; do
    for size in 16 32 48 64 128 256; do
        mkdir -p "$size"
        rsvg-convert -w "$size" -h "$size" -o "$size/$name.png" "$name.svg"
    done
done
