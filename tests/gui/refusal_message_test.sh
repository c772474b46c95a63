#!/bin/bash
# A refused move says why, in words: on the console and in a message at the
# window's foot that fades after a few seconds; the one-frame message of the
# status line stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

gui_begin
board_start_plain_game "$VORNAK"
# F10 said that the computer does not play; the foot is clear once it fades.
gui_wait_message_gone || gui_fail "a message before any move that never faded"
board_click a2
board_click a5
gui_wait_output $'\nrefused a2-a5: a pawn moves one square forward (two from its starting square)'
gui_message_shown || gui_fail "no message at the window's foot"
# In check from b4, a pawn move that does not help.
for move in e2e4 e7e5 d2d4 f8b4; do
    board_move "$move"
done
board_click a2
board_click a3
gui_wait_output $'\nrefused a3: the king is in check and this move does not save it'
# It fades: gone some seconds later, while the program runs on.
gui_wait_message_gone 15 || gui_fail "the message never faded"
gui_expect_running
gui_quit
gui_end
