#!/usr/bin/env bash
# Starts the real program under Xvfb from a fresh folder that holds only the shipped data,
# as a person would: waits for the main window, takes a screenshot, checks that a second
# start is refused (also one with other runtime and temporary folders), closes the window
# with its "Beenden" button and checks that the program ended with 0 and wrote nothing into
# its folder.
#   tests/smoke/smoke.sh <build folder> [screenshot.png]
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
SHOT=${2:-$BUILD/smoke-main-window.png}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
kb_install_packages xvfb xauth xdotool imagemagick x11-utils

APPDIR=$(mktemp -d)
RUNTIME=$(mktemp -d)
chmod 700 "$RUNTIME"
trap 'kill ${XVFB_PID:-} ${APP_PID:-} 2>/dev/null || true; rm -rf "$APPDIR" "$RUNTIME"' EXIT
cp "$BUILD/bin/kostbilanz" "$BUILD/bin/NwChDb.dat" "$BUILD/bin/NwRefWerteDge.dat" "$APPDIR/"
before=$(cd "$APPDIR" && ls -A | sort)

DISPLAY_NUMBER=97
Xvfb ":$DISPLAY_NUMBER" -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER" XDG_RUNTIME_DIR="$RUNTIME" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "smoke: $*" >&2; exit 1; }

# wait_window <title pattern> <seconds>: prints the window id once it is mapped
wait_window() {
    local id=""
    for _ in $(seq $(( $2 * 10 ))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

"$APPDIR/kostbilanz" &
APP_PID=$!
MAIN=$(wait_window '^Kostbilanz 25\.12$' 30) || fail "the main window did not appear"
sleep 1
import -window root "$SHOT"
echo "smoke: main window shown, screenshot $SHOT"

# expect_refused <pid> <what>: the start with that process id must show its refusal box and,
# once OK is pressed, end by itself with 0.
expect_refused() {
    wait_window 'C-Programm-Meldung' 20 >/dev/null || fail "$2 showed no refusal"
    # Press OK on the box (Enter on whichever of its windows takes it) until the process ends.
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        for box in $(xdotool search --onlyvisible --name 'C-Programm-Meldung' 2>/dev/null); do
            xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
        done
        sleep 0.2
    done
    kill -0 "$1" 2>/dev/null && fail "$2 did not end"
    wait "$1" || fail "$2 ended with an error"
}

# A second start must be refused with its own message box and end by itself.
"$APPDIR/kostbilanz" &
expect_refused $! "the second start"
echo "smoke: second start refused"

# So must one started with another runtime and temporary folder: it finds the lock in the
# data folder.
OTHER_RUNTIME=$RUNTIME/other
mkdir -m 700 "$OTHER_RUNTIME"
XDG_RUNTIME_DIR="$OTHER_RUNTIME" TMPDIR="$OTHER_RUNTIME" "$APPDIR/kostbilanz" &
expect_refused $! "a start with other runtime and temporary folders"
echo "smoke: start with other runtime and temporary folders refused"

# Click "Beenden" where a person would: the command bar starts at 17,6 and the button at
# 744,12 inside it, 42 pixels high.
xdotool mousemove --window "$MAIN" $((17 + 744 + 20)) $((6 + 12 + 21)) click 1
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after Beenden"
wait "$APP_PID" || fail "the program ended with exit code $?"
APP_PID=

after=$(cd "$APPDIR" && ls -A | sort)
[ "$before" = "$after" ] || fail "the program wrote into its folder: $(diff <(echo "$before") <(echo "$after") | tr '\n' ' ')"
echo "smoke: closed with Beenden, exit code 0, nothing written"
