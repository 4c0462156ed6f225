#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders icons/al-tavesh.svg into the images the program and the desktop
# use. Run after changing the drawing; the results are committed.
# Needs imagemagick.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../icons"
for size in 16 32 48 64 128 256; do
    convert -background none -density 384 al-tavesh.svg -resize ${size}x${size} "PNG32:al-tavesh-${size}.png"
done
# The three classic images: 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16.
convert al-tavesh-32.png -background white -flatten -colors 2 -type Palette "PNG8:al-tavesh-32-2colors.png"
convert al-tavesh-32.png -background white -flatten -colors 16 "PNG8:al-tavesh-32-16colors.png"
convert al-tavesh-16.png -background white -flatten -colors 16 "PNG8:al-tavesh-16-16colors.png"
convert al-tavesh-32-2colors.png al-tavesh-32-16colors.png al-tavesh-16-16colors.png al-tavesh.ico
identify al-tavesh.ico al-tavesh-*colors.png
