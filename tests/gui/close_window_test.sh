#!/bin/bash
# The window's close box (WM_DELETE_WINDOW) ends the program with status 0.
source "$(dirname "$0")/lib.sh"
VORNAK=$1
CLOSER=$2

gui_begin
gui_start "$VORNAK"
gui_wait_window
gui_wait_output $'\nZ \t black view toggle(2D)'
"$CLOSER" "$GUI_WID" || gui_fail "could not ask the window to close"
gui_expect_exit 0
gui_end
