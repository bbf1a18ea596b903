#!/usr/bin/env bash
# Renders the desktop icons from the calculator window's picture, at the sizes the icon theme
# offers. The picture is wider than high, so it is scaled to the icon's width and centred on a
# square transparent page.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
picture="$here/../resources/loanCalc.svg"
width=138 height=128  # the picture's own size

for size in 48 64 128 256; do
    top="$(awk -v s="$size" -v w="$width" -v h="$height" 'BEGIN { printf "%.3f", s * (w - h) / w / 2 }')"
    rsvg-convert --width "$size" --keep-aspect-ratio --page-width "$size" --page-height "$size" \
        --top "$top" --format png --output "$here/icons/com.quorvane.Brenquill-$size.png" "$picture"
done
