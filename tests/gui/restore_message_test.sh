#!/bin/bash
# A game or a position refused is named in the window with the reason in
# words, as well as on the console: a file named at start-up, the save file
# Alt+R restores, and a position P reads from position.txt (there is no
# entry dialog without zenity). Each leaves the game in progress.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
printf '[Event "x"]\n\n1. e4 e5 2. Ke3 *\n' >"$GUI_WORK/bad.pgn"
head -c 1000 /dev/zero >"$GUI_WORK/vornak.sav"
printf '8/8/8/8/8/8/8/8 w - - 0 1\n' >"$GUI_WORK/position.txt"
gui_start_ready env PATH=/nonexistent VORNAK_TRACE_MESSAGES=1 "$VORNAK" bad.pgn
gui_wait_output $'\nRestore game ... failed! move 2. Ke3: no legal move fits\nthe game in progress is unchanged'
gui_expect_message "could not restore bad.pgn: move 2. Ke3: no legal move fits"

gui_key alt+r
gui_wait_output $'\nRestore game ... failed! unrecognized file type: 1000 sos: 28732\nthe game in progress is unchanged'
gui_expect_message "could not restore vornak.sav: not a Vornak save file (wrong size: 1000 bytes)"

gui_key p
gui_wait_output $'\nPosition refused: the FEN tag: missing White king\nthe game in progress is unchanged'
gui_expect_message "position refused: missing White king"
gui_expect_absent "complete!" "Position set up"
gui_expect_running
gui_quit
gui_end
