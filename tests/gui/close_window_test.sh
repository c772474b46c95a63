#!/bin/bash
# The window's close box (WM_DELETE_WINDOW) ends the program with status 0.
source "$(dirname "$0")/lib.sh"
VORNAK=$1
CLOSER=$2

gui_begin
gui_start_ready "$VORNAK"
"$CLOSER" "$GUI_WID" || gui_fail "could not ask the window to close"
gui_expect_exit 0
gui_end
