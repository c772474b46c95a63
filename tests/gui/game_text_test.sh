#!/bin/bash
# Games as text in the window: a PGN file and a tri-dimensional record open
# from the command line and from the R chooser and go out through the S
# chooser byte for byte as they came in; a game the wrong format cannot hold
# and a file with an illegal move are refused and the game goes on.
source "$(dirname "$0")/lib.sh"
VORNAK=$1
SAMPLES=$2

gui_require zenity cmp
gui_begin
cp "$SAMPLES/castling-en-passant.pgn" "$SAMPLES/castling-tdcl.tdr" "$GUI_WORK/"
printf '[Event "x"]\n\n1. e4 e5 2. Ke3 *\n' >"$GUI_WORK/illegal.pgn"

# The plain game from the command line, out again as PGN.
GUI_WINDOW_NAME='^castling-en-passant\.pgn$'
gui_start_ready "$VORNAK" castling-en-passant.pgn
gui_wait_output $'\nRestore game ...\nVornak V2.98f\n\ncomplete!'
gui_key s
gui_type_in_dialog 'Save game' "$GUI_WORK/again.pgn"
gui_wait_output "/again.pgn ...complete" 30
cmp "$GUI_WORK/again.pgn" "$GUI_WORK/castling-en-passant.pgn" || gui_fail "the PGN written differs from the one read"

# The tri-dimensional record through the R chooser, out again as a record;
# as PGN it is refused and no file is made.
gui_key r
gui_type_in_dialog 'Restore game' "$GUI_WORK/castling-tdcl.tdr"
gui_wait_output $'again.pgn ...complete\nRestore game ...\nVornak V2.98f\n\ncomplete!'
gui_key s
gui_type_in_dialog 'Save game' "$GUI_WORK/tri.pgn"
gui_wait_output "/tri.pgn ...failed: PGN holds the plain game only" 30
[ -e "$GUI_WORK/tri.pgn" ] && gui_fail "a refused save left a file"
gui_key s
gui_type_in_dialog 'Save game' "$GUI_WORK/again.tdr"
gui_wait_output "/again.tdr ...complete" 30
cmp "$GUI_WORK/again.tdr" "$GUI_WORK/castling-tdcl.tdr" || gui_fail "the record written differs from the one read"
gui_quit

# An illegal move: refused by number and text, the new game stands.
: >"$GUI_CONSOLE"
GUI_WINDOW_NAME='^Vornak 2\.98f$'
gui_start_ready "$VORNAK" illegal.pgn
gui_wait_output $'\nRestore game ... failed! move 2. Ke3: no legal move fits\nthe game in progress is unchanged'
gui_expect_running
gui_quit
gui_end
