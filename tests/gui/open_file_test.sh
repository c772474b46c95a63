#!/bin/bash
# A game named on the command line: a save file replaces the new game (GLUT's
# own options before it are taken by GLUT); a file refused, missing or one
# of several leaves the new game and says why.
source "$(dirname "$0")/lib.sh"
VORNAK=$1
MAKE_GAME=$2

gui_begin
(cd "$GUI_WORK" && "$MAKE_GAME" e2e4 e7e5 g1f3 b8c6 >/dev/null) || gui_fail "gui_make_game"
cp "$GUI_WORK/ply4.sav" "$GUI_WORK/four plies.sav"
printf 'junk\n' >"$GUI_WORK/junk.sav"

# The window takes the file's name before it is shown; -geometry and its
# value are GLUT's, not files.
GUI_WINDOW_NAME='^four plies\.sav$'
gui_start_ready "$VORNAK" -geometry 800x800+20+30 "four plies.sav"
gui_wait_output $'\nRestore game ...\nVornak V2.98f\n\ncomplete!'
gui_expect_absent "not opened" "unchanged"
# The file's four plies are on the console's listing.
gui_key alt+l
gui_wait_output 'Nc6'
gui_quit

refused()
{
    local file=$1 why=$2
    : >"$GUI_CONSOLE"
    GUI_WINDOW_NAME='^Vornak 2\.98f$'
    gui_start_ready "$VORNAK" "$file" "second.pgn"
    gui_wait_output "$why"
    gui_wait_output $'\nthe game in progress is unchanged'
    gui_wait_output $'\none game at a time: "second.pgn" not opened'
    gui_expect_absent "complete!"
    gui_expect_running
    gui_quit
}
refused junk.sav $'\nRestore game ... failed! unrecognized file type: 5 sos: 28732'
refused missing.sav $'\nmissing.sav: No such file or directory'
gui_end
