#!/bin/bash
# Attack boards found without knowing where their posts are: a board is
# selected by a click on its rim, the pins it may go to are drawn as yellow
# markers, and a click on a marker moves it there. A board that cannot move
# says why when it is selected.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"
MARKER='#FFFF00'

board_click_frame()
{
    board_ask frame "$1"
    [ -n "$BOARD_ANSWER" ] && [ "$BOARD_ANSWER" != none ] || gui_fail "no pixel picks the rim of $1"
    board_click_at $BOARD_ANSWER
}

# Whether the image shows the marker's yellow at the middle of pin $2's marker.
marker_shown()
{
    local image=$1 x y
    board_ask marker "$2"
    read -r x y <<<"$BOARD_ANSWER"
    board_colors_at "$image" "$x" "$y" 1 | grep -qi -- "$MARKER"
}

gui_begin
gui_start_ready "$VORNAK"
# White's queen's side board carries its rook alone and may move.
board_restore_edited A2 B2 B1
board_view

# A full board: selected, with the reason it stays where it is.
board_click_frame KLW
gui_wait_output $'\nselected KL white'
gui_wait_output $'\nKL white has no move: an attack board carrying more than one piece may not move'
board_click_frame KLW

# The free board: its markers on QL3 (forward) and not on QL2 before it is
# selected, then on both; the move by its marker.
gui_screenshot "$GUI_TMP/unselected.png"
marker_shown "$GUI_TMP/unselected.png" QL3 && gui_fail "a marker is drawn with no board selected"
board_click_frame QLW
gui_wait_output $'\nselected QL white'
ok=""
for i in 1 2 3 4 5 6; do
    gui_screenshot "$GUI_TMP/markers.png"
    marker_shown "$GUI_TMP/markers.png" QL3 && marker_shown "$GUI_TMP/markers.png" QL2 && ok=1 && break
    sleep 0.5
done
[ -n "$ok" ] || gui_fail "the markers of QL3 and QL2 are not drawn"
gui_expect_absent $'\nQL white has no move'

before=$(board_logged_moves)
board_ask marker QL3
board_click_at $BOARD_ANSWER
for i in $(seq 200); do
    [ "$(board_logged_moves)" -gt "$before" ] && break
    sleep 0.05
done
[ "$(board_logged_moves)" -gt "$before" ] || gui_fail "the click on the marker of QL3 moved nothing"
gui_expect_in_order $'\nselected QL white' $'\n1. QL3'
BOARD_MOVES+=(-m QLW:QL1-QL3)
gui_keep_window_shot
gui_quit
gui_end
