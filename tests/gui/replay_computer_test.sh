#!/bin/bash
# A side given to the computer during a review of the game is played: after
# F7 then F8, B ends the review and the computer answers White's next move;
# after F7 F7, W makes it move for White at once, from the whole game; F9
# in a review starts autoplay.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"

# Waits for a logged ply starting with the text (a regular expression).
wait_ply()
{
    local text=$1 i
    for i in $(seq 300); do
        gui_console | grep -qE "^$text" && return 0
        sleep 0.1
    done
    gui_fail "no ply '$text' within 30 s"
}

gui_begin
board_start_plain_game "$VORNAK"
board_move e2e4
board_move e7e5
# The computer thinks briefly.
gui_key d
gui_wait_output $'\ndifficulty : EASY'

gui_key F7 F8
key_expect "Vornak playing Black" b
board_move g1f3
wait_ply '2\. \.\.\. '

gui_key F10
gui_key F7 F7
key_expect "Vornak playing White" w
wait_ply '3\. [^.]'
# The review ended with the whole game on the board: the move follows 2. ...
[ "$(board_logged_moves)" -eq 5 ] || gui_fail "$(board_logged_moves) plies logged, expected 5"

gui_key F10
sleep 0.5
before=$(board_logged_moves)
gui_key F7 F9
for i in $(seq 300); do
    [ "$(board_logged_moves)" -ge $((before + 2)) ] && break
    sleep 0.1
done
[ "$(board_logged_moves)" -ge $((before + 2)) ] || gui_fail "autoplay from a review played $(($(board_logged_moves) - before)) plies"
gui_key F10
# No fault, beyond the first menu build's report.
faults=$(gui_console | grep -E 'Panic|illegal|cannot move' | grep -v 'CreateMenu no main menu')
[ -z "$faults" ] || gui_fail "faults reported: $faults"
gui_quit
gui_end
