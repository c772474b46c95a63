#!/bin/bash
# A tri-dimensional game by mouse on a board edited so that White's queen's
# side attack board carries its rook alone: piece moves, the board moved by
# clicking its post and then a pin, a capture from the moved board, and
# refused moves, among them one of Black's king's side board, which must be
# shown and leave the game as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

refused_pawn() { board_click E6; board_click E4; }
refused_board() { board_click_post KLB; board_click KL5; }

gui_begin
gui_start_ready "$VORNAK"
board_restore_edited A2 B2 B1
board_view

board_move E2E3
board_move E7E6
board_expect_pixels "$GUI_TMP/before.png" A1 E3 E6 E4 C3
board_move QLW:QL1-QL3
board_expect_pixels "$GUI_TMP/after.png" A1 E3 E6 E4
board_move E8B6
board_move A1A7
gui_expect_in_order $'\n1. ' $'\n1. ... ' $'\n2. QL3' $'\n2. ... ' $'\n3. Rx'

# Black's pawn cannot go two squares from here, nor may Black's full king's
# side board move: both are shown and change nothing.
board_expect_refused refused_pawn
board_expect_refused refused_board
gui_expect_in_order $'\nselected KL black' $'\nrefused KL6-KL5: '
gui_expect_absent $'\nPanic: MouseButton'
board_expect_pixels "$GUI_TMP/refused.png" E6 E4 A7 A1
# Black can still move.
board_move E6E5
gui_keep_window_shot
gui_quit
gui_end
