#!/bin/bash
# A refused move says why, in words: on the console and in a message at the
# window's foot that fades after a few seconds; the one-frame message of the
# status line stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"
MESSAGE='#FFFF99'

# Whether the window's foot shows the message's colour.
message_shown()
{
    local geo w h
    gui_screenshot "$GUI_TMP/foot.png"
    gui_window_origin
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$GUI_WID") || gui_fail "no window geometry"
    w=$(echo "$geo" | sed -n 's/^WIDTH=//p')
    h=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
    gui_region_has_color "$GUI_TMP/foot.png" "${w}x30+$GUI_WX+$((GUI_WY + h - 30))" "$MESSAGE"
}

gui_begin
board_start_plain_game "$VORNAK"
message_shown && gui_fail "a message before any move"
board_click a2
board_click a5
gui_wait_output $'\nrefused a2-a5: a pawn moves one square forward (two from its starting square)'
message_shown || gui_fail "no message at the window's foot"
# In check from b4, a pawn move that does not help.
for move in e2e4 e7e5 d2d4 f8b4; do
    board_move "$move"
done
board_click a2
board_click a3
gui_wait_output $'\nrefused a3: the king is in check and this move does not save it'
# It fades: gone some seconds later, while the program runs on.
for i in $(seq 30); do
    message_shown || break
    sleep 0.5
done
message_shown && gui_fail "the message never faded"
gui_expect_running
gui_quit
gui_end
