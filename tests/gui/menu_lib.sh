# The program's pop-up menu tree, driven with the pointer. Sourced after
# lib.sh.
#
# How entries are found: freeglut draws every menu as an override-redirect
# X window named "freeglut menu", mapped while the menu is open, placed with
# its top-left corner at the pointer (the main menu) or beside its parent's
# entry (a submenu), and its entries stacked in rows of equal height inside a
# border of 2 pixels: height = rows * row height + 4 (measured under Xvfb:
# the main menu is 229 = 9 * 25 + 4 pixels high). So the geometry of the open
# menu, read with xdotool, and the number of its entries, known from the
# table below (the tree as src/shell/DescribeMenus.cpp builds it), give the
# centre of every entry without relying on font metrics. The newest submenu is
# the open menu furthest to the right, because the main menu is opened near
# the screen's left edge and submenus open to the right of their parents.
#
# With VORNAK_TRACE_MENUS set the program prints "\nmenu <name> <value>" for
# every choice, which tells that the click reached the intended entry.

# Entries per menu, and for each entry "sub:<menu>" or its value.
declare -A MENU_SIZE=(
    [Main]=9 [Game]=11 [Vornak]=4 [Difficulty]=3 [TimeLimit]=5 [Undo]=5 [Pieces]=2 [Mode]=2
    [Rules]=2 [Notation]=3 [Spread]=3 [View]=8 [Projection]=2 [Axes]=2 [Opacity]=2 [Captured]=2
    [Edit]=6 [AddWhite]=6 [AddBlack]=6
)
declare -A MENU_ENTRY=(
    [Main:0]=sub:Game [Main:1]=sub:Pieces [Main:2]=sub:Mode [Main:3]=sub:Rules [Main:4]=sub:Notation
    [Main:5]=sub:Spread [Main:6]=sub:View [Main:7]=sub:Edit [Main:8]=3
    [Game:0]=sub:Vornak [Game:1]=sub:Difficulty [Game:2]=sub:TimeLimit [Game:3]=sub:Undo
    [Game:4]=0 [Game:5]=2 [Game:6]=5 [Game:7]=6 [Game:8]=7 [Game:9]=9 [Game:10]=10
    [Vornak:0]=1 [Vornak:1]=-1 [Vornak:2]=2 [Vornak:3]=0
    [Difficulty:0]=4 [Difficulty:1]=8 [Difficulty:2]=50
    [TimeLimit:0]=5 [TimeLimit:1]=10 [TimeLimit:2]=30 [TimeLimit:3]=60 [TimeLimit:4]=300
    [Undo:0]=1 [Undo:1]=2 [Undo:2]=4 [Undo:3]=8 [Undo:4]=16
    [Pieces:0]=0 [Pieces:1]=1 [Mode:0]=2 [Mode:1]=3 [Rules:0]=1 [Rules:1]=2
    [Notation:0]=0 [Notation:1]=1 [Notation:2]=2 [Spread:0]=0 [Spread:1]=1 [Spread:2]=2
    [View:0]=sub:Projection [View:1]=sub:Axes [View:2]=sub:Opacity [View:3]=sub:Captured
    [View:4]=4 [View:5]=3 [View:6]=8 [View:7]=11
    [Projection:0]=0 [Projection:1]=1 [Axes:0]=0 [Axes:1]=1 [Opacity:0]=1 [Opacity:1]=0
    [Captured:0]=0 [Captured:1]=1
    [Edit:0]=sub:AddWhite [Edit:1]=sub:AddBlack [Edit:2]=1 [Edit:3]=3 [Edit:4]=4 [Edit:5]=2
    [AddWhite:0]=11 [AddWhite:1]=12 [AddWhite:2]=13 [AddWhite:3]=14 [AddWhite:4]=15 [AddWhite:5]=16
    [AddBlack:0]=5 [AddBlack:1]=6 [AddBlack:2]=7 [AddBlack:3]=8 [AddBlack:4]=9 [AddBlack:5]=10
)

GUI_MENU_TRACE=""   # what the program prints for the last choice
MENU_LIST=""        # the open menus last seen

# Open menus, one line each: "x y width height", in screen coordinates.
# (xdotool's --onlyvisible keeps the mapped menus only.)
gui_open_menus()
{
    local w
    for w in $(timeout 5 xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null); do
        timeout 5 xdotool getwindowgeometry --shell "$w" 2>/dev/null |
            awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2 }
                     END { if (w) print x, y, w, h }'
    done
}

# Whether exactly n menus come to be open within the seconds given; sets
# MENU_X, MENU_Y, MENU_W, MENU_H to the rightmost one, MENU_LIST to them all.
gui_try_menus()
{
    local n=$1 seconds=$2 i count
    for i in $(seq $((seconds * 10))); do
        MENU_LIST=$(gui_open_menus)
        count=$(grep -c . <<<"$MENU_LIST")
        if [ "$count" -eq "$n" ]; then
            [ "$n" -eq 0 ] && return 0
            read -r MENU_X MENU_Y MENU_W MENU_H < <(sort -n -k1,1 <<<"$MENU_LIST" | tail -n1)
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until exactly n menus are open. A program busy with a long command (a
# restore in a sanitizer build) opens its menu late: up to MENU_WAIT seconds
# (default 30).
gui_wait_menus()
{
    gui_try_menus "$1" "${MENU_WAIT:-30}" ||
        gui_fail "expected $1 open menus, found $(grep -c . <<<"$MENU_LIST"): $MENU_LIST"
}

# The right click that opens the main menu. A question of the program (the
# box before unsaved moves are given up) may have come up just before it and
# hold the program until answered: when GUI_MENU_UNBLOCK names a function that
# answers such boxes, it is called and the menu looked for again (the click
# waiting in the queue may open it by itself once the box is gone).
gui_open_main_menu()
{
    local x=$1 y=$2 attempt
    timeout 5 xdotool mousemove --window "$GUI_WID" "$x" "$y" click 3 || gui_fail "right click"
    if [ -n "${GUI_MENU_UNBLOCK:-}" ]; then
        for attempt in 1 2 3; do
            gui_try_menus 1 5 && return 0
            "$GUI_MENU_UNBLOCK"
            gui_try_menus 1 5 && return 0
            gui_try_menus 0 1 || continue
            timeout 5 xdotool mousemove --window "$GUI_WID" "$x" "$y" click 3 || gui_fail "right click"
        done
    fi
    gui_wait_menus 1
}

# Chooses an entry by its indices, from the main menu down:
#   gui_menu 0 1 2     Game > Difficulty > hard
# The menu is opened with a right click at (x, y) of the window, default
# (20, 20); GUI_MENU_TRACE is set to the line the choice traces.
gui_menu()
{
    local menu=Main level=0 idx entry rows row_h cx cy
    local at_x=${MENU_AT_X:-20} at_y=${MENU_AT_Y:-20}
    gui_wait_menus 0
    gui_open_main_menu "$at_x" "$at_y"
    for idx in "$@"; do
        level=$((level + 1))
        [ "$level" -eq 1 ] || gui_wait_menus "$level"
        rows=${MENU_SIZE[$menu]}
        [ $(((MENU_H - 4) % rows)) -eq 0 ] || gui_fail "menu $menu: height $MENU_H does not fit $rows rows"
        row_h=$(((MENU_H - 4) / rows))
        cx=$((MENU_X + MENU_W / 2))
        cy=$((MENU_Y + 2 + idx * row_h + row_h / 2))
        entry=${MENU_ENTRY[$menu:$idx]:-}
        [ -n "$entry" ] || gui_fail "menu $menu has no entry $idx"
        timeout 5 xdotool mousemove "$cx" "$cy" || gui_fail "mousemove"
        if [[ "$entry" == sub:* ]]; then
            menu=${entry#sub:}
        else
            # A short pause lets freeglut see the pointer over the entry
            # before the click.
            sleep 0.1
            timeout 5 xdotool mousemove "$((cx + 1))" "$cy" click 1 || gui_fail "click on the menu"
            GUI_MENU_TRACE=$'\n'"menu $menu $entry"
            gui_wait_menus 0
            return 0
        fi
    done
    gui_fail "menu path $* ends in a submenu"
}

# How many whole console lines read exactly the text.
gui_count_lines()
{
    gui_console | grep -cxF -- "$1"
}

# Whether the console comes to have more lines reading exactly the text
# than the count given, within fifteen seconds.
gui_wait_more_lines()
{
    local line=$1 before=$2 i
    for i in $(seq 300); do
        [ "$(gui_count_lines "$line")" -gt "$before" ] && return 0
        sleep 0.05
    done
    return 1
}

# Types the keys and waits for one more console line reading exactly the text.
key_expect()
{
    local line=$1 before
    shift
    before=$(gui_count_lines "$line")
    gui_key "$@"
    gui_wait_more_lines "$line" "$before" || gui_fail "keys $* did not print '$line'"
}

# Chooses an entry and waits for one more trace line of that entry.
gui_menu_expect()
{
    local before line
    before=$(gui_count_lines "$(gui_menu_trace_of "$@")")
    gui_menu "$@"
    line=${GUI_MENU_TRACE#$'\n'}
    gui_wait_more_lines "$line" "$before" || gui_fail "the choice $* did not reach the program (no '$line')"
}

# The trace line a path of indices gives, without choosing it.
gui_menu_trace_of()
{
    local menu=Main idx entry
    for idx in "$@"; do
        entry=${MENU_ENTRY[$menu:$idx]:-}
        if [[ "$entry" == sub:* ]]; then
            menu=${entry#sub:}
        else
            echo "menu $menu $entry"
            return 0
        fi
    done
}

# A 32-bit little-endian signed integer of a file at a byte offset.
gui_file_int()
{
    od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '
}
