# Playing on the drawn board with the mouse, sourced after lib.sh by the
# board tests. Where to click comes from gui_square_pixel, which replays the
# game's moves on its own board and projects with the program's camera.
#
# Usage: board_setup /path/to/gui_square_pixel; board_view;
#        board_move e2e4; board_move QLW:QL1-QL3; board_expect_pixels ...

BOARD_HELPER=""
BOARD_MODE=3
BOARD_VIEW=""     # "xang yang scale ortho width height"
BOARD_MOVES=()    # -m MOVE pairs for the helper

board_setup() { BOARD_HELPER=$1; }

# Reads the camera from the program (key G) and the window's size.
board_view()
{
    local before line geo w h
    before=$(gui_console | grep -c '^W xang=')
    gui_key g
    local i
    for i in $(seq 100); do
        [ "$(gui_console | grep -c '^W xang=')" -gt "$before" ] && break
        sleep 0.05
    done
    line=$(gui_console | grep '^W xang=' | tail -n1)
    [ -n "$line" ] || gui_fail "the program did not print its view"
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$GUI_WID") || gui_fail "no window geometry"
    w=$(echo "$geo" | sed -n 's/^WIDTH=//p')
    h=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
    BOARD_VIEW="$(echo "$line" | sed 's/^W xang=\([^ ]*\) yang=\([^ ]*\) scale=\([^ ]*\)$/\1 \2 \3/') ${BOARD_ORTHO:-0} $w $h"
}

# The helper's answer to one query, without the query's own words, into
# BOARD_ANSWER.
board_ask()
{
    local out
    out=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" "$@" 2>&1) \
        || gui_fail "gui_square_pixel $*: $out"
    BOARD_ANSWER=$(echo "$out" | grep "^$1 $2 " | cut -d' ' -f3-)
}

board_click_at()
{
    timeout 10 xdotool mousemove --window "$GUI_WID" "$1" "$2" click 1 || gui_fail "xdotool click $1 $2"
}

# A left click on a square (E2, e4) or a pin (QL3).
board_click()
{
    board_ask click "$1"
    [ -n "$BOARD_ANSWER" ] && [ "$BOARD_ANSWER" != none ] || gui_fail "no pixel picks $1"
    board_click_at $BOARD_ANSWER
}

# A left click on the post of an attack board (QLW, QLB, KLW, KLB).
board_click_post()
{
    board_ask post "$1"
    [ -n "$BOARD_ANSWER" ] && [ "$BOARD_ANSWER" != none ] || gui_fail "no pixel picks the post of $1"
    board_click_at $BOARD_ANSWER
}

board_logged_moves() { gui_console | grep -cE '^[0-9]+\. '; }

# Plays a move with two clicks and waits for its line in the move log. The
# move is written as the perft tool writes it: e2e4, E2E3, QLW:QL1-QL3.
board_move()
{
    local move=$1 before i
    before=$(board_logged_moves)
    if [[ "$move" == *:* ]]; then
        board_click_post "${move%%:*}"
        board_click "${move##*-}"
    else
        board_click "${move:0:2}"
        board_click "${move:2:2}"
    fi
    for i in $(seq 200); do
        [ "$(board_logged_moves)" -gt "$before" ] && break
        sleep 0.05
    done
    [ "$(board_logged_moves)" -gt "$before" ] || gui_fail "the move $move was not played"
    BOARD_MOVES+=(-m "$move")
}

# The distinct colours (#RRGGBB) of a square region of a screenshot,
# centred on a window pixel.
board_colors_at()
{
    local image=$1 x=$2 y=$3 r=${4:-2}
    gui_window_origin
    /usr/bin/convert "$image" -crop "$((2 * r + 1))x$((2 * r + 1))+$((GUI_WX + x - r))+$((GUI_WY + y - r))" +repage \
        -unique-colors txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}'
}

# Whether a colour is a lit piece of the side asked (1 White, -1 Black):
# lighting scales all three channels alike, so White's pieces stay yellower
# than grey (blue below red) and Black's bluer (blue above red).
board_piece_color()
{
    local hex=${1#\#} side=$2 r g b
    r=$((16#${hex:0:2})); g=$((16#${hex:2:2})); b=$((16#${hex:4:2}))
    [ $((r - g)) -le 2 ] && [ $((g - r)) -le 2 ] || return 1
    if [ "$side" -gt 0 ]; then
        [ "$b" -lt $((r * 90 / 100)) ] && [ "$r" -gt 40 ]
    else
        [ "$b" -gt $((r * 115 / 100)) ]
    fi
}

# Screenshot, then for each square (index name) whether the drawn colour at
# a pixel where it is in view is that of the square or of its piece. A few
# screenshots are taken before failing: the frame that shows the last change
# may be late on a busy machine.
board_expect_pixels()
{
    local image=$1 sq out queries=() attempt
    shift
    for sq in "$@"; do
        queries+=(see "$sq")
    done
    out=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" "${queries[@]}" 2>&1) \
        || gui_fail "gui_square_pixel: $out"
    for attempt in 1 2 3 4 5 6; do
        gui_screenshot "$image"
        BOARD_MISMATCH=""
        board_pixels_match "$image" "$out" "$@" && return 0
        sleep 0.5
    done
    gui_fail "$BOARD_MISMATCH"
}

# Whether every square shows its colour or its piece's in the image, given
# the helper's "see" answers; the first mismatch goes into BOARD_MISMATCH.
board_pixels_match()
{
    local image=$1 out=$2 sq x y piece color colors c ok answer
    shift 2
    for sq in "$@"; do
        answer=$(echo "$out" | grep "^see $sq " | cut -d' ' -f3-)
        [ -n "$answer" ] && [ "$answer" != none ] || gui_fail "$sq is nowhere in plain view"
        read -r x y piece color <<<"$answer"
        colors=$(board_colors_at "$image" "$x" "$y")
        ok=""
        if [ "$piece" -eq 0 ]; then
            # Stippled: half the pixels are the square's, the rest show through.
            echo "$colors" | grep -qi -- "$color" && ok=1
        else
            c=$(board_colors_at "$image" "$x" "$y" 0)
            board_piece_color "$c" "$piece" && ok=1
        fi
        if [ -z "$ok" ]; then
            BOARD_MISMATCH="$sq ($piece) at $x,$y shows $(echo $colors), expected $color or its piece"
            return 1
        fi
    done
}

# Whether the status line (line 2 under the move line) shows a colour.
board_status_has()
{
    local image=$1 color=$2 x y
    board_ask text 2
    read -r x y <<<"$BOARD_ANSWER"
    gui_window_origin
    gui_region_has_color "$image" "400x26+$((GUI_WX + x))+$((GUI_WY + y - 20))" "$color"
}

# Waits until the status line shows the colour (CHECK and the game's end
# are red; a pending message is white and lasts one frame).
board_wait_status()
{
    local color=$1 limit=${2:-10} i
    for i in $(seq $((limit * 4))); do
        gui_screenshot "$GUI_TMP/status.png"
        board_status_has "$GUI_TMP/status.png" "$color" && return 0
        sleep 0.25
    done
    return 1
}

# Starts from a tri-dimensional board edited by gui_square_pixel (the edits
# `-e SQ` empty squares), restored from the save file it writes (Alt+R).
board_restore_edited()
{
    local out
    BOARD_MODE=3
    BOARD_MOVES=()
    local edit
    for edit in "$@"; do
        BOARD_MOVES+=(-e "$edit")
    done
    out=$(cd "$GUI_WORK" && "$BOARD_HELPER" 3 300 0 1.6 0 800 800 "${BOARD_MOVES[@]}" save 2>&1) \
        || gui_fail "cannot write the edited game: $out"
    gui_key alt+r
    gui_wait_output $'\nRestore game ...'
    gui_wait_output 'complete!'
}

# A refused move: the white message under the move line shows for one
# frame, until the clock's next tick redraws, so the refusal is tried again
# until a screenshot catches it. The clicks are given as functions with
# their arguments separated by "--".
board_expect_refused()
{
    local before try
    before=$(board_logged_moves)
    for try in 1 2 3 4 5; do
        "$@"
        gui_screenshot "$GUI_TMP/refused.png"
        board_status_has "$GUI_TMP/refused.png" '#FFFFFF' && break
    done
    board_status_has "$GUI_TMP/refused.png" '#FFFFFF' || gui_fail "the refusal was never shown"
    [ "$(board_logged_moves)" -eq "$before" ] || gui_fail "a refused move was played"
}

# How far right of the line's start the status line's colour reaches, in
# pixels: tells "CHECKMATE" from "CHECK" without reading the text.
board_status_extent()
{
    local image=$1 color=$2 x y
    board_ask text 2
    read -r x y <<<"$BOARD_ANSWER"
    gui_window_origin
    /usr/bin/convert "$image" -crop "400x26+$((GUI_WX + x))+$((GUI_WY + y - 20))" +repage txt:- 2>/dev/null \
        | grep -i -- "$color" | sed 's/^\([0-9]*\),.*/\1/' | sort -n | tail -n1
}

# Starts the program on a new plain game that both sides play here (the
# computer stays out), with the view read for clicking.
board_start_plain_game()
{
    gui_start_ready "$@"
    gui_key F2
    gui_wait_output $'\nVornak V2.98f\n'
    gui_key F10
    BOARD_MODE=2
    board_view
}

# The squares of the plain board framed in a colour in an image, sorted:
# framed_squares IMAGE COLOUR.
framed_squares()
{
    local image=$1 frame=$2 queries=() f r out format="" names=() name x y colors c i=0
    for f in a b c d e f g h; do
        for r in 1 2 3 4 5 6 7 8; do
            queries+=(edge "$f$r")
        done
    done
    out=$("$BOARD_HELPER" $BOARD_MODE $BOARD_VIEW "${BOARD_MOVES[@]}" "${queries[@]}" 2>&1) || gui_fail "edge: $out"
    gui_window_origin
    while read -r _ name x y; do
        [ "$x" = none ] && continue
        names+=("$name")
        format+="%[hex:p{$((GUI_WX + x)),$((GUI_WY + y))}],%[hex:p{$((GUI_WX + x)),$((GUI_WY + y + 1))}] "
    done < <(grep '^edge ' <<<"$out")
    colors=$(/usr/bin/convert "$image" -format "$format" info:) || gui_fail "cannot read $image"
    for c in $colors; do
        [[ "$c" == *${frame#\#}* ]] && echo "${names[$i]}"
        i=$((i + 1))
    done | sort
}
