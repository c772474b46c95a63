#!/bin/bash
# The Pieces, Rules, Notation, Spread, View and Edit menus, chosen with the
# pointer (see menu_lib.sh). Every choice is confirmed by the program's menu
# trace; its effect by the settings in the game saved with Alt+S, or by the
# view that G prints. Clearing the board leaves a game that cannot go on: it
# must wait, not end, until a new game replaces it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1

gui_require od
gui_begin
gui_start_ready env PATH=/nonexistent VORNAK_TRACE_MENUS=1 "$VORNAK"

BOARD=60 MOVE_NUM=2248 SPREAD=4680 STIPPLE=4684 RULES=4688 VORNAK_AT=4692 NOTATION=4696 MAXDEPTH=4700
PROJECTION=4708

save() { key_expect "Saving vornak.sav ...complete" alt+s; }

expect_saved()
{
    local at=$1 want=$2 what=$3 got
    save
    got=$(gui_file_int "$GUI_WORK/vornak.sav" "$at")
    [ "$got" = "$want" ] || gui_fail "$what: saved $got, expected $want"
}

# The computer stays out of the way of the edits below.
gui_key F10

# Settings no menu offers, restored from a file, are repaired: rules 0 becomes
# TDCL, notation 7 standard, spread 9 off, difficulty 5 easy, side 5 nobody.
save
put_int()
{
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($2 & 255)) $(($2 >> 8 & 255)) $(($2 >> 16 & 255)) \
        $(($2 >> 24 & 255)))" | dd of="$GUI_WORK/vornak.sav" bs=1 seek="$1" conv=notrunc status=none
}
put_int $RULES 0
put_int $NOTATION 7
put_int $SPREAD 9
put_int $MAXDEPTH 5
put_int $VORNAK_AT 5
[ "$(gui_file_int "$GUI_WORK/vornak.sav" $NOTATION)" = 7 ] || gui_fail "the file was not altered"
key_expect "complete!" alt+r
expect_saved $RULES 2 "repaired rules"
for check in "$NOTATION 1 notation" "$SPREAD 0 spread" "$MAXDEPTH 4 difficulty" "$VORNAK_AT 0 side"; do
    set -- $check
    [ "$(gui_file_int "$GUI_WORK/vornak.sav" "$1")" = "$2" ] || gui_fail "repaired $3: $(gui_file_int "$GUI_WORK/vornak.sav" "$1")"
done

# Pieces: classic and mesh (drawing only).
gui_menu_expect 1 0
gui_menu_expect 1 1

# Rules, Notation, Spread: each entry is stored.
gui_menu_expect 3 0
expect_saved $RULES 1 "rules tournament"
gui_menu_expect 3 1
expect_saved $RULES 2 "rules tdcl"
for i in 0 1 2; do
    gui_menu_expect 4 $i
    expect_saved $NOTATION $i "notation $i"
    gui_menu_expect 5 $i
    expect_saved $SPREAD $i "spread $i"
done

# View: projection and opacity are saved; axes and captured pieces are
# drawing only; BlackView and Reset View show in the view G prints.
gui_menu_expect 6 0 1
expect_saved $PROJECTION 1 "orthographic"
gui_menu_expect 6 0 0
expect_saved $PROJECTION 0 "perspective"
gui_menu_expect 6 2 0
expect_saved $STIPPLE 1 "transparent"
gui_menu_expect 6 2 1
expect_saved $STIPPLE 0 "opaque"
gui_menu_expect 6 1 1
gui_menu_expect 6 1 0
gui_menu_expect 6 3 1
gui_menu_expect 6 3 0
key_expect "Vornak V2.98f" F2
gui_key F10  # the new game gave the computer Black again
key_expect "W xang=330 yang=0 scale=2" g
gui_menu_expect 6 4
key_expect "W xang=210 yang=180 scale=2" g
gui_key Up Up
gui_menu_expect 6 5
key_expect "W xang=330 yang=0 scale=2" g

# Edit: White's and Black's move set the side to move.
gui_menu_expect 7 4
expect_saved $MOVE_NUM 1 "Black's move"
gui_menu_expect 7 3
expect_saved $MOVE_NUM 0 "White's move"

# The pieces to add and Remove piece wait for a click on the board; each
# entry is reached, and a later choice replaces the pending one.
for i in 0 1 2 3 4 5; do
    gui_menu_expect 7 0 $i
    gui_menu_expect 7 1 $i
done
gui_menu_expect 7 2

# Clear board empties every cell. Nothing can be played on it, by either
# side: autoplay is switched on and the program must go on answering.
gui_menu_expect 7 5
save
cells=$(od -An -t d4 -j $BOARD -N 256 "$GUI_WORK/vornak.sav" | tr -s ' \n' '\n' | grep -c '^-\?[1-9]')
[ "$cells" = 0 ] || gui_fail "Clear board left $cells pieces"
gui_key F9
sleep 2
gui_expect_running
key_expect "W xang=330 yang=0 scale=2" g
save
[ "$(gui_file_int "$GUI_WORK/vornak.sav" $MOVE_NUM)" = 0 ] || gui_fail "a move was played on the empty board"
gui_key F10

# A new game sets the board up again.
key_expect "Vornak V2.98f" F3
save
cells=$(od -An -t d4 -j $BOARD -N 256 "$GUI_WORK/vornak.sav" | tr -s ' \n' '\n' | grep -c '^-\?[1-9]')
[ "$cells" = 32 ] || gui_fail "the new game has $cells pieces"

gui_quit
gui_end
