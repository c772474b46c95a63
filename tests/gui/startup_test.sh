#!/bin/bash
# Start-up: console messages in their order, the status text in the window,
# and a clean quit with q.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin

# Two of the six meshes, one facet each; the other four are missing.
mkdir -p "$GUI_WORK/pieces"
for kind in PAWN KING; do
    cat >"$GUI_WORK/pieces/$kind.STL" <<STL
solid $kind
  facet normal 0 0 1
    outer loop
      vertex 0 0 0
      vertex 0.5 0 0
      vertex 0 0.5 0
    endloop
  endfacet
endsolid $kind
STL
done

gui_start_ready "$VORNAK"

# Nine lines per file: the reader counts from 4.
gui_expect_in_order \
    $'\nHashTableInit' \
    $'\npieces/KING.STL - pCnt 13 vCnt 4 size 4\n' \
    $'\npieces/PAWN.STL - pCnt 13 vCnt 4 size 4\n' \
    $'\nPanic: CreateMenu no main menu but MainMenu' \
    $'\nVornak V2.98f\n' \
    $'\narrow keys pan, page keys zoom, <shift> faster' \
    $'\nF2 \t new 2D game' \
    $'\nH \t help screen (press \'H\' in main window)' \
    $'\nZ \t black view toggle(2D)'
gui_expect_absent QUEEN.STL ROOK.STL BISHOP.STL KNIGHT.STL
# The first menu build reports; the rebuild of the new game does not.
[ "$(gui_console | grep -c 'CreateMenu no main menu')" -eq 1 ] || gui_fail "menu report printed more than once"

# The status text: "Your move" in White's colour (the computer plays Black),
# the move line in Black's colour before the first move, "0 plies" in green.
gui_window_origin
text_area="400x120+$GUI_WX+$GUI_WY"
gui_wait_region_colors "$GUI_TMP/start.png" "$text_area" '#E6E6B2' '#9999CC' '#00FF00' \
    || gui_fail "the status text is missing from the upper left corner"
# Nothing else is drawn yet: the rest of the window stays black.
lower_area="800x600+$GUI_WX+$((GUI_WY + 200))"
/usr/bin/convert "$GUI_TMP/start.png" -crop "$lower_area" +repage -unique-colors txt:- | grep -q '#000000' \
    || gui_fail "window background is not black"

gui_key q
gui_expect_exit 0
gui_end
