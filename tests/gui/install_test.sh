#!/bin/bash
# The install tree: `cmake --install` into a fresh prefix puts the program,
# the tools, the meshes, the menu entry, its icon and the saved-game type in
# place; the installed program, started from a folder without pieces/, reads
# the installed meshes, and a pieces/ folder in the working directory still
# wins.
source "$(dirname "$0")/lib.sh"
BUILD=$1

gui_begin
PREFIX="$GUI_TMP/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$GUI_TMP/install.txt" 2>&1 || gui_fail "cmake --install failed: $(cat "$GUI_TMP/install.txt")"
for f in bin/vornak bin/vornak-analyse bin/vornak-perft bin/vornak-xboard bin/vornak-savefile bin/vornak-play \
    share/applications/vornak.desktop share/icons/hicolor/256x256/apps/vornak.png share/mime/packages/vornak.xml \
    share/vornak/pieces/KING.STL share/vornak/pieces/QUEEN.STL share/vornak/pieces/ROOK.STL \
    share/vornak/pieces/BISHOP.STL share/vornak/pieces/KNIGHT.STL share/vornak/pieces/PAWN.STL; do
    [ -s "$PREFIX/$f" ] || gui_fail "not installed: $f"
done
grep -q '^Exec=vornak' "$PREFIX/share/applications/vornak.desktop" || gui_fail "menu entry without Exec"
grep -q 'application/x-vornak-save' "$PREFIX/share/mime/packages/vornak.xml" || gui_fail "no saved-game type"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$PREFIX/share/applications/vornak.desktop" || gui_fail "menu entry does not validate"
fi
[ "$("$PREFIX/bin/vornak-perft" 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1' 2)" = 400 ] ||
    gui_fail "the installed vornak-perft does not count"

# No pieces/ here: the installed meshes, by their installed path.
gui_start_ready "$PREFIX/bin/vornak"
gui_expect_in_order $'share/vornak/pieces/KING.STL - pCnt' $'share/vornak/pieces/PAWN.STL - pCnt'
gui_quit

# A pieces/ folder of the working directory is read as before.
mkdir -p "$GUI_WORK/pieces"
cp "$PREFIX/share/vornak/pieces/KING.STL" "$GUI_WORK/pieces/"
gui_start_ready "$PREFIX/bin/vornak"
gui_expect_in_order $'\npieces/KING.STL - pCnt'
gui_expect_absent QUEEN.STL
gui_quit
gui_end
