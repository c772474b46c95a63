#!/bin/bash
# The shipped installer and the Windows program under wine. First the save
# files' Windows layer on its own (save_file_check.cpp). Then vornak-setup.exe
# is clicked through its wizard and installs the built vornak.exe, its DLLs,
# the licences and the six meshes under "pieces"; it starts the program at
# the end, whose window must show the board and close on Q. Then the
# installed vornak.exe is started again with its console on a pipe: the
# start-up lines (the meshes read from the installed "pieces"), the board on
# the screen, saving twice over the same file and through the common save
# dialog, restoring through the open dialog and the fixed name, the
# computer's thread playing a move, and Q ending it with status 0.
#
#   wine_program_test.sh VORNAK_SETUP_EXE BUILT_PROGRAM_DIR PIECES_DIR
set -u
SETUP=$1 BUILT=$2 PIECES=$3
source "$(dirname "$0")/wine_lib.sh"
w_require x86_64-w64-mingw32-g++-posix import
[ -f "$SETUP" ] || w_fail "$SETUP was not built (the build warns why: MinGW-w64 or the SDL2 and freeglut sources)"
w_begin

TITLE='^Vornak 2\.98f$'
SAVE_SIZE=28732  # bytes of a save file in the current layout
SHOT="$W_TMP/shot.png"

# Checks that the window shows the board: a good part of it is not black,
# and something in it is bright (the light pieces and the status text).
check_board_drawn()  # window-id what
{
    local x y w h lit brightest i drawn=""
    # The first frames may be late on a busy machine.
    for i in $(seq 20); do
        eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4}
            /Absolute upper-left Y/ {print "y=" $4} / Width:/ {print "w=" $2} / Height:/ {print "h=" $2}')"
        import -window root "$SHOT" 2>/dev/null
        lit=$(/usr/bin/convert "$SHOT" -crop "${w}x${h}+${x}+${y}" +repage -colorspace gray -threshold 8% \
            -format '%[fx:mean]' info:)
        brightest=$(/usr/bin/convert "$SHOT" -crop "${w}x${h}+${x}+${y}" +repage -colorspace gray \
            -format '%[fx:maxima]' info:)
        awk -v l="$lit" -v b="$brightest" 'BEGIN { exit !(l > 0.03 && b > 0.6) }' && { drawn=1; break; }
        sleep 1
    done
    w_log "$2: ${w}x${h} window, lit fraction $lit, brightest $brightest"
    [ -n "$drawn" ] ||
        w_fail "$2: the window does not show the board (lit fraction $lit, brightest $brightest)"
}

# Keys reach a wine window only once a click has activated it; the click
# goes to an empty spot right of the board.
activate()  # window-id
{
    xdotool mousemove --window "$1" 790 300 click 1
    sleep 0.5
}

window_gone()  # window-id limit
{
    local i
    for i in $(seq $(($2 * 5))); do
        xwininfo -id "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

# --- 1. The save files' Windows layer on its own -------------------------------
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
x86_64-w64-mingw32-g++-posix -std=gnu++17 -static -s -I"$ROOT/src" -o "$W_TMP/save_file_check.exe" \
    "$ROOT/tests/setup/save_file_check.cpp" "$ROOT/src/record/SaveFileIo.cpp" || w_fail "save_file_check build"
mkdir -p "$W_TMP/saves"
(cd "$W_TMP/saves" && wine "$W_TMP/save_file_check.exe" >"$W_TMP/saves.log" 2>/dev/null)
STATUS=$?
tr -d '\r' <"$W_TMP/saves.log" >&2
[ "$STATUS" = 0 ] || w_fail "the save files' Windows layer (status $STATUS)"

# --- 2. The wizard with its defaults -----------------------------------------
w_start "$SETUP"
w_wait_line "^page welcome"
w_wait_line "^control next "
w_click next
w_wait_line "^page destination"
w_wait_line "^control browse "
w_click next
w_wait_line "^page shortcuts"
w_wait_line "^control startup "
w_click finish
w_wait_line "^install"
w_wait_line "^started " 120
w_wait_exit
[ "$W_STATUS" = 0 ] || w_fail "setup exited with $W_STATUS"
SETUP_LOG=$W_LOG

# --- 3. What it installed ------------------------------------------------------
DEST="$C/Program Files/Vornak"
grep -qF 'started C:\Program Files\Vornak\vornak.exe' "$SETUP_LOG" || w_fail "setup did not start the installed program"
for f in vornak.exe SDL2.dll glut32.dll LICENSES.txt; do
    cmp -s "$BUILT/$f" "$DEST/$f" || w_fail "$f missing from the installation or different from the build"
done
for piece in BISHOP KING KNIGHT PAWN QUEEN ROOK; do
    cmp -s "$PIECES/$piece.STL" "$DEST/pieces/$piece.STL" || w_fail "pieces/$piece.STL missing or different"
done
# Ten files and the uninstall log; glu32.dll is Windows' own.
INSTALLED=$(cd "$DEST" && find . -type f | sort | tr '\n' ' ')
[ "$(cd "$DEST" && find . -type f | wc -l)" = 11 ] || w_fail "installed files: $INSTALLED"
grep -q 'SDL2.dll' <<<"$INSTALLED" || w_fail "no SDL2.dll"
grep -qi 'glu32' <<<"$INSTALLED" && w_fail "glu32.dll shipped"
grep -q 'Simple DirectMedia Layer' "$DEST/LICENSES.txt" && grep -q 'freeglut' "$DEST/LICENSES.txt" ||
    w_fail "LICENSES.txt lacks a licence"
[ "$(grep -cE '^shortcut .*\\Vornak\.lnk' "$SETUP_LOG")" = 2 ] || w_fail "not the two default shortcuts"
grep -qE '^shortcut .*\\Programs\\Vornak\.lnk$' "$SETUP_LOG" || w_fail "no Programs menu shortcut"
grep -qE '^shortcut .*\\Desktop\\Vornak\.lnk$' "$SETUP_LOG" || w_fail "no Desktop shortcut"
LNK=$(find "$C/users" "$HOME" -path '*Start Menu/Programs/Vornak.lnk' 2>/dev/null | head -1)
[ -n "$LNK" ] || w_fail "no Programs menu link on disk"
strings -a "$LNK" | grep -q 'vornak.exe' || strings -a -el "$LNK" | grep -q 'vornak.exe' || w_fail "link target"
EXPECTED_LOG=$(printf 'Vornak\nDon'"'"'tCheckProgramNotRunning\n2\n')
[ "$(head -3 "$DEST/Uninst.log")" = "$EXPECTED_LOG" ] || w_fail "Uninst.log: $(cat "$DEST/Uninst.log")"
# No "wineserver -w": the program setup started keeps the server running;
# reg asks the running server.
UKEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vornak'
[ "$(w_reg "$UKEY" DisplayName)" = "DisplayName    REG_SZ    Vornak" ] || w_fail "no uninstall registration"
w_log "installation: ok"

# --- 4. The program as setup started it -----------------------------------------
STARTED=$(w_find_window "$TITLE" 90) || w_fail "the program setup started shows no window"
check_board_drawn "$STARTED" "started by setup"
# A console program started from the desktop gets its console window beside
# the board, titled with the program's path.
CONSOLE=$(w_find_window '^C:\\Program Files\\Vornak\\vornak\.exe$' 30) || w_fail "no console window beside the board"
activate "$STARTED"
xdotool key q
window_gone "$STARTED" 30 || w_fail "the program setup started did not close on Q"
window_gone "$CONSOLE" 30 || w_fail "the console window stays after Q"
w_log "program started by setup: ok"

# --- 5. The installed program on a pipe ------------------------------------------
cd "$DEST" || w_fail "no $DEST"
w_start vornak.exe
cd - >/dev/null || exit 1
w_wait_line "^Z .*black view" 90
for piece in KING QUEEN ROOK BISHOP KNIGHT PAWN; do
    grep -qE "^pieces/$piece\.STL - pCnt [0-9]+ " "$W_LOG" || w_fail "the mesh $piece.STL was not read"
done
grep -q '^HashTableInit' "$W_LOG" || w_fail "no HashTableInit line"
grep -q '^Vornak V2\.98f' "$W_LOG" || w_fail "no banner"
grep -qP '^Q \t quit' "$W_LOG" || w_fail "no key help"
WID=$(w_find_window "$TITLE" 60) || w_fail "the installed program shows no window"
check_board_drawn "$WID" "installed program"
activate "$WID"

# The fixed name twice: the second save replaces the first.
xdotool key alt+s
w_wait_line '^Saving vornak\.sav \.\.\.complete' 30
xdotool key alt+s
w_wait_line '^Saving vornak\.sav \.\.\.complete' 30 2
[ "$(w_count '^Saving vornak\.sav \.\.\.complete')" = 2 ] || w_fail "saving over an existing save failed"
[ "$(stat -c %s "$DEST/vornak.sav")" = $SAVE_SIZE ] || w_fail "vornak.sav has $(stat -c %s "$DEST/vornak.sav") bytes"
[ -z "$(find "$DEST" -name 'vornak.sav.*')" ] || w_fail "a temporary save file is left"

# The common save dialog: a name typed without extension gets ".sav".
xdotool key s
DIALOG=$(w_find_window '^Save game$' 30) || w_fail "no save dialog"
sleep 1
xdotool windowfocus --sync "$DIALOG" type game2
xdotool key Return
w_wait_line '^Saving .*\\game2\.sav \.\.\.complete' 30
[ "$(stat -c %s "$DEST/game2.sav")" = $SAVE_SIZE ] || w_fail "game2.sav not saved whole"

# The open dialog, then the fixed name: both restore.
activate "$WID"
xdotool key r
DIALOG=$(w_find_window '^Restore game$' 30) || w_fail "no restore dialog"
sleep 1
xdotool windowfocus --sync "$DIALOG" type game2.sav
xdotool key Return
# The banner comes between "Restore game ..." and its "complete!".
w_wait_line 'complete!' 30
activate "$WID"
xdotool key alt+r
w_wait_line 'complete!' 30 2
[ "$(w_count 'complete!')" = 2 ] || w_fail "vornak.sav was not restored"
[ "$(w_count '^Restore game \.\.\.')" = 2 ] || w_fail "not two restores"
grep -q 'failed!' "$W_LOG" && w_fail "a restore failed"

# The computer takes White: its thread thinks and plays the first move.
activate "$WID"
xdotool key w
w_wait_line '^Vornak playing White' 30
w_wait_line '^1\. [^ ]' 90
w_log "the computer's move: $(grep -E '^1\. ' "$W_LOG" | tr -d '\r')"

# The computer's move is not saved: Q asks first, and Return quits.
activate "$WID"
xdotool key q
BOX=$(w_find_window '^Unsaved moves$' 30) || w_fail "Q with an unsaved move did not ask"
w_dismiss "$BOX" Return
w_wait_exit 30
[ "$W_STATUS" = 0 ] || w_fail "the program exited with $W_STATUS on Q"
window_gone "$WID" 10 || w_fail "the window stays after the program ended"
w_log "installed program: ok"
echo "shipped installer and program under wine: ok"
