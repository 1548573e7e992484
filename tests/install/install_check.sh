#!/usr/bin/env bash
# Installs the program as a user would, into a fresh temporary HOME, and checks the result:
# every file in its place, the menu entry and the AppStream description accepted by their
# validators, the installed starter bringing up the main window with the shipped foods under
# Xvfb, a second install over an older one replacing the program's files and keeping the
# user's byte for byte, and uninstall removing what install put there and nothing else.
#   tests/install/install_check.sh <build folder> [screenshot.png]
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
SHOT=${2:-$BUILD/install-main-window.png}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
kb_install_packages desktop-file-utils appstream xvfb xauth xdotool imagemagick x11-utils

TEST_HOME=$(mktemp -d)
RUNTIME=$(mktemp -d)
chmod 700 "$RUNTIME"
trap 'kill ${XVFB_PID:-} ${APP_PID:-} 2>/dev/null || true; rm -rf "$TEST_HOME" "$RUNTIME"' EXIT
export HOME=$TEST_HOME
PREFIX=$HOME/.local
PROGRAM_DIR=$PREFIX/share/kostbilanz
ID=de.kostbilanz.Kostbilanz
LOG=$TEST_HOME/install.log

fail() { echo "install: $*" >&2; exit 1; }

run_install() {
    KOSTBILANZ_BUILD_DIR="$BUILD" "$ROOT/scripts/install" "$@" >"$LOG" 2>&1 || { cat "$LOG" >&2; fail "scripts/install $* failed"; }
}

# --- First install: every file in its place ---------------------------------------------------
run_install
[ -x "$PROGRAM_DIR/kostbilanz" ] || fail "no program in $PROGRAM_DIR"
[ -x "$PREFIX/bin/kostbilanz" ] || fail "no starter in $PREFIX/bin"
for data in "$ROOT"/data/*.dat; do
    cmp -s "$data" "$PROGRAM_DIR/$(basename "$data")" || fail "$(basename "$data") not installed as shipped"
done
for size in 16 32 48 64 128 256; do
    [ -f "$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png" ] || fail "no $size px icon"
done
[ -f "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" ] || fail "no scalable icon"

DESKTOP=$PREFIX/share/applications/$ID.desktop
METAINFO=$PREFIX/share/metainfo/$ID.metainfo.xml
# Not even a hint: a second main category, for one, would show the entry twice in some menus.
report=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli validate failed"
grep -qx "Exec=\"$PREFIX/bin/kostbilanz\"" "$DESKTOP" || fail "the menu entry does not start the starter: $(grep ^Exec "$DESKTOP")"
echo "install: files in place, menu entry and AppStream description valid"

# --- The installed starter, from elsewhere, under Xvfb -----------------------------------------
DISPLAY_NUMBER=96
Xvfb ":$DISPLAY_NUMBER" -screen 0 1400x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER" XDG_RUNTIME_DIR="$RUNTIME" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd / && exec "$PREFIX/bin/kostbilanz") &
APP_PID=$!
MAIN=""
for _ in $(seq 300); do
    MAIN=$(xdotool search --onlyvisible --name '^Kostbilanz 25\.12$' 2>/dev/null | head -n 1 || true)
    [ -n "$MAIN" ] && break
    sleep 0.1
done
[ -n "$MAIN" ] || fail "no window appeared"
sleep 1
# A missing or unreadable data file is reported in a message box with the same caption, before
# the main window shows; only the main window has the main window's size, so seeing it alone
# means the shipped foods and reference values were found beside the installed program.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
[ "${WIDTH}x$HEIGHT" = 1200x745 ] || fail "a ${WIDTH}x$HEIGHT window instead of the main window (a message box?)"
[ "$(xdotool search --onlyvisible --name 'Kostbilanz' 2>/dev/null | wc -l)" -eq 1 ] || fail "another window besides the main window"
import -window root "$SHOT"
echo "install: the installed starter shows the main window, screenshot $SHOT"
# "Beenden", where the smoke test clicks it.
xdotool mousemove --window "$MAIN" $((17 + 744 + 20)) $((6 + 12 + 21)) click 1
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after Beenden"
wait "$APP_PID" || fail "the program ended with exit code $?"
APP_PID=

# --- Second install over an older one -----------------------------------------------------------
MANIFEST=$PROGRAM_DIR/.installierte-dateien
OWN_FILES=(NwAnDb.dat NwMasse.dat NwRefWerteAnw.dat NwConfig.dat NwSitzung.dat Montag.txt)
for own in "${OWN_FILES[@]}"; do
    printf 'eigene Datei %s\r\n30001;Haferbrei \xe4;100;\r\n' "$own" >"$PROGRAM_DIR/$own"
    cp "$PROGRAM_DIR/$own" "$TEST_HOME/$own.planted"
done
# As another release may leave them: other food data, and a file this one does not install.
echo "alte Daten" >"$PROGRAM_DIR/NwChDb.dat"
echo "alt" >"$PROGRAM_DIR/NwAlt.dat"
echo "$PROGRAM_DIR/NwAlt.dat" >>"$MANIFEST"
run_install
for own in "${OWN_FILES[@]}"; do
    cmp -s "$TEST_HOME/$own.planted" "$PROGRAM_DIR/$own" || fail "the second install changed $own"
done
cmp -s "$ROOT/data/NwChDb.dat" "$PROGRAM_DIR/NwChDb.dat" || fail "the second install kept the old NwChDb.dat"
[ ! -e "$PROGRAM_DIR/NwAlt.dat" ] || fail "the second install kept a file the older one installed"
echo "install: a second install replaces the program's files and keeps the user's"

# --- Uninstall ------------------------------------------------------------------------------------
cp "$MANIFEST" "$TEST_HOME/installed"
# A lock left by a program that was killed, with a process id no process has.
printf '%s\nkostbilanz\n%s\n' 4194304 "$(hostname)" >"$PROGRAM_DIR/Kostbilanz.lock"
run_install --uninstall
[ ! -e "$PROGRAM_DIR/Kostbilanz.lock" ] || fail "uninstall kept the lock of a program that ended"
while IFS= read -r path; do
    [ ! -e "$path" ] || fail "uninstall left $path"
done <"$TEST_HOME/installed"
[ ! -e "$MANIFEST" ] || fail "uninstall left its list"
for own in "${OWN_FILES[@]}"; do
    cmp -s "$TEST_HOME/$own.planted" "$PROGRAM_DIR/$own" || fail "uninstall changed or removed $own"
done
grep -qF "$PROGRAM_DIR" "$LOG" || fail "uninstall did not say where the user's files are: $(cat "$LOG")"
grep -q "NwAnDb.dat" "$LOG" || fail "uninstall did not name the user's files: $(cat "$LOG")"
run_install --uninstall
echo "install: uninstall removes every installed file and keeps the user's"
