#!/usr/bin/env bash
# Starts the real program under Xvfb from a fresh folder that holds only the shipped data,
# as a person would: waits for the main window, takes a screenshot, checks that a second
# start is refused (also one with other runtime and temporary folders), closes the window
# with its "Beenden" button and checks that the program ended with 0 and wrote nothing into
# its folder. Then the crash: reads a meal file, moves a food, kills the program once the day
# is in the recovery file, starts it again, takes the day back with Enter, saves it to a new
# file and compares that with the day on screen before the kill. Then the keyboard and undo: a
# food entered without the mouse, its meal cleared with the red X, Strg+Z, Strg+S, and the file
# compared. Last the command line as a
# person gets it wrong, without a display: the output name forgotten, and the output a link to
# the Swiss table; every file is compared byte for byte afterwards. Last the diary from an empty
# home: a food entered with the keyboard is in today's diary file three seconds later, survives
# SIGKILL, is shown again on the next start and summed by --summary --from/--to, and reading a
# meal file leaves the diary as it was.
#   tests/smoke/smoke.sh <build folder> [screenshot.png]
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
SHOT=${2:-$BUILD/smoke-main-window.png}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
kb_install_packages xvfb xauth xdotool imagemagick x11-utils

APPDIR=$(mktemp -d)
RUNTIME=$(mktemp -d)
# Homes of its own: the diary and the dialogs' first folder are in their Documents, never in the
# home of whoever runs the test.
HOME_DIR=$(mktemp -d)
chmod 700 "$RUNTIME"
trap 'kill ${XVFB_PID:-} ${APP_PID:-} 2>/dev/null || true; rm -rf "$APPDIR" "$RUNTIME" "$HOME_DIR"' EXIT
export HOME="$HOME_DIR/first" XDG_CONFIG_HOME="$HOME_DIR/first/.config"
unset XDG_DOCUMENTS_DIR XDG_DATA_HOME
mkdir "$HOME"
cp "$BUILD/bin/kostbilanz" "$BUILD/bin/NwChDb.dat" "$BUILD/bin/NwRefWerteDge.dat" "$BUILD/bin/NwRefWerteErweitert.dat" \
    "$BUILD/bin/NwWortliste.dat" "$BUILD/bin/NwPortionen.dat" "$APPDIR/"
before=$(cd "$APPDIR" && ls -A | sort)

# Xvfb picks a free display and names it; -noreset keeps the server as it is when the killed
# program, its only client, goes.
Xvfb -displayfd 5 -screen 0 1400x900x24 -nolisten tcp -noreset 5>"$RUNTIME/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$RUNTIME/display" ] && break; sleep 0.1; done
[ -s "$RUNTIME/display" ] || { echo "smoke: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$RUNTIME/display")"
export DISPLAY XDG_RUNTIME_DIR="$RUNTIME" QT_QPA_PLATFORM=xcb
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

# press <window id> <keys...>: keys typed into that window as a person would, through the
# keyboard (xdotool's XTEST), so every press has its release.
press() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" key --delay 50 "$@"
}

# wait_gone <pid> <seconds>: true once the process has ended
wait_gone() {
    for _ in $(seq $(( $2 * 10 ))); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
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
[ -e "$HOME/Documents" ] && fail "an empty day wrote into Documents: $(cd "$HOME/Documents" && find . | tr '\n' ' ')"
echo "smoke: closed with Beenden, exit code 0, nothing written"

# ---- a crash loses nothing ------------------------------------------------------------------
# Positions in the main window: the command bar at 17,6 with its buttons at top 12, 42 high;
# the meal pages at 17,220, whose tab bar and frame take 26 pixels, then the list at 8,8 with a
# 21-pixel head and rows of 18, and the arrow buttons at 42,272 on the page.
click_command() { xdotool mousemove --window "$MAIN" $((17 + $1 + 20)) $((6 + 12 + 21)) click 1; }
PAGE_TOP=$((220 + 26))
RECOVERY="$APPDIR/NwSitzung.dat"
printf 'VNR=Mz251026\r\nMahlzeit1=1;1;150,0;\r\nMahlzeit1=1;2;80,0;\r\nMahlzeit3=1;3;200,0;\r\n' >"$APPDIR/tag.txt"

"$APPDIR/kostbilanz" &
APP_PID=$!
MAIN=$(wait_window '^Kostbilanz 25\.12$' 30) || fail "the main window did not appear again"
sleep 1
click_command 10 # "Mahlzeiten - Datei einlesen"
DIALOG=$(wait_window '^Mahlzeiten einlesen$' 10) || fail "the open dialog did not appear"
xdotool windowfocus --sync "$DIALOG" type --delay 30 "$APPDIR/tag.txt"
press "$DIALOG" Return
sleep 1
[ -e "$RECOVERY" ] && fail "a day just read went to the recovery file"
# Select the second food of meal 1 and move it up: the day on screen is no longer the file's.
xdotool mousemove --window "$MAIN" 200 $((PAGE_TOP + 8 + 21 + 18 + 9)) click 1
sleep 0.3
xdotool mousemove --window "$MAIN" $((17 + 1 + 42 + 12)) $((PAGE_TOP + 272 + 12)) click 1
printf 'VNR=Mz251026\r\nMahlzeit1=1;2;80,0;\r\nMahlzeit1=1;1;150,0;\r\nMahlzeit3=1;3;200,0;\r\n' >"$RUNTIME/on-screen.txt"
# At most two seconds after the change the day is on disk; a little more for a busy machine.
for _ in $(seq 30); do [ -e "$RECOVERY" ] && break; sleep 0.1; done
[ -e "$RECOVERY" ] || fail "the changed day did not reach the recovery file within three seconds"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=
echo "smoke: meal file read, a food moved, program killed with the day in the recovery file"

"$APPDIR/kostbilanz" &
APP_PID=$!
QUESTION=$(wait_window '^  Kostbilanz 25\.12$' 30) || fail "the restart did not offer the day back"
press "$QUESTION" Return
MAIN=$(wait_window '^Kostbilanz 25\.12$' 10) || fail "no main window after the recovery question"
sleep 1
import -window root "${SHOT%.png}-recovered.png"
click_command 122 # "Mahlzeiten in Datei speichern"
DIALOG=$(wait_window '^Speichern als$' 10) || fail "the save dialog did not appear"
# The dialog proposes the file the day came from; the day goes to a new one.
xdotool windowfocus --sync "$DIALOG" key ctrl+a type --delay 30 "$APPDIR/gerettet.txt"
press "$DIALOG" Return
NOTICE=$(wait_window '^  Kostbilanz 25\.12$' 10) || fail "no notice after saving"
press "$NOTICE" Return
sleep 0.5
cmp -s "$RUNTIME/on-screen.txt" "$APPDIR/gerettet.txt" ||
    fail "the saved day differs from the one on screen before the kill: $(od -c "$APPDIR/gerettet.txt" 2>&1 | head -n 5)"
[ -e "$RECOVERY" ] && fail "the recovery file was left after the save"
echo "smoke: restarted, day taken back with Enter, saved to a new file as it was on screen"

click_command 744 # "Beenden": saved, so nothing is asked
wait_gone "$APP_PID" 10 || fail "the program did not end after Beenden"
wait "$APP_PID" || fail "the program ended with exit code $?"
APP_PID=
[ -e "$RECOVERY" ] && fail "the recovery file was left after a normal end"
echo "smoke: closed with Beenden, no recovery file left"

# ---- the keyboard and undo -------------------------------------------------------------------
# A food entered without the mouse, its meal cleared with the red X (at 8,272 on the page), the
# meal brought back with Strg+Z and saved with Strg+S: the file holds the food.
"$APPDIR/kostbilanz" &
APP_PID=$!
MAIN=$(wait_window '^Kostbilanz 25\.12$' 30) || fail "the main window did not appear for the keyboard road"
sleep 1
press "$MAIN" ctrl+f
SELECTION=$(wait_window '^  Lebensmittel auswählen$' 10) || fail "Strg+F opened no food selection"
xdotool windowfocus --sync "$SELECTION" type --delay 30 'zwieback vollkorn'
press "$SELECTION" Down Return
sleep 0.5
xdotool windowfocus --sync "$MAIN" type --delay 30 '50'
press "$MAIN" Return
sleep 0.3
xdotool mousemove --window "$MAIN" $((17 + 1 + 8 + 12)) $((PAGE_TOP + 272 + 12)) click 1
sleep 0.3
press "$MAIN" ctrl+z
sleep 0.3
import -window root "${SHOT%.png}-undone.png"
press "$MAIN" ctrl+s
DIALOG=$(wait_window '^Speichern als$' 10) || fail "Strg+S opened no save dialog"
xdotool windowfocus --sync "$DIALOG" key ctrl+a type --delay 30 "$APPDIR/rueckgaengig.txt"
press "$DIALOG" Return
NOTICE=$(wait_window '^  Kostbilanz 25\.12$' 10) || fail "no notice after saving with Strg+S"
press "$NOTICE" Return
sleep 0.5
printf 'VNR=Mz251026\r\nMahlzeit1=1;929;50,0;\r\n' >"$RUNTIME/undone.txt"
cmp -s "$RUNTIME/undone.txt" "$APPDIR/rueckgaengig.txt" ||
    fail "the day saved after Strg+Z is not the food entered: $(od -c "$APPDIR/rueckgaengig.txt" 2>&1 | head -n 5)"
click_command 744 # "Beenden": saved, so nothing is asked
wait_gone "$APP_PID" 10 || fail "the program did not end after Beenden"
wait "$APP_PID" || fail "the program ended with exit code $?"
APP_PID=
echo "smoke: a food entered with the keyboard, its meal cleared with the red X, back with Strg+Z, saved with Strg+S"

# ---- the command line refuses before it writes ------------------------------------------------
DAYS=$RUNTIME/days
mkdir "$DAYS"
printf 'VNR=Mz251026\r\nMahlzeit1=1;1;150,0;\r\n' >"$DAYS/Montag.txt"
printf 'VNR=Mz251026\r\nMahlzeit2=1;2;80,0;\r\n' >"$DAYS/Dienstag.txt"
cp "$DAYS/Montag.txt" "$DAYS/Dienstag.txt" "$RUNTIME/"
ln -s "$APPDIR/NwChDb.dat" "$DAYS/lnk.pdf"
# run_cli <expected exit> <expected text on standard error> <arguments...>: no display, no
# runtime folder, as in a plain terminal
run_cli() {
    local expected=$1 text=$2 status=0
    shift 2
    (cd "$DAYS" && env -u DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$APPDIR/kostbilanz" "$@") \
        >"$RUNTIME/cli.out" 2>"$RUNTIME/cli.err" || status=$?
    [ "$status" -eq "$expected" ] || fail "kostbilanz $* ended with $status, not $expected: $(cat "$RUNTIME/cli.err")"
    grep -qF "$text" "$RUNTIME/cli.err" || fail "kostbilanz $* did not say '$text': $(cat "$RUNTIME/cli.err")"
}
run_cli 2 'Die Ausgabe „Montag.txt“ muss auf .pdf enden.' --pdf Montag.txt Dienstag.txt
run_cli 2 "„$APPDIR/NwChDb.dat“: Diese Datei gehört zum Programm und wird nicht überschrieben." --pdf lnk.pdf Montag.txt
cmp -s "$DAYS/Montag.txt" "$RUNTIME/Montag.txt" || fail "Montag.txt changed"
cmp -s "$DAYS/Dienstag.txt" "$RUNTIME/Dienstag.txt" || fail "Dienstag.txt changed"
cmp -s "$APPDIR/NwChDb.dat" "$BUILD/bin/NwChDb.dat" || fail "NwChDb.dat changed"
[ -L "$DAYS/lnk.pdf" ] || fail "the link was replaced"
[ "$(cd "$DAYS" && ls -A | LC_ALL=C sort | tr '\n' ' ')" = "Dienstag.txt Montag.txt lnk.pdf " ] ||
    fail "the command line wrote into the folder: $(ls -A "$DAYS")"
echo "smoke: command line refused a forgotten output name and a link to NwChDb.dat, every file as it was"

# ---- the diary -----------------------------------------------------------------------------------
# From an empty home: a food entered with the keyboard is in today's diary file within three
# seconds, without any question; the program is killed, and the next start shows the day again.
export HOME="$HOME_DIR/diary" XDG_CONFIG_HOME="$HOME_DIR/diary/.config"
mkdir "$HOME"
TODAY=$(date +%F)
DIARY_DAY="$HOME/Documents/Kostbilanz/Tagebuch/$TODAY.txt"
printf 'VNR=Mz251026\r\nMahlzeit1=1;929;50,0;\r\n' >"$RUNTIME/diary-day.txt"
"$APPDIR/kostbilanz" &
APP_PID=$!
MAIN=$(wait_window '^Kostbilanz 25\.12$' 30) || fail "the main window did not appear for the diary"
sleep 1
press "$MAIN" ctrl+f
SELECTION=$(wait_window '^  Lebensmittel auswählen$' 10) || fail "Strg+F opened no food selection for the diary"
xdotool windowfocus --sync "$SELECTION" type --delay 30 'zwieback vollkorn'
press "$SELECTION" Down Return
sleep 0.5
xdotool windowfocus --sync "$MAIN" type --delay 30 '50'
press "$MAIN" Return
sleep 3
cmp -s "$RUNTIME/diary-day.txt" "$DIARY_DAY" ||
    fail "three seconds after the entry the diary day is not the food entered: $(od -c "$DIARY_DAY" 2>&1 | head -n 5)"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=
echo "smoke: a food entered with the keyboard was in Documents/Kostbilanz/Tagebuch/$TODAY.txt after 3 s; killed"

"$APPDIR/kostbilanz" &
APP_PID=$!
# Nothing was lost, so nothing is offered back: the main window comes straight up.
MAIN=$(wait_window '^Kostbilanz 25\.12$' 30) || fail "the main window did not appear after the kill"
xdotool search --onlyvisible --name '^  Kostbilanz 25\.12$' >/dev/null 2>&1 && fail "the restart asked a question"
sleep 1
import -window root "${SHOT%.png}-diary.png"
# The day on screen, saved as a copy through Strg+S, is the food entered before the kill.
press "$MAIN" ctrl+s
DIALOG=$(wait_window '^Speichern als$' 10) || fail "Strg+S opened no save dialog on the diary day"
xdotool windowfocus --sync "$DIALOG" key ctrl+a type --delay 30 "$APPDIR/wieder.txt"
press "$DIALOG" Return
NOTICE=$(wait_window '^  Kostbilanz 25\.12$' 10) || fail "no notice after saving the diary day's copy"
press "$NOTICE" Return
sleep 0.5
cmp -s "$RUNTIME/diary-day.txt" "$APPDIR/wieder.txt" ||
    fail "the day shown after the restart is not the one entered: $(od -c "$APPDIR/wieder.txt" 2>&1 | head -n 5)"
echo "smoke: started again, today's diary day shows the food (screenshot ${SHOT%.png}-diary.png)"

# The command line reads the same day from the diary.
status=0
env -u DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$APPDIR/kostbilanz" --summary --from "$TODAY" --to "$TODAY" \
    >"$RUNTIME/cli.out" 2>"$RUNTIME/cli.err" || status=$?
[ "$status" -eq 0 ] || fail "--summary --from $TODAY --to $TODAY ended with $status: $(cat "$RUNTIME/cli.err")"
grep -q "$(date +%d.%m.%Y)" "$RUNTIME/cli.out" || fail "--summary did not list today: $(cat "$RUNTIME/cli.out")"
grep -q '50,0' "$RUNTIME/cli.out" || fail "--summary did not sum the 50 g: $(cat "$RUNTIME/cli.out")"
echo "smoke: kostbilanz --summary --from $TODAY --to $TODAY lists the day"

# A meal file read, looked at for longer than the diary's delay and left: the diary as it was.
# (the days only: the diary's lock goes with the program)
diary_days() { (cd "$HOME/Documents/Kostbilanz/Tagebuch" && ls -- *.txt); }
diary_days >"$RUNTIME/diary-before.txt"
click_command 10 # "Mahlzeiten - Datei einlesen"
DIALOG=$(wait_window '^Mahlzeiten einlesen$' 10) || fail "the open dialog did not appear on the diary day"
xdotool windowfocus --sync "$DIALOG" type --delay 30 "$APPDIR/tag.txt"
press "$DIALOG" Return
sleep 3
click_command 744 # "Beenden": the file as read, so nothing is asked
wait_gone "$APP_PID" 10 || fail "the program did not end after Beenden with a meal file shown"
wait "$APP_PID" || fail "the program ended with exit code $?"
APP_PID=
cmp -s "$RUNTIME/diary-day.txt" "$DIARY_DAY" || fail "reading a meal file changed the diary day: $(od -c "$DIARY_DAY" | head -n 5)"
diary_days | cmp -s - "$RUNTIME/diary-before.txt" ||
    fail "reading a meal file changed the diary's days: $(diary_days | tr '\n' ' ')"
echo "smoke: a meal file read and closed, the diary unchanged"
