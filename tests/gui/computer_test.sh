#!/bin/bash
# The computer in the running program: a new game or an undo while it thinks
# abandons that search, and it moves again when its turn comes; autoplay (F9)
# plays 40 plies of each game with every move legal and no fault reported.
source "$(dirname "$0")/lib.sh"
VORNAK=$1

gui_begin
gui_start_ready "$VORNAK"

# The console from a byte offset on.
console_from() { gui_console | tail -c +$(($1 + 1)); }
console_size() { gui_console | wc -c; }
# Waits until the text appears after the offset.
wait_after()
{
    local from=$1 text=$2 limit=${3:-60} i
    for i in $(seq $((limit * 10))); do
        [[ "$(console_from "$from"; echo .)" == *"$text"* ]] && return 0
        gui_expect_running
        sleep 0.1
    done
    gui_fail "console never showed after byte $from: $(printf %q "$text")"
}
count_after() { console_from "$1" | grep -c -- "$2"; }
faults_after()
{
    console_from "$1" | grep -E 'Panic|UNSTABLE|Vornak cannot move|VornakLoses|illegal' && return 0
    return 1
}

# 1. The computer takes White at the hardest level and starts to think; a
# new game a moment later abandons that search: no move appears, the new
# game's computer plays Black and waits for White.
mark=$(console_size)
gui_key w
sleep 1
gui_key F3
sleep 8
[ "$(count_after "$mark" '^1\. ')" -eq 0 ] || gui_fail "the abandoned search played a move"
faults_after "$mark" && gui_fail "a fault was reported"
# Its turn comes again: White.
gui_key w
wait_after "$mark" $'\n1. ' 30

# 2. It thinks for Black; an undo meanwhile takes White's move back and the
# search is abandoned; given White again, it moves again.
mark=$(console_size)
gui_key b
sleep 1
gui_key u
wait_after "$mark" $'\nmove undone' 10
sleep 8
[ "$(count_after "$mark" '^1\. \.\.\. ')" -eq 0 ] || gui_fail "the abandoned search answered the undone move"
faults_after "$mark" && gui_fail "a fault was reported"
mark=$(console_size)
gui_key w
wait_after "$mark" $'\n1. ' 30

# 3. Autoplay, easy level, in both games: 40 plies or the game's end.
gui_key d
wait_after "$mark" $'\ndifficulty : EASY' 10
for game in F3 F2; do
    # The game in progress has moves not saved: the new game is asked for.
    gui_key "$game"
    gui_answer_box "$GUI_UNSAVED_BOX" Return
    sleep 1
    mark=$(console_size)
    gui_key F9
    for i in $(seq 1800); do
        [[ "$(console_from "$mark")" == *$'\n20. ... '* ]] && break
        console_from "$mark" | grep -qE 'mated|Stalemate|Draw' && break
        gui_expect_running
        sleep 0.1
    done
    gui_key F10
    sleep 0.5
    plies=$(console_from "$mark" | grep -cE '^[0-9]+\. ')
    echo "[gui] $game: $plies plies" >&2
    [ "$plies" -ge 40 ] || console_from "$mark" | grep -qE 'mated|Stalemate|Draw' \
        || gui_fail "autoplay stopped after $plies plies"
    faults_after "$mark" && gui_fail "a fault was reported in autoplay"
    # The plies are numbered in order, White's then Black's.
    console_from "$mark" | grep -E '^[0-9]+\. ' | awk '
        { want = int(NR / 2) + 1; black = (NR % 2 == 0); if (black) want = NR / 2
          if ($1 != want "." || (black && $2 != "...") || (!black && $2 == "...")) { print "ply " NR ": " $0; bad = 1 } }
        END { exit bad }' >&2 || gui_fail "plies out of order"
done

# Still answering.
mark=$(console_size)
gui_key g
wait_after "$mark" $'\nW xang=' 10
gui_quit
gui_end
