#!/bin/bash
# H shows the help over the window (and prints the key list as before), F1
# hides it again; at start-up it is not shown.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

# Whether the middle of the window shows the help's white text.
help_shown()
{
    gui_screenshot "$GUI_TMP/help.png"
    gui_window_origin
    gui_region_has_color "$GUI_TMP/help.png" "400x300+$((GUI_WX + 200))+$((GUI_WY + 250))" '#FFFFFF'
}

# Waits until help_shown answers as asked (0 shown, 1 not).
wait_help()
{
    local i
    for i in $(seq 20); do
        help_shown
        [ $? -eq "$1" ] && return 0
        sleep 0.25
    done
    return 1
}

gui_begin
gui_start_ready "$VORNAK"
gui_key F10
wait_help 1 || gui_fail "help shown at start-up"
before=$(gui_console | grep -c '^Z 	 black view toggle(2D)$')
gui_key h
wait_help 0 || gui_fail "H shows no help"
[ "$(gui_console | grep -c '^Z 	 black view toggle(2D)$')" -gt "$before" ] || gui_fail "H no longer prints the key list"
gui_key F1
wait_help 1 || gui_fail "F1 did not hide the help"
gui_quit
gui_end
