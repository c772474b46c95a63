#!/bin/bash
# The drawn board: at a pixel where each sampled square is in plain view,
# by the program's own camera, the window shows the square's colour (empty)
# or its piece's (occupied) -- on every level and every attack board, at
# start-up and after an attack board has moved to another pin, with the
# classic pieces and with the meshes.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
board_setup "$2"
SOURCE_DIR=$(cd "$GUI_DIR/../.." && pwd)

# One program run; "mesh" chooses the meshes from the Pieces menu first.
check_board()
{
    local pieces=$1
    BOARD_MODE=3
    BOARD_MOVES=()
    gui_start_ready env VORNAK_TRACE_MENUS=1 "$VORNAK"
    gui_key F10
    [ "$pieces" = mesh ] && gui_menu_expect 1 1
    board_view
    # Lower, middle and upper level; White's and Black's attack boards.
    board_expect_pixels "$GUI_TMP/start.png" F1 G1 E3 F4 H5 G6 \
        A3 B5 C4 D6 E6 F7 G5 H7 A1 B1 C1 D1 A7 D7

    # White's queen's side board, left with its rook alone, moves from QL1 to
    # QL3: its cells are drawn at the new place, the lower level's corner is
    # bare.
    board_restore_edited A2 B2 B1
    board_view
    board_expect_pixels "$GUI_TMP/edited.png" A1 A3 E3 C1
    board_move QLW:QL1-QL3
    board_expect_pixels "$GUI_TMP/moved.png" A1 A2 B1 B2 E1 A3 E3 C1 D7
    gui_quit
}

gui_begin
mkdir -p "$GUI_WORK/pieces"
cp "$SOURCE_DIR"/pieces/*.STL "$GUI_WORK/pieces/" || gui_fail "no meshes in $SOURCE_DIR/pieces"
check_board classic
check_board mesh
gui_end
