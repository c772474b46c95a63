#!/bin/bash
# Both players' clocks: off at start; with a clock on (T), White's clock in
# White's colour and Black's in Black's stand on the clock's line whichever
# clock T shows, and are gone again when T turns the clocks off.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"
WHITE='#E6E6B2'   # piece_color_white, as Mesa rounds it
BLACK='#9999CC'   # piece_color_black

# Whether side $1's clock region shows colour $2 in a fresh screenshot.
clock_shows()
{
    local x y
    board_ask clock "$1"
    read -r x y <<<"$BOARD_ANSWER"
    gui_window_origin
    gui_region_has_color "$GUI_TMP/clocks.png" "150x22+$((GUI_WX + x))+$((GUI_WY + y - 18))" "$2"
}

# Both clocks shown (1) or neither (0), within a few frames.
expect_clocks()
{
    local want=$1 i
    for i in 1 2 3 4 5 6; do
        gui_screenshot "$GUI_TMP/clocks.png"
        if [ "$want" = 1 ]; then
            clock_shows 0 "$WHITE" && clock_shows 1 "$BLACK" && return 0
        else
            ! clock_shows 0 "$WHITE" && ! clock_shows 1 "$BLACK" && return 0
        fi
        sleep 0.5
    done
    gui_fail "both clocks: expected $want"
}

gui_begin
board_start_plain_game "$VORNAK"
expect_clocks 0
# T steps elapsed, White's, Black's, off.
gui_key t
expect_clocks 1
gui_keep_window_shot
board_move e2e4
gui_key t
expect_clocks 1
gui_key t
expect_clocks 1
gui_key t
expect_clocks 0
gui_quit
gui_end
