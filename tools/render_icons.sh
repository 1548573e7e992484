#!/usr/bin/env bash
# Renders the program icon desktop/icons/kostbilanz.svg into the stored PNGs beside it
# (kostbilanz-<size>.png, installed for the desktop) and their pixels (kostbilanz-<size>.argb,
# which the program embeds, so it never decodes a PNG or draws the SVG itself). All are
# committed. Run after editing the SVG, with a build folder (default build):
#   tools/render_icons.sh [build folder]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
kb_install_packages librsvg2-bin
BUILD=${1:-$ROOT/build}
cmake --build "$BUILD" --parallel 2 --target png_to_argb >/dev/null
ICONS=$ROOT/desktop/icons
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$ICONS/kostbilanz.svg" --output "$ICONS/kostbilanz-$size.png"
    "$BUILD/bin/png_to_argb" "$ICONS/kostbilanz-$size.png" "$ICONS/kostbilanz-$size.argb"
    echo "$ICONS/kostbilanz-$size.png $ICONS/kostbilanz-$size.argb"
done
