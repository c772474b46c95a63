#!/bin/bash
# A game with moves not saved is never lost to one key: Escape, Q, F2, F3,
# the New game and Quit entries and the close box ask first, and Escape in
# the box keeps the game. Without unsaved moves they act at once (escape,
# startup and close_window test that); after a save, Q quits at once again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"
CLOSER=$3
BOX=$GUI_UNSAVED_BOX

# The key (or other action) brings up the box; Escape in it keeps the game.
expect_kept()
{
    local what=$1 line=$2 moves
    moves=$(board_logged_moves)
    shift 2
    "$@"
    gui_answer_box "$BOX" Escape
    gui_wait_output "$line"
    gui_expect_running
    [ "$(board_logged_moves)" -eq "$moves" ] || gui_fail "$what changed the game"
}

press() { gui_key "$@"; }

gui_begin
board_start_plain_game env VORNAK_TRACE_MENUS=1 "$VORNAK"
board_move e2e4
board_move e7e5
banners=$(gui_count_lines "Vornak V2.98f")

expect_kept Escape $'\nQuit cancelled: the game has moves that are not saved' press Escape
expect_kept Q $'\nQuit cancelled' press q
expect_kept F2 $'\nNew game cancelled: the game has moves that are not saved' press F2
expect_kept F3 $'\nNew game cancelled' press F3
expect_kept "New game entry" $'\nNew game cancelled' gui_menu 0 4
expect_kept "Mode entry" $'\nNew game cancelled' gui_menu 2 1
expect_kept "Quit entry" $'\nQuit cancelled' gui_menu 8
[ "$(gui_count_lines "Vornak V2.98f")" -eq "$banners" ] || gui_fail "a new game was started after Cancel"

# The close box: Cancel keeps the game in a new window at the same place.
old_wid=$GUI_WID
gui_window_origin
old_origin="$GUI_WX,$GUI_WY"
"$CLOSER" "$GUI_WID" || gui_fail "could not ask the window to close"
gui_answer_box "$BOX" Escape
gui_wait_output $'\nQuit cancelled'
# A new window, and the closed one gone.
new_wid=""
for i in $(seq 100); do
    shown=$(timeout 5 xdotool search --onlyvisible --name "$GUI_WINDOW_NAME" 2>/dev/null)
    new_wid=$(grep -vx "$old_wid" <<<"$shown" | head -n1)
    [ -n "$new_wid" ] && ! grep -qx "$old_wid" <<<"$shown" && break
    sleep 0.1
done
[ -n "$new_wid" ] || gui_fail "no new window after Cancel"
grep -qx "$old_wid" <<<"$shown" && gui_fail "the closed window is still there"
GUI_WID=$new_wid
timeout 5 xdotool windowfocus --sync "$GUI_WID" || gui_fail "cannot focus the new window"
gui_window_origin
[ "$GUI_WX,$GUI_WY" = "$old_origin" ] || gui_fail "the new window is at $GUI_WX,$GUI_WY, not $old_origin"
# It draws the game (both sides' pieces) and still takes moves.
gui_wait_region_colors "$GUI_TMP/reopened.png" "800x800+$GUI_WX+$GUI_WY" '#000000' \
    || gui_fail "the new window draws nothing"
board_view
board_move g1f3
moves=$(board_logged_moves)

# Return in the box does what was asked: a new game.
gui_key F2
gui_answer_box "$BOX" Return
gui_wait_more_lines "Vornak V2.98f" "$banners" || gui_fail "F2 answered with Return started no game"
gui_key F10

# A saved game quits at once, without a box.
board_view
board_move d2d4
key_expect "Saving vornak.sav ...complete" alt+s
gui_key q
gui_expect_exit 0
[ -z "$(gui_box_shown "$BOX")" ] || gui_fail "a box was shown for a saved game"

# The close box with unsaved moves, answered Quit, ends the program.
gui_start_ready "$VORNAK"
gui_key F2
gui_wait_output $'\nVornak V2.98f\n'
gui_key F10
BOARD_MODE=2
BOARD_MOVES=()
board_view
board_move e2e4
"$CLOSER" "$GUI_WID" || gui_fail "could not ask the window to close"
gui_answer_box "$BOX" Return
gui_expect_exit 0
gui_end
