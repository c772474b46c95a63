#!/bin/bash
# A key without a command is reported and the program goes on.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
gui_start_ready "$VORNAK"

gui_key f
gui_wait_output $'\nDon\'t know what to do with keyboard hit: \'f\' (0x66)\n'
# Still answering keys afterwards.
gui_key g
gui_wait_output $'\nW xang=300 yang=0 scale=1.6'
gui_expect_running

gui_key q
gui_expect_exit 0
gui_end
