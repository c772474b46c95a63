#!/bin/bash
# A resized window keeps the view's proportions: in a wide and a tall window
# the squares lie where the undistorted camera puts them and clicks still
# pick them, and the plain board seen from above is square. The captured
# pieces stay inside the window, and from above no square lies under the
# status text, in either game.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

resize()
{
    timeout 10 xdotool windowsize --sync "$GUI_WID" "$1" "$2" || gui_fail "cannot resize to $1x$2"
    sleep 0.5
}

# The window's picture into $GUI_TMP/win.png; sets W and H.
window_shot()
{
    local geo
    gui_screenshot "$GUI_TMP/full.png"
    gui_window_origin
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$GUI_WID") || gui_fail "no window geometry"
    W=$(echo "$geo" | sed -n 's/^WIDTH=//p')
    H=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
    /usr/bin/convert "$GUI_TMP/full.png" -crop "${W}x${H}+$GUI_WX+$GUI_WY" +repage "$GUI_TMP/win.png"
}

# Whether a region of the window's picture shows one of the squares'
# colours.
shows_squares() { /usr/bin/convert "$GUI_TMP/win.png" -crop "$1" +repage -unique-colors txt:- | grep -qiE '#737373|#A6A6A6'; }

# Seen from above: the squares lie below the text band (the clock's line
# and a little), and are drawn.
expect_overhead_clear()
{
    local band=130 i
    gui_key o
    for i in 1 2 3 4 5 6; do
        window_shot
        shows_squares "${W}x$((H - band))+0+$band" && ! shows_squares "${W}x${band}+0+0" && return 0
        sleep 0.5
    done
    shows_squares "${W}x$((H - band))+0+$band" || gui_fail "$1: no board from above in ${W}x$H"
    gui_fail "$1: squares under the status text in ${W}x$H"
}

# Whether the region shows a piece of the side (1 White, -1 Black).
shows_piece()
{
    local c
    for c in $(/usr/bin/convert "$GUI_TMP/win.png" -crop "$1" +repage -unique-colors txt:- | grep -o '#[0-9A-Fa-f]\{6\}'); do
        board_piece_color "$c" "$2" && return 0
    done
    return 1
}

gui_begin
board_start_plain_game "$VORNAK"
# Each side loses a pawn: White's in the left column, Black's in the right.
for move in e2e4 d7d5 e4d5 d8d5; do
    board_move "$move"
done
# The board's extent is measured below: F10's message at the window's foot
# must have faded first.
gui_wait_message_gone || gui_fail "the message at the window's foot never faded"

for size in "1000 560" "520 800"; do
    # shellcheck disable=SC2086
    resize $size
    gui_key v
    board_view
    board_expect_pixels "$GUI_TMP/view.png" A3 H3 A6 H6 E2 D5 C7 F4
    window_shot
    shows_piece "60x$((H - 140))+0+140" 1 || gui_fail "White's captured pawn is not inside the ${W}x$H window"
    shows_piece "60x$((H - 140))+$((W - 60))+140" -1 || gui_fail "Black's captured pawn is not inside the ${W}x$H window"
    expect_overhead_clear "plain game"
    # The plain board from above is square: its drawn extent, between the
    # captured pieces' columns and below the text, is as wide as high.
    read -r bw bh < <(/usr/bin/convert "$GUI_TMP/win.png" -crop "$((W - 128))x$((H - 130))+64+130" +repage \
        -trim -format '%w %h' info:)
    [ $((bw - bh)) -le 3 ] && [ $((bh - bw)) -le 3 ] || gui_fail "the board from above is ${bw}x$bh in ${W}x$H"
done
# Clicks still pick the squares in the resized window.
gui_key v
board_view
board_move g1f3

gui_key F3
gui_answer_box "$GUI_UNSAVED_BOX" Return
gui_wait_output $'\nVornak V2.98f'
for size in "800 800" "1000 560" "520 800"; do
    # shellcheck disable=SC2086
    resize $size
    expect_overhead_clear "tri-dimensional game"
done
gui_quit
gui_end
