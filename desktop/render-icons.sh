#!/usr/bin/env bash
# Renders the PNG sizes of the icon from vuvivaz.svg (ImageMagick); run after
# changing the drawing and commit the results.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    convert -background none -density 300 vuvivaz.svg -resize "${size}x${size}" -depth 8 \
        -strip "icons/${size}x${size}/vuvivaz.png"
done
