#!/bin/bash
# The targets a selected piece shows are its legal moves: with the king in
# check (a2 and Bf1 may not move, c3 and d2 block) and with a piece pinned
# to it (c3 may only take the pinning bishop), every square of the board is
# marked exactly when the legal move list has a move of that piece to it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/board_lib.sh"
VORNAK=$1
board_setup "$2"

# For every square, a pixel of its floor, asked once per position.
floor_pixels()
{
    local queries=() f r
    for f in a b c d e f g h; do
        for r in 1 2 3 4 5 6 7 8; do
            queries+=(floor "$f$r")
        done
    done
    FLOORS=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" "${queries[@]}" 2>&1) \
        || gui_fail "gui_square_pixel floor: $FLOORS"
    FLOORS=$(grep '^floor ' <<<"$FLOORS")
}

# The squares shown marked (green: a move, magenta: a capture) in the image,
# as a sorted list; a square's floor pixel and its right neighbour are read,
# one of which the transparency stipple leaves drawn.
marked_squares()
{
    local image=$1 format="" names=() name x y
    gui_window_origin
    while read -r _ name x y; do
        [ "$x" = none ] && continue
        names+=("$name")
        format+="%[hex:p{$((GUI_WX + x)),$((GUI_WY + y))}],%[hex:p{$((GUI_WX + x + 1)),$((GUI_WY + y))}] "
    done <<<"$FLOORS"
    local colors i=0 c
    colors=$(/usr/bin/convert "$image" -format "$format" info:) || gui_fail "cannot read $image"
    for c in $colors; do
        [[ "$c" == *00FF00* || "$c" == *FF00FF* ]] && echo "${names[$i]}"
        i=$((i + 1))
    done | sort
}

# The legal targets of the piece on a square, from the helper's move list.
legal_targets()
{
    local from=$1 out
    out=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" moves 2>&1) || gui_fail "moves: $out"
    grep -E "^$from[a-h][1-8][qrbn]?$" <<<"$out" | cut -c3-4 | sort -u
}

# Selects the piece, compares what is marked with its legal targets (after a
# few screenshots, for a late frame), and deselects it.
expect_targets()
{
    local sq=$1 want got attempt
    want=$(legal_targets "$sq")
    board_click "$sq"
    for attempt in 1 2 3 4 5 6; do
        gui_screenshot "$GUI_TMP/spread.png"
        got=$(marked_squares "$GUI_TMP/spread.png")
        [ "$got" = "$want" ] && break
        sleep 0.5
    done
    [ "$got" = "$want" ] || gui_fail "$sq shows [$(echo $got)], its legal targets are [$(echo $want)]"
    # Every target was seen on the board, none hidden.
    local t
    for t in $want; do
        grep -q "^floor $t [0-9]" <<<"$FLOORS" || gui_fail "the floor of $t is nowhere in view"
    done
    board_click "$sq"
}

gui_begin
board_start_plain_game "$VORNAK"
# From above (an orthographic view): every square in sight.
gui_key o
BOARD_ORTHO=1
board_view
for move in e2e4 e7e5 d2d4 f8b4; do
    board_move "$move"
done
floor_pixels
# In check: no move for a2 (a3, a4 do not help) or Bf1; c3 and Nd2 block.
for sq in a2 f1 c2 b1 c1 d1 e1 g1 h2; do
    expect_targets "$sq"
done
[ -z "$(legal_targets a2)" ] || gui_fail "a2 has legal moves in check"
[ "$(legal_targets c2)" = c3 ] || gui_fail "c2's legal targets: $(legal_targets c2)"

# Pinned: c3 may take on b4 and nothing else.
board_move c2c3
board_move a7a6
floor_pixels
expect_targets c3
[ "$(legal_targets c3)" = b4 ] || gui_fail "c3's legal targets: $(legal_targets c3)"
expect_targets d4
expect_targets e1
gui_quit
gui_end
