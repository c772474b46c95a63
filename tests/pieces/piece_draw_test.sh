#!/bin/bash
# Runs the piece drawing tests in a window on a private X server.
source "$(dirname "$0")/../gui/lib.sh"
DRAW=$1

gui_begin
# As for the program: the GL driver is unloaded at exit and leaves
# allocations that LeakSanitizer cannot attribute.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} "$DRAW" || gui_fail "piece drawing tests failed"
gui_end
