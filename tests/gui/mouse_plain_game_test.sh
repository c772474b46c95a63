#!/bin/bash
# A plain game played to mate with the mouse: each move is two clicks, found
# by projecting the squares with the program's camera; the mate shows as the
# red status line (CHECKMATE once the game is decided). Clicking the selected
# piece again only deselects it, and clicking an empty square with nothing
# selected does nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

gui_begin
board_start_plain_game "$VORNAK"

# Select and deselect; an empty square selects nothing. Neither is a move.
board_click e2
board_click e2
board_click e4
board_click e5
board_move e2e4
board_move e7e5
board_move f1c4
board_move b8c6
board_move d1h5
board_move g8f6
board_wait_status '#00FF00' || gui_fail "no green status line before the mate"
# The computer takes Black for the last move: the thinking thread is what
# finds that Black has no move left and ends the game.
gui_key b
gui_wait_output $'\nVornak playing Black'
board_move h5f7
gui_expect_in_order $'\n1. e4' $'\n1. ... e5' $'\n2. Bc4' $'\n2. ... Nc6' $'\n3. Qh5' $'\n3. ... Nf6' $'\n4. Qxf7#'
board_wait_status '#FF0000' || gui_fail "the status line never turned red"
gui_wait_output $'\nVornakLoses:Black'
# "CHECKMATE" reaches about 150 pixels, "CHECK" alone about 80. The check
# shows as soon as the move is made, the mate once the computer has found no
# reply and the next frame is drawn.
width=0
for _ in $(seq 40); do
    board_wait_status '#FF0000' || gui_fail "the status line is no longer red"
    width=$(board_status_extent "$GUI_TMP/status.png" '#FF0000')
    [ "${width:-0}" -ge 120 ] && break
    sleep 0.25
done
[ "${width:-0}" -ge 120 ] || gui_fail "the red status line is $width pixels wide: not CHECKMATE"
[ "$(board_logged_moves)" -eq 7 ] || gui_fail "moves logged: $(board_logged_moves), expected 7"
gui_keep_window_shot
gui_quit
gui_end
