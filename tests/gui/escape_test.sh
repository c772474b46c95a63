#!/bin/bash
# Escape quits with status 0 and leaves nothing running.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
gui_start_ready "$VORNAK"
gui_key Escape
gui_expect_exit 0
gui_end
