#!/usr/bin/env bash
# Instruction counts of one start-up of the program and of the floor window (callgrind,
# offscreen): the stable figure for deciding on a change, where times on the shared machine
# are not. Each program runs once under callgrind with KOSTBILANZ_QUIT_WHEN_SHOWN=1; the count
# is split where the first painted frame ends the event loop (QCoreApplication::quit), so both
# the start-up until the first frame and the whole run are shown.
#
#   tools/callgrind_startup.sh [--large] [build folder]
#
# --large runs on a data folder fifteen times the shipped one (make_large_food_table). The
# build folder (default build-bench, a Release build as scripts/bench makes) must hold
# kostbilanz and baseline_window; the profiles stay in a temporary folder that is printed.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/lib/setup.sh"
LARGE=0
if [ "${1:-}" = --large ]; then
    LARGE=1
    shift
fi
BUILD=$(realpath "${1:-$ROOT/build-bench}")
kb_install_packages valgrind
cmake --build "$BUILD" --parallel 2 --target kostbilanz baseline_window make_large_food_table >/dev/null

WORK=$(mktemp -d /tmp/kb-callgrind.XXXXXX)
mkdir -m 700 "$WORK/runtime"
cp "$BUILD/bin/kostbilanz" "$BUILD/bin/baseline_window" "$WORK/"
if [ "$LARGE" -eq 1 ]; then
    "$BUILD/bin/make_large_food_table" "$ROOT/data" "$WORK" >/dev/null
else
    cp "$ROOT/data/NwChDb.dat" "$ROOT/data/NwRefWerteDge.dat" "$ROOT/data/NwWortliste.dat" "$ROOT/data/NwPortionen.dat" "$WORK/"
fi

# The instructions of the given profiles together (their "summary:" lines).
count() {
    local total=0 part
    for file in "$@"; do
        part=$(sed -n 's/^summary: //p' "$file")
        total=$((total + part))
    done
    echo "$total"
}

cd "$WORK"
for program in kostbilanz baseline_window; do
    env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK/runtime" KOSTBILANZ_QUIT_WHEN_SHOWN=1 \
        valgrind --tool=callgrind --callgrind-out-file="$WORK/$program.out" \
        --dump-before='QCoreApplication::quit()' "./$program" >/dev/null 2>"$WORK/$program.log"
    # The first part (.out.1) runs until the quit after the first painted frame, the last
    # part (.out) is the rest of the run until exit.
    first=$(count "$WORK/$program.out.1")
    whole=$(count "$WORK/$program.out"*)
    awk -v p="$program" -v f="$first" -v w="$whole" \
        'BEGIN { printf "%-16s until the first frame %6.1f M   whole run %6.1f M instructions\n", p, f / 1e6, w / 1e6 }'
done
echo "profiles in $WORK (callgrind_annotate --inclusive=yes <file>)"
