#!/bin/bash
# Positions by text in the window: Y and the Print position entry write the
# position to the console and position.txt; P and the Set up position entry
# take a FEN or 3d line in zenity's entry dialog, refuse a bad one with the
# reason, and without zenity read position.txt instead.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
START3D='3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb'
FEN='4k3/8/8/8/8/8/4P3/4K3 w - - 0 9'

gui_require zenity
gui_begin

gui_start_ready env VORNAK_TRACE_MENUS=1 "$VORNAK"
gui_key y
gui_wait_output $'\nPosition: '"$START3D"$'\nwritten to position.txt'
[ "$(cat "$GUI_WORK/position.txt")" = "$START3D" ] || gui_fail "position.txt holds '$(cat "$GUI_WORK/position.txt")'"

gui_key p
gui_type_in_dialog 'Set up position' "$FEN"
gui_wait_output $'\nPosition set up: '"$FEN"
gui_menu 0 10
gui_wait_output $'\nPosition: '"$FEN"$'\nwritten to position.txt'
[ "$(cat "$GUI_WORK/position.txt")" = "$FEN" ] || gui_fail "position.txt holds '$(cat "$GUI_WORK/position.txt")'"

gui_menu 0 9
gui_type_in_dialog 'Set up position' '8/8/8/8/8/8/8/8 w - - 0 1'
gui_wait_output $'\nPosition refused: '
gui_wait_output $'\nthe game in progress is unchanged'
gui_key y
gui_wait_more_lines "Position: $FEN" 1 || gui_fail "the refused line changed the game"
gui_quit

# Without zenity P reads position.txt.
printf '%s\n' "$START3D" >"$GUI_WORK/position.txt"
: >"$GUI_CONSOLE"
gui_start_ready env PATH=/nonexistent "$VORNAK"
gui_key p
gui_wait_output $'\nNo text entry: reading the position from "position.txt"'
gui_wait_output $'\nPosition set up: '"$START3D"
gui_quit
gui_end
