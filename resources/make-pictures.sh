#!/usr/bin/env bash
# Renders the bundle's pictures from their SVG sources: each at its normal size and at twice that
# size for high-density screens (the "@2x" file).
# Needs rsvg-convert (Debian package librsvg2-bin) and the DejaVu fonts (fonts-dejavu-core).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# render NAME WIDTH HEIGHT: NAME.svg -> NAME.png (WIDTH x HEIGHT) and NAME@2x.png (double size).
render() {
    local name="$1" width="$2" height="$3"
    rsvg-convert --width "$width" --height "$height" --format png \
        --output "$here/$name.png" "$here/$name.svg"
    rsvg-convert --width "$((width * 2))" --height "$((height * 2))" --format png \
        --output "$here/$name@2x.png" "$here/$name.svg"
}

# The calculator window's picture: a house and a calculator.
render loanCalc 138 128
# The maker's logo, shown in the credits window.
render QuorvaneUpdatedLogosmall 280 167
