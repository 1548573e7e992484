#!/usr/bin/env bash
# Checks that a change of how the main window is built leaves every pixel as it was.
#
#   tools/compare_window_grabs.sh grab <build folder> <output folder> [--diary]
#       builds bench/grab_main_window in the build folder and writes its grabs there: the
#       empty window (pages 1 and 2) and a filled day (foods in meals 1, 3 and 6) on pages 1,
#       2, 3 and 6, as PNG files, and the window's keyboard focus chain as text; with --diary
#       the window has a diary and shows its date bar.
#   tools/compare_window_grabs.sh compare <folder before> <folder after>
#       ImageMagick `compare -metric AE` on every pair (the number of differing pixels) and a
#       diff of the focus chains; ends with 1 unless every pair is identical.
#
# The grabs belong outside the repository (e.g. /tmp). For the "before" grabs, unpack the
# older tree with `git archive <commit> | tar -x -C <folder>` and run `grab` with a build
# folder inside it; the platform is offscreen unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/lib/setup.sh"

case "${1:-}" in
grab)
    [ $# -eq 3 ] || [ $# -eq 4 ] || { echo "usage: $0 grab <build folder> <output folder> [--diary]" >&2; exit 2; }
    BUILD=$2
    OUT=$(realpath -m "$3")
    kb_install_packages
    cmake --build "$BUILD" --parallel 2 --target grab_main_window >/dev/null
    RUNTIME=$(mktemp -d)
    trap 'rm -rf "$RUNTIME"' EXIT
    XDG_RUNTIME_DIR=$RUNTIME QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
        "$BUILD/bin/grab_main_window" "$ROOT/data" "$OUT" ${4:+"$4"}
    echo "grabs in $OUT"
    ;;
compare)
    [ $# -eq 3 ] || { echo "usage: $0 compare <folder before> <folder after>" >&2; exit 2; }
    kb_install_packages imagemagick
    status=0
    for before in "$2"/*.png; do
        name=$(basename "$before")
        after="$3/$name"
        if [ ! -f "$after" ]; then
            echo "$name: missing in $3"
            status=1
            continue
        fi
        # compare prints the count on stderr and ends with 1 when the pictures differ.
        pixels=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
        echo "$name: $pixels differing pixels"
        [ "$pixels" = 0 ] || status=1
    done
    if diff -u "$2/focus-chain.txt" "$3/focus-chain.txt"; then
        echo "focus-chain.txt: same"
    else
        status=1
    fi
    exit $status
    ;;
*)
    echo "usage: $0 grab <build folder> <output folder> | compare <folder before> <folder after>" >&2
    exit 2
    ;;
esac
