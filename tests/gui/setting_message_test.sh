#!/bin/bash
# A setting changed by a key or a menu says at the window's foot what it
# became; the console keeps the lines it had.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1

gui_begin
gui_start_ready env VORNAK_TRACE_MESSAGES=1 VORNAK_TRACE_MENUS=1 "$VORNAK"
# The program starts on hard.
key_expect "difficulty : EASY" d
gui_expect_message "difficulty: easy"
gui_key t
gui_expect_message "clock: time of the game"
key_expect "Vornak playing Black" b
gui_expect_message "computer plays Black"
gui_key F10
gui_expect_message "computer does not play"
gui_key m
gui_expect_message "move list shown (M hides it)"

# Game > TimeLimit > 30s, Rules > tournament, Spread > team.
gui_menu_expect 0 2 2
gui_expect_message "time limit: 30 s a move"
gui_menu_expect 3 0
gui_expect_message "rules: tournament"
gui_menu_expect 5 2
gui_expect_message "spread map: team (also what the side attacks)"
gui_expect_running
gui_quit
gui_end
