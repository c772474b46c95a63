#!/bin/bash
# Runs the piece drawing tests in a window on a private X server.
source "$(dirname "$0")/../gui/lib.sh"
DRAW=$1

gui_begin
"$DRAW" || gui_fail "piece drawing tests failed"
gui_end
