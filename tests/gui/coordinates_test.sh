#!/bin/bash
# Coordinates beside the board: N and View > Coordinates show and hide them,
# each saying what it did; in the plain game overhead the rank number 1 lies
# left of a1 and the file letter a below it, in both games nothing of their
# colour is drawn while they are hidden.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"
LABEL='#FFCC66'

# Pixels of the label colour in the window's area of a screenshot.
label_pixels()
{
    gui_screenshot "$GUI_TMP/coords.png"
    gui_window_origin
    /usr/bin/convert "$GUI_TMP/coords.png" -crop "800x800+$GUI_WX+$GUI_WY" +repage txt:- 2>/dev/null \
        | grep -ci -- "$LABEL"
}

# Waits for the labels to be drawn (1) or gone (0).
expect_labels()
{
    local want=$1 i n
    for i in 1 2 3 4 5 6; do
        n=$(label_pixels)
        { [ "$want" = 1 ] && [ "$n" -gt 20 ]; } || { [ "$want" = 0 ] && [ "$n" -eq 0 ]; } && return 0
        sleep 0.5
    done
    gui_fail "expected labels $want, found $n pixels of $LABEL"
}

gui_begin
board_start_plain_game env VORNAK_TRACE_MENUS=1 "$VORNAK"
gui_key o
BOARD_ORTHO=1
board_view
expect_labels 0
key_expect "Coordinates ON" n
expect_labels 1
# Beside a1: the rank left of its left edge, the file below its near edge,
# a third of a square out.
board_ask edge A1
read -r ax ay <<<"$BOARD_ANSWER"
board_ask edge B1
read -r bx _ <<<"$BOARD_ANSWER"
unit=$((bx - ax))
[ "$unit" -gt 10 ] || gui_fail "squares of $unit pixels"
gui_window_origin
gui_region_has_color "$GUI_TMP/coords.png" \
    "$((unit / 3))x$((unit / 2))+$((GUI_WX + ax - unit / 2))+$((GUI_WY + ay - unit / 4))" "$LABEL" \
    || gui_fail "no rank number left of a1"
gui_region_has_color "$GUI_TMP/coords.png" \
    "$((unit / 2))x$((unit / 3))+$((GUI_WX + ax + unit / 4))+$((GUI_WY + ay + unit / 2 + unit / 10))" "$LABEL" \
    || gui_fail "no file letter below a1"
gui_keep_window_shot
key_expect "Coordinates OFF" n
expect_labels 0

# The menu entry, and the tri-dimensional game's labels.
gui_menu_expect 6 7
gui_wait_output $'\nCoordinates ON'
expect_labels 1
before=$(gui_count_lines 'Vornak V2.98f')
gui_key F3
gui_wait_more_lines 'Vornak V2.98f' "$before" || gui_fail "F3 started no new game"
sleep 1
expect_labels 1
[ -n "${VORNAK_SCREENSHOT:-}" ] && cp "$GUI_TMP/coords.png" "${VORNAK_SCREENSHOT%.png}-tri.png"
gui_menu_expect 6 7
gui_wait_output $'\nCoordinates OFF'
expect_labels 0
gui_quit
gui_end
