#!/bin/bash
# Frames per second of the start position and the time of one pick, in both
# games with both piece styles, on a private X server with Mesa's software
# renderer. A measurement, not a test: it fails only when the program does
# not report. Other load on the machine lowers the figures.
#
#   bench_fps.sh /path/to/vornak [frames]      (default 300 frames)
source "$(dirname "$0")/lib.sh"
VORNAK=$1
FRAMES=${2:-300}
SOURCE_DIR=$(cd "$GUI_DIR/../.." && pwd)

gui_begin
mkdir -p "$GUI_WORK/pieces"
cp "$SOURCE_DIR"/pieces/*.STL "$GUI_WORK/pieces/" || gui_fail "no meshes in $SOURCE_DIR/pieces"

for game in 3 2; do
    for pieces in mesh classic; do
        export VORNAK_BENCH_FRAMES=$FRAMES VORNAK_BENCH_GAME=$game VORNAK_BENCH_PIECES=$pieces
        gui_start "$VORNAK"
        gui_expect_exit 0 120
        gui_console | grep '^bench: ' >&2
        gui_console | grep -q '^bench: pick in ' || gui_fail "no figures for game $game, $pieces pieces"
    done
done
gui_end
