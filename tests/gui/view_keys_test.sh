#!/bin/bash
# Keys that change the view and the settings, observed through the console:
# G prints the view, F6/F5 store and fetch it, V resets it, F2 starts a plain
# game, Z turns the plain board round, D steps the difficulty.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
gui_start_ready "$VORNAK"

# F5 before any favourite view was stored falls back to the default view.
gui_key Up g F5 g
gui_wait_output $'\nW xang=299 yang=0 scale=1.6\nFavorite view LOADED\nW xang=300 yang=0 scale=1.6'

# Shift steps by 10; Right turns yang up, Left down, through 0.
gui_key shift+Down Right Right Left g
gui_wait_output $'\nW xang=310 yang=1 scale=1.6'
gui_key Left Left g
gui_wait_output $'\nW xang=310 yang=359 scale=1.6'

gui_key F6
gui_wait_output $'\nFavorite view SAVED'
[ "$(cat "$GUI_WORK/favview.sav")" = $'310\n359\n1.6' ] || gui_fail "favview.sav holds: $(cat "$GUI_WORK/favview.sav")"
gui_key v g
gui_wait_output $'\nW xang=300 yang=0 scale=1.6'
gui_key F5 g
gui_wait_output $'\nFavorite view LOADED\nW xang=310 yang=359 scale=1.6'

# In the tri-dimensional game Z does nothing.
gui_key z g
gui_wait_output $'\nW xang=310 yang=359 scale=1.6\nW xang=310 yang=359 scale=1.6'

# A plain game: banner again, its own default view; Z toggles black's view.
gui_key F2
gui_wait_output $'\nFavorite view LOADED\nW xang=310 yang=359 scale=1.6\nW xang=310 yang=359 scale=1.6\nVornak V2.98f\n'
gui_key g z g Up z g
gui_wait_output $'\nW xang=330 yang=0 scale=2\nW xang=210 yang=180 scale=2\nW xang=330 yang=0 scale=2'

# Difficulty: hard after start-up, then easy, medium, hard.
gui_key d d d
gui_wait_output $'\ndifficulty : EASY\ndifficulty : MED\ndifficulty : HARD'

gui_key e e
gui_wait_output $'\nEval ON\nEval OFF'
gui_quit
gui_end
