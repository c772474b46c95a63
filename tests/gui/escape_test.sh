#!/bin/bash
# Escape quits with status 0 and leaves nothing running.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
gui_start "$VORNAK"
gui_wait_window
gui_wait_output $'\nZ \t black view toggle(2D)'
gui_key Escape
gui_expect_exit 0
gui_end
