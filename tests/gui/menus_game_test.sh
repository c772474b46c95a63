#!/bin/bash
# The Game and Mode menus and the main menu's Quit, chosen with the pointer
# (see menu_lib.sh for how entries are found). Every choice is confirmed by
# the program's menu trace; its effect by the console or by the settings in
# the game saved with Alt+S. The program runs without zenity in its PATH, so
# saving, restoring and listing use the default file names.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1

gui_require od
gui_begin
gui_start_ready env PATH=/nonexistent VORNAK_TRACE_MENUS=1 "$VORNAK"

DMODE=4604 RULES=4688 VORNAK_AT=4692 MAXDEPTH=4700 DEMO=28728

saved()
{
    key_expect "Saving vornak.sav ...complete" alt+s
    gui_file_int "$GUI_WORK/vornak.sav" "$1"
}

expect_saved()
{
    local at=$1 want=$2 what=$3 got
    got=$(saved "$at")
    [ "$got" = "$want" ] || gui_fail "$what: saved $got, expected $want"
}

# Game > Difficulty: easy, medium, hard.
gui_menu_expect 0 1 0
expect_saved $MAXDEPTH 4 "difficulty easy"
gui_menu_expect 0 1 1
expect_saved $MAXDEPTH 8 "difficulty medium"
gui_menu_expect 0 1 2
expect_saved $MAXDEPTH 50 "difficulty hard"

# Game > TimeLimit: all five; the limit lives outside the saved game.
for i in 0 1 2 3 4; do
    gui_menu_expect 0 2 $i
done

# Game > Vornak: the computer's side; "plays both" is autoplay.
gui_menu_expect 0 0 0
expect_saved $VORNAK_AT 1 "plays white"
gui_menu_expect 0 0 3
expect_saved $VORNAK_AT 0 "does not play"
gui_menu_expect 0 0 2
expect_saved $DEMO 1 "plays both"
gui_menu_expect 0 0 1
expect_saved $VORNAK_AT -1 "plays black"
[ "$(gui_file_int "$GUI_WORK/vornak.sav" $DEMO)" = 0 ] || gui_fail "plays black left autoplay on"
gui_menu_expect 0 0 3

# Game > Undo: each entry takes back (here: nothing to take back yet, but
# it says so on the console all the same).
for i in 0 1 2 3 4; do
    before=$(gui_count_lines "move undone")
    gui_menu_expect 0 3 $i
    gui_wait_output $'\nmove undone'
    [ "$(gui_count_lines "move undone")" -gt "$before" ] || gui_fail "Undo entry $i"
done

# Game: New game prints the banner; List, Save and Restore use the default
# names.
before=$(gui_count_lines "Vornak V2.98f")
gui_menu_expect 0 4
gui_wait_output $'\nVornak V2.98f'
[ "$(gui_count_lines "Vornak V2.98f")" -gt "$before" ] || gui_fail "New game printed no banner"
gui_menu_expect 0 5
gui_wait_output $'\nGame listing: 0 plies'
[ -s "$GUI_WORK/gamelist.txt" ] || gui_fail "List game wrote no gamelist.txt"
rm -f "$GUI_WORK/vornak.sav"
gui_menu_expect 0 6
gui_wait_output $'\nSaving vornak.sav ...complete'
[ -s "$GUI_WORK/vornak.sav" ] || gui_fail "Save game wrote no vornak.sav"
before=$(gui_count_lines "complete!")
gui_menu_expect 0 7
for i in $(seq 100); do
    [ "$(gui_count_lines "complete!")" -gt "$before" ] && break
    sleep 0.05
done
[ "$(gui_count_lines "complete!")" -gt "$before" ] || gui_fail "Restore game did not complete"

# Mode: 2D, then 3D. A new game keeps the difficulty, and the rebuilt menus
# repair the rule set that the new game wiped (0 is no offered choice).
gui_menu_expect 0 1 0
gui_menu_expect 2 0
expect_saved $DMODE 2 "mode 2D"
[ "$(gui_file_int "$GUI_WORK/vornak.sav" $MAXDEPTH)" = 4 ] || gui_fail "the new game lost the difficulty"
[ "$(gui_file_int "$GUI_WORK/vornak.sav" $RULES)" = 2 ] || gui_fail "the new game's rule set was not repaired"
gui_menu_expect 2 1
expect_saved $DMODE 3 "mode 3D"

# Quit ends the program cleanly.
gui_menu 8
gui_expect_exit 0
gui_expect_in_order $'\nmenu Main 3'
gui_end
