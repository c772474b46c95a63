#!/bin/bash
# The hint (I key, Game > Hint) names a legal move of the human, marks its
# squares on the board and does not play it; a move played takes the marks
# away.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"


# Asks for a hint with the keys or menu path given; checks the marks.
expect_hint()
{
    local before legal framed pair attempt
    before=$(gui_count_lines_prefix)
    "$@"
    for attempt in $(seq 200); do
        [ "$(gui_count_lines_prefix)" -gt "$before" ] && break
        sleep 0.1
    done
    [ "$(gui_count_lines_prefix)" -gt "$before" ] || gui_fail "no hint after $*"
    legal=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" moves 2>&1 | grep -E '^[a-h][1-8][a-h][1-8]')
    for attempt in 1 2 3 4 5 6; do
        gui_screenshot "$GUI_TMP/hint.png"
        framed=$(framed_squares "$GUI_TMP/hint.png" '#FF9900' | paste -sd' ')
        [ "$(wc -w <<<"$framed")" -eq 2 ] && break
        sleep 0.5
    done
    [ "$(wc -w <<<"$framed")" -eq 2 ] || gui_fail "the hint marks [$framed]"
    read -r a b <<<"$framed"
    grep -qxE "$a$b|$b$a" <<<"$legal" || gui_fail "the hint $a-$b is no legal move"
}
gui_count_lines_prefix() { gui_console | grep -c '^hint: '; }

gui_begin
board_start_plain_game env VORNAK_TRACE_MENUS=1 "$VORNAK"
gui_key o
BOARD_ORTHO=1
board_view
board_move e2e4
board_move e7e5
moves=$(board_logged_moves)
expect_hint gui_key i
expect_hint gui_menu 0 8
[ "$(board_logged_moves)" -eq "$moves" ] || gui_fail "the hint was played"
# Once a move is made, the hint is gone.
board_move g1f3
gui_screenshot "$GUI_TMP/after.png"
[ -z "$(framed_squares "$GUI_TMP/after.png" '#FF9900')" ] || gui_fail "the hint is still marked after a move"
# Black is the computer's: no hint for it.
key_expect "Vornak playing Black" b
gui_key i
gui_wait_output $'\nno hint: it is the computer\'s move'
gui_quit
gui_end
