#!/bin/bash
# The game-record commands in the running program: Alt+S saves to vornak.sav,
# Alt+R restores it, a damaged file is refused and the game goes on, U takes
# back, F7/F8 step a review that a click ends, Alt+L lists on the console,
# and S asks for the file name with zenity's chooser.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_require zenity stat
gui_begin
gui_start_ready "$VORNAK"

gui_key alt+s
gui_wait_output $'\nSaving vornak.sav ...complete'
size=$(stat -c %s "$GUI_WORK/vornak.sav")
[ "$size" = 28732 ] || gui_fail "vornak.sav has $size bytes"

gui_key alt+r
gui_wait_output $'\nRestore game ...\nVornak V2.98f\n\ncomplete!'

head -c 1000 "$GUI_WORK/vornak.sav" >"$GUI_WORK/short.sav"
mv "$GUI_WORK/short.sav" "$GUI_WORK/vornak.sav"
gui_key alt+r
gui_wait_output $'\nRestore game ... failed! unrecognized file type: 1000 sos: 28732\nthe game in progress is unchanged'
gui_expect_running

gui_key u
gui_wait_output $'\nmove undone'
gui_key F7 F7 F8 shift+F7
timeout 5 xdotool mousemove --window "$GUI_WID" 400 400 click 1 || gui_fail "click"
gui_key alt+l
gui_expect_running

# The chooser: the suggested name, confirmed with Return (a new file, so
# zenity does not ask about replacing it).
rm -f "$GUI_WORK/vornak.sav"
gui_key s
gui_focus_dialog 'Save game'
timeout 5 xdotool key Return || gui_fail "xdotool key Return"
gui_wait_output "/vornak.sav ...complete" 30
size=$(stat -c %s "$GUI_WORK/vornak.sav")
[ "$size" = 28732 ] || gui_fail "vornak.sav has $size bytes after the chooser"

# The window is named after the file.
title=$(timeout 5 xdotool getwindowname "$GUI_WID")
[ "$title" = "$GUI_WORK/vornak.sav" ] || gui_fail "window title '$title'"
timeout 5 xdotool windowfocus --sync "$GUI_WID" || gui_fail "cannot focus the window"
gui_key q
gui_expect_exit 0
gui_end
