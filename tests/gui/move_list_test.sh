#!/bin/bash
# The move list in the window: M and View > Move list toggle it; it shows
# the moves after the computer's answer, and during a review the ply shown
# in yellow.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"

# Whether the list's region shows the colour (#RRGGBB).
list_shows()
{
    local i
    for i in 1 2 3 4 5 6; do
        gui_screenshot "$GUI_TMP/list.png"
        gui_window_origin
        gui_region_has_color "$GUI_TMP/list.png" "200x60+$((GUI_WX + 800 - 270))+$((GUI_WY + 10))" "$1" && return 0
        [ "${2:-}" = once ] && return 1
        sleep 0.5
    done
    return 1
}

gui_begin
board_start_plain_game env VORNAK_TRACE_MENUS=1 "$VORNAK"
gui_key o
BOARD_ORTHO=1
board_view
list_shows '#FFFFFF' once && gui_fail "a move list before it was asked for"
key_expect "difficulty : EASY" d
board_move e2e4
key_expect "Vornak playing Black" b
gui_wait_output $'\n1. ... '
gui_key m
list_shows '#FFFFFF' || gui_fail "M shows no move list"
# Reviewing: the ply shown is yellow.
gui_key F7 F7
list_shows '#FFFF00' || gui_fail "the reviewed ply is not marked"
gui_key F8 F8
gui_menu_expect 6 6
sleep 0.5
list_shows '#FFFFFF' once && gui_fail "View > Move list did not hide the list"
gui_quit
gui_end
