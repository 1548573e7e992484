#!/usr/bin/env bash
# Starts the built Kostbilanz under a virtual X server with the shipped data, fills two meals
# by reading a meal file through the program's own open dialog, picks a food into the input
# line through the selection window, and saves a screenshot of the screen as a PNG.
#
#   tools/screenshot_main.sh [output.png]
#
# KOSTBILANZ_BUILD_DIR chooses the build folder (default: build). The program runs on a
# temporary copy of itself and its data, so the shipped files are never written.
set -euo pipefail
[ -n "${KB_SCREENSHOT_TRACE:-}" ] && set -x
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
BUILD=${KOSTBILANZ_BUILD_DIR:-$ROOT/build}
OUT=$(realpath -m "${1:-$BUILD/screenshot_main.png}")

if [ "${KB_SCREENSHOT_INNER:-}" != 1 ]; then
    kb_install_packages xvfb xauth imagemagick xdotool
    if [ ! -x "$BUILD/bin/kostbilanz" ]; then
        echo "Programm fehlt: $BUILD/bin/kostbilanz (erst bauen)" >&2
        exit 1
    fi
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
    cp "$BUILD/bin/kostbilanz" "$BUILD/bin/NwChDb.dat" "$BUILD/bin/NwRefWerteDge.dat" "$BUILD/bin/NwRefWerteErweitert.dat" \
        "$BUILD/bin/NwWortliste.dat" "$BUILD/bin/NwPortionen.dat" "$WORK/"
    # Two meals: breakfast (apple, banana, buttermilk) and lunch (bread, apple juice).
    printf 'VNR=Mz251026\r\nMahlzeit1=1;378;150,0;\r\nMahlzeit1=1;381;120,0;\r\nMahlzeit1=1;529;250,0;\r\nMahlzeit2=1;10446;80,0;\r\nMahlzeit2=1;568;300,0;\r\n' \
        >"$WORK/Beispiel.txt"
    KB_SCREENSHOT_INNER=1 KB_WORK="$WORK" xvfb-run -a -s "-screen 0 1280x860x24 -noreset" "$0" "$OUT"
    echo "Bildschirmfoto: $OUT"
    exit 0
fi

# ---- inside the virtual X server -------------------------------------------------------------
WORK=$KB_WORK
export XDG_RUNTIME_DIR="$WORK/runtime"
# German number settings, as the program's users have them.
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$WORK/kostbilanz" &
PROGRAM=$!
trap 'kill "$PROGRAM" 2>/dev/null || true' EXIT

MAIN=$(xdotool search --sync --onlyvisible --name '^Kostbilanz 25\.12$' | head -n 1)
sleep 1

# Clicks at x, y inside the main window's client area (no window manager: no frame).
click_main() {
    xdotool mousemove --window "$MAIN" "$1" "$2" click 1
}

# Waits for a new visible window whose title matches, and puts the pointer on it so that
# typed keys reach it (without a window manager the focus follows the pointer).
wait_window() {
    local id
    id=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    sleep 0.5
    xdotool mousemove --window "$id" 20 20
    echo "$id"
}

# "Mahlzeiten - Datei einlesen": the open dialog takes the typed path.
click_main 70 39
wait_window 'Mahlzeiten einlesen' >/dev/null
xdotool type --delay 20 "$WORK/Beispiel.txt"
xdotool key Return
sleep 1.5

# The magnifier of the input line, then a search for "Joghurt" and the first row taken over
# (list at 16, 96 and "Übernehmen " at 400, 479 in the selection window).
click_main 40 104
SELECTION=$(wait_window 'Lebensmittel ausw')
xdotool type --delay 30 'Joghurt'
sleep 0.5
xdotool mousemove --window "$SELECTION" 120 106 click 1
sleep 0.3
xdotool mousemove --window "$SELECTION" 440 491 click 1
sleep 1
xdotool mousemove --window "$MAIN" 215 149 click 1
xdotool type --delay 30 '180'
sleep 0.5

import -window root "$OUT"
