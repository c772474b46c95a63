#!/bin/bash
# Promotions made with the mouse ask once which piece, through the message
# box: White's pawn takes on a8 and becomes the rook clicked in the box;
# Black's pawn takes on h1 and becomes the piece Return picks (the bishop,
# the box's return default). Each move is logged once with its piece.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

# The message box's window id, if one is shown (xdotool's search does not
# see the box's name; xwininfo does).
shown_box() { xwininfo -root -children 2>/dev/null | awk '/ "PROMOTION": / {print $1; exit}'; }

# The message box's window id, once it is shown; empty after the timeout.
promotion_box()
{
    local i id
    for i in $(seq 100); do
        id=$(shown_box)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
}

# Whether no box is shown, after a moment to let one appear.
no_promotion_box()
{
    sleep 1
    [ -z "$(shown_box)" ]
}

# Clicks the box's Nth button from the left: the buttons are found by their
# fill colour along the box's rows, so no layout is assumed.
click_box_button()
{
    local box=$1 n=$2 geo bx by bw bh found
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$box") || gui_fail "no box geometry"
    bx=$(echo "$geo" | sed -n 's/^X=//p'); by=$(echo "$geo" | sed -n 's/^Y=//p')
    bw=$(echo "$geo" | sed -n 's/^WIDTH=//p'); bh=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
    gui_screenshot "$GUI_TMP/box.png"
    # "x,y: (...) #RRGGBB ..." for every pixel: the row with the most button
    # fill, then the runs of fill along it that are wide enough to be a
    # button (the default buttons have a thin frame of the same colour).
    found=$(/usr/bin/convert "$GUI_TMP/box.png" -crop "${bw}x${bh}+$bx+$by" +repage txt:- \
        | awk -F'[,: ]+' -v want="$n" '
            /#0000FF/ { count[$2]++; fill[$2 "," $1] = 1 }
            END {
                best = -1
                for (y in count) if (count[y] > count[best]) best = y
                runs = 0; from = -1
                for (x = 0; x <= 4001; x++) {
                    if ((best "," x) in fill) {
                        if (from < 0) from = x
                    } else if (from >= 0) {
                        if (x - from >= 10) { runs++; start[runs] = from; stop[runs] = x - 1 }
                        from = -1
                    }
                }
                if (runs >= want) print runs, int((start[want] + stop[want]) / 2), best
                else print runs
            }')
    read -r BOX_BUTTONS x y <<<"$found"
    [ -n "$y" ] || gui_fail "no button $n in the box (found ${BOX_BUTTONS:-none})"
    timeout 10 xdotool mousemove --window "$box" "$x" "$y" click 1 || gui_fail "xdotool click in the box"
}

gui_begin
board_start_plain_game "$VORNAK"
for move in a2a4 h7h5 a4a5 h5h4 a5a6 h4h3 a6b7 h3g2; do
    board_move "$move"
done

board_click b7
board_click a8
box=$(promotion_box)
[ -n "$box" ] || gui_fail "no promotion box after b7xa8"
click_box_button "$box" 3
[ "$BOX_BUTTONS" -eq 4 ] || gui_fail "the box shows $BOX_BUTTONS buttons, expected 4"
gui_wait_output $'\n5. bxRa8R'
no_promotion_box || gui_fail "a second promotion box after the rook was chosen"

board_click g2
board_click h1
box=$(promotion_box)
[ -n "$box" ] || gui_fail "no promotion box after g2xh1"
timeout 10 xdotool windowfocus --sync "$box" key Return || gui_fail "xdotool Return in the box"
gui_wait_output $'\n5. ... gxRh1B'
no_promotion_box || gui_fail "a second promotion box after Return"
[ "$(board_logged_moves)" -eq 10 ] || gui_fail "moves logged: $(board_logged_moves), expected 10"

gui_quit
gui_end
