#!/bin/bash
# Every key of the help table in the running program, with its effect checked
# on the console or, for settings without a console line, in the game the
# program saves (Alt+S writes the state's byte image to vornak.sav). A short
# plain game written beforehand by gui_make_game is restored to give undo and
# review something to work on; its files ply0.sav .. ply4.sav hold the boards
# to compare with. The program runs without zenity in its PATH, so S, R and L
# take their default file names.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
MAKE_GAME=$2

gui_require od cmp
gui_begin
(cd "$GUI_WORK" && "$MAKE_GAME" e2e4 e7e5 g1f3 b8c6 >/dev/null) || gui_fail "gui_make_game"
gui_start env PATH=/nonexistent "$VORNAK"
gui_wait_window
HELP_END=$'Z \t black view toggle(2D)'
gui_wait_output $'\n'"$HELP_END"

# Offsets in the save file: the board's 64 cells, the ply count, settings.
BOARD=60 MOVE_NUM=2248 WHEREIS=4 DMODE=4604 STIPPLE=4684 VORNAK_AT=4692 DEMO=28728

save()
{
    key_expect "Saving vornak.sav ...complete" alt+s
}

saved_int() { gui_file_int "$GUI_WORK/vornak.sav" "$1"; }

# The saved board equals the board of a ply of the prepared game.
expect_board()
{
    local ply=$1
    cmp -s <(od -An -j "$BOARD" -N 256 "$GUI_WORK/vornak.sav") \
        <(od -An -j "$BOARD" -N 256 "$GUI_WORK/ply$ply.sav") ||
        gui_fail "the board is not that of ply $ply"
}

# H and F1 print the help again; ? the banner; # the build stamp.
key_expect "$HELP_END" h
key_expect "$HELP_END" F1
key_expect "Vornak V2.98f" question
gui_key numbersign
gui_wait_output $'\nBuilt: '

# Alt+R restores the prepared game at its last ply.
cp "$GUI_WORK/ply4.sav" "$GUI_WORK/vornak.sav"
key_expect "complete!" alt+r
save
expect_board 4
[ "$(saved_int $MOVE_NUM)" = 4 ] || gui_fail "restored game at ply $(saved_int $MOVE_NUM)"

# U takes back one ply.
key_expect "move undone" u
save
expect_board 3
[ "$(saved_int $MOVE_NUM)" = 3 ] || gui_fail "after undo at ply $(saved_int $MOVE_NUM)"

# Review: the first F7 enters it at the last ply, each further F7 steps back,
# F8 forward, Shift jumps to either end; the ply count keeps the game's length.
gui_key F7 F7
save
expect_board 2
[ "$(saved_int $MOVE_NUM)" = 3 ] || gui_fail "the review changed the ply count"
gui_key F8
save
expect_board 3
gui_key shift+F7
save
expect_board 0
gui_key shift+F8
save
expect_board 3
# U ends the review and takes back from the whole game.
key_expect "move undone" u
save
expect_board 2
[ "$(saved_int $MOVE_NUM)" = 2 ] || gui_fail "undo after review at ply $(saved_int $MOVE_NUM)"

# Alt+S then Alt+R: the game saved at ply 2 comes back after another undo.
save
key_expect "move undone" u
key_expect "complete!" alt+r
save
expect_board 2
[ "$(saved_int $MOVE_NUM)" = 2 ] || gui_fail "Alt+R brought back ply $(saved_int $MOVE_NUM)"

# S and R without a chooser use vornak.sav; L writes gamelist.txt, Alt+L
# lists on the console only.
key_expect "Saving vornak.sav ...complete" s
gui_wait_output $'\nNo file chooser: using "vornak.sav"'
key_expect "complete!" r
key_expect "Game listing: 2 plies" l
grep -q "Game listing: 2 plies" "$GUI_WORK/gamelist.txt" || gui_fail "gamelist.txt: $(cat "$GUI_WORK/gamelist.txt")"
rm "$GUI_WORK/gamelist.txt"
before=$(gui_console | grep -c '^ 1\. ')
gui_key alt+l
for i in $(seq 100); do
    [ "$(gui_console | grep -c '^ 1\. ')" -gt "$before" ] && break
    sleep 0.05
done
[ "$(gui_console | grep -c '^ 1\. ')" -gt "$before" ] || gui_fail "Alt+L listed nothing"
[ ! -e "$GUI_WORK/gamelist.txt" ] || gui_fail "Alt+L wrote a file"

# X toggles transparency, a saved setting; A, C and T change only the
# drawing and must leave the program running.
save
stipple=$(saved_int $STIPPLE)
gui_key x
save
[ "$(saved_int $STIPPLE)" = $((1 - stipple)) ] || gui_fail "X did not toggle the transparency"
gui_key a c t t a c t t
gui_expect_running

# D steps the difficulty, E the verbose evaluation, N the coordinates.
key_expect "difficulty : EASY" d
key_expect "difficulty : MED" d
key_expect "difficulty : HARD" d
key_expect "Eval ON" e
key_expect "Eval OFF" e
key_expect "Coordinates ON" n
key_expect "Coordinates OFF" n

# The view keys, read back with G: V resets, the arrows turn, the page keys
# zoom (Shift by 1.1, else 1.01), O looks from above, Z turns the plain
# board round; F6 stores the view and F5 brings it back after a reset.
key_expect "W xang=330 yang=0 scale=2" v g
key_expect "W xang=329 yang=1 scale=2" Up Right g
key_expect "W xang=339 yang=351 scale=2.2" shift+Down shift+Left Left Right shift+Page_Up g
key_expect "W xang=339 yang=351 scale=2" shift+Page_Down g
gui_key Page_Up Page_Up Page_Down Page_Down
key_expect "W xang=339 yang=351 scale=2" g
gui_key alt+Left alt+shift+Right
gui_expect_running
key_expect "Favorite view SAVED" F6
[ "$(cat "$GUI_WORK/favview.sav")" = $'339\n351\n2' ] || gui_fail "favview.sav: $(cat "$GUI_WORK/favview.sav")"
key_expect "W xang=210 yang=180 scale=2" v z g
key_expect "W xang=339 yang=351 scale=2" F5 g
# From above, zoomed so that the board fits below the status text.
before=$(gui_console | grep -c '^W xang=0 yang=0 scale=')
gui_key o g
for i in $(seq 100); do
    [ "$(gui_console | grep -c '^W xang=0 yang=0 scale=')" -gt "$before" ] && break
    sleep 0.05
done
[ "$(gui_console | grep -c '^W xang=0 yang=0 scale=')" -gt "$before" ] || gui_fail "O did not look from above"

# W and B choose the computer's side; F9 switches autoplay on and off; F10
# stops the computer altogether.
key_expect "Vornak playing White" w
save
[ "$(saved_int $VORNAK_AT)" = 1 ] || gui_fail "W: the computer plays $(saved_int $VORNAK_AT)"
key_expect "Vornak playing Black" b
gui_key F10
save
[ "$(saved_int $VORNAK_AT)" = 0 ] || gui_fail "F10: the computer plays $(saved_int $VORNAK_AT)"
gui_key F9
save
[ "$(saved_int $DEMO)" = 1 ] || gui_fail "F9 did not start autoplay"
gui_key F9
save
[ "$(saved_int $DEMO)" = 0 ] || gui_fail "the second F9 did not stop autoplay"
gui_key F10

# F3 and F2 start new games of either kind; J and K move an attack board in
# the tri-dimensional one (board 1 from QL6 past the occupied KL1 to KL2).
key_expect "Vornak V2.98f" F3
save
[ "$(saved_int $DMODE)" = 3 ] || gui_fail "F3: mode $(saved_int $DMODE)"
gui_key j j j
key_expect "j=0" j
key_expect "j=1" j
key_expect "j=1 k=39" k
save
[ "$(saved_int $((WHEREIS + 4)))" = 59 ] || gui_fail "K: board 1 at $(saved_int $((WHEREIS + 4)))"
key_expect "Vornak V2.98f" F2
save
[ "$(saved_int $DMODE)" = 2 ] || gui_fail "F2: mode $(saved_int $DMODE)"

gui_quit
gui_end
