#!/bin/bash
# The last move is marked on the board: after the computer's answer exactly
# its from and to squares are framed (the to square holds its piece, the
# from square is empty), and the move line names it in Black's colour; the
# banner says whose turn it is.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"
FRAME='#3399FF'


gui_begin
board_start_plain_game "$VORNAK"
gui_key o
BOARD_ORTHO=1
board_view
key_expect "difficulty : EASY" d
board_move e2e4
gui_screenshot "$GUI_TMP/white.png"
[ "$(framed_squares "$GUI_TMP/white.png" "$FRAME" | paste -sd' ')" = "e2 e4" ] \
    || gui_fail "after e2e4 the frames are on: $(framed_squares "$GUI_TMP/white.png" "$FRAME" | paste -sd' ')"

# The computer answers for Black.
key_expect "Vornak playing Black" b
for i in $(seq 300); do
    answer=$(gui_console | grep -E '^1\. \.\.\. ' | tail -n1)
    [ -n "$answer" ] && break
    sleep 0.1
done
[ -n "$answer" ] || gui_fail "the computer did not answer"
to=$(grep -oE '[a-h][1-8]' <<<"$answer" | tail -n1)
for attempt in 1 2 3 4 5 6; do
    sleep 0.5
    gui_screenshot "$GUI_TMP/black.png"
    framed=$(framed_squares "$GUI_TMP/black.png" "$FRAME")
    [ "$(grep -c . <<<"$framed")" -eq 2 ] && grep -qx "$to" <<<"$framed" && break
done
[ "$(grep -c . <<<"$framed")" -eq 2 ] || gui_fail "after '$answer' the frames are on: $(echo $framed)"
grep -qx "$to" <<<"$framed" || gui_fail "'$answer' is to $to, but the frames are on: $(echo $framed)"
from=$(grep -vx "$to" <<<"$framed")
[[ "$from" == [a-h][78] ]] || gui_fail "'$answer' came from $from?"
# The move line names it, in Black's colour (lit black text is bluish).
board_ask text 0
read -r x y <<<"$BOARD_ANSWER"
gui_window_origin
gui_region_has_color "$GUI_TMP/black.png" "300x26+$((GUI_WX + x))+$((GUI_WY + y - 20))" '#9999CC' \
    || gui_fail "the move line is not in Black's colour"
gui_quit
gui_end
