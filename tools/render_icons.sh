#!/usr/bin/env bash
# Renders the program icon desktop/icons/kostbilanz.svg into the stored PNGs beside it
# (kostbilanz-<size>.png). The PNGs are committed: the program embeds them and never draws
# the SVG itself. Run after editing the SVG:
#   tools/render_icons.sh
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
kb_install_packages librsvg2-bin
ICONS=$ROOT/desktop/icons
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$ICONS/kostbilanz.svg" --output "$ICONS/kostbilanz-$size.png"
    echo "$ICONS/kostbilanz-$size.png"
done
