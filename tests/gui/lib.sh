# GUI test harness, sourced by the tests of this directory.
#
# Gives each test a private X server (Xvfb picks a free display), runs the
# program in a fresh working directory in its own process group with its
# console captured, drives it with xdotool and takes screenshots. Whatever it
# started is stopped on success, on failure and on interrupt.
#
# Usage:  source lib.sh; gui_begin; ...write files into "$GUI_WORK"...;
#         gui_start /path/to/vornak; gui_wait_window; gui_key q; gui_expect_exit 0;
#         gui_end

set -u

GUI_TMP=""        # scratch directory of this test
GUI_WORK=""       # the program's working directory (inside GUI_TMP)
GUI_CONSOLE=""    # the program's standard output
XVFB_PID=""
PROG_PID=""       # the program; also the id of its process group
PROG_PGID=""
PROG_STATUS=""    # exit status once the program has been reaped
GUI_WID=""        # the program's window
GUI_START_ARGS=() # how the program was started, for a second start

GUI_WINDOW_NAME='^Vornak 2\.98f$'
GUI_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

gui_log() { echo "[gui] $*" >&2; }

gui_fail()
{
    echo "FAIL: $*" >&2
    if [ -n "$GUI_CONSOLE" ] && [ -f "$GUI_CONSOLE" ]; then
        echo "----- program console -----" >&2
        cat "$GUI_CONSOLE" >&2
        echo >&2
        echo "----- program stderr -----" >&2
        cat "$GUI_TMP/stderr.txt" >&2 2>/dev/null
        echo "----- X server ${DISPLAY:-} (pid ${XVFB_PID:-}) -----" >&2
        cat "$GUI_TMP/xvfb.log" >&2 2>/dev/null
        echo "---------------------------" >&2
    fi
    exit 1
}

# A tool is missing: a skip on a developer's machine, a failure in CI.
gui_require()
{
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            if [ "${CI:-}" = "true" ]; then
                gui_fail "required tool '$tool' is not installed"
            fi
            echo "SKIP: '$tool' is not installed" >&2
            exit 77
        fi
    done
}

# Alive and not a zombie. A zombie still answers kill -0, so look at /proc.
gui_alive()
{
    local pid=$1 st
    [ -r "/proc/$pid/stat" ] || return 1
    st=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$st" ] && [ "$st" != Z ]
}

# Live (non-zombie) members of a process group.
gui_group_members()
{
    ps -e -o pgid=,pid=,stat=,comm= | awk -v g="$1" '$1 == g && $3 !~ /^Z/ { print $2, $4 }'
}

gui_stop_program()
{
    [ -n "$PROG_PGID" ] || return 0
    local i
    if [ -n "$(gui_group_members "$PROG_PGID")" ]; then
        kill -TERM -- "-$PROG_PGID" 2>/dev/null
        for i in $(seq 30); do
            [ -z "$(gui_group_members "$PROG_PGID")" ] && break
            sleep 0.1
        done
        kill -KILL -- "-$PROG_PGID" 2>/dev/null
    fi
    if [ -n "$PROG_PID" ]; then
        wait "$PROG_PID" 2>/dev/null
        PROG_PID=""
    fi
}

gui_stop_xvfb()
{
    [ -n "$XVFB_PID" ] || return 0
    local i
    kill -TERM "$XVFB_PID" 2>/dev/null
    for i in $(seq 30); do
        gui_alive "$XVFB_PID" || break
        sleep 0.1
    done
    kill -KILL "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

gui_cleanup()
{
    local rc=$?
    trap - EXIT INT TERM HUP
    gui_stop_program
    gui_stop_xvfb
    if [ -n "$GUI_TMP" ]; then
        if [ "$rc" -eq 0 ] || [ -z "${GUI_KEEP:-}" ]; then
            rm -rf "$GUI_TMP"
        else
            gui_log "scratch directory kept: $GUI_TMP"
        fi
    fi
    exit "$rc"
}

# Starts the X server and prepares the scratch directories.
gui_begin()
{
    gui_require Xvfb xdotool import /usr/bin/convert ps awk
    trap gui_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    GUI_TMP=$(mktemp -d "${TMPDIR:-/tmp}/vornak-gui.XXXXXX") || gui_fail "mktemp"
    GUI_WORK="$GUI_TMP/work"
    GUI_CONSOLE="$GUI_TMP/console.txt"
    mkdir -p "$GUI_WORK"

    # A display number drawn at random rather than the lowest free one: a
    # server of another test that is just shutting down may still remove the
    # socket of the number it gave up. -displayfd tells when the server
    # accepts connections.
    local attempt i num=""
    for attempt in 1 2 3 4 5 6; do
        local candidate=$((200 + RANDOM % 800))
        [ -e "/tmp/.X$candidate-lock" ] && continue
        : >"$GUI_TMP/display"
        # -noreset: the probes below and xdotool connect and leave; a server
        # that resets whenever its last client goes is a moving target.
        Xvfb ":$candidate" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>"$GUI_TMP/display" >"$GUI_TMP/xvfb.log" 2>&1 &
        XVFB_PID=$!
        for i in $(seq 100); do
            num=$(head -n1 "$GUI_TMP/display" 2>/dev/null)
            [ -n "$num" ] && break
            gui_alive "$XVFB_PID" || break
            sleep 0.1
        done
        # Announced is not yet proven: a client must get through.
        if [ -n "$num" ]; then
            for i in $(seq 20); do
                DISPLAY=":$num" timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
                sleep 0.1
            done
            gui_log "display :$num was announced but refused clients; trying another"
            num=""
        fi
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    done
    if [ -z "$num" ]; then
        cat "$GUI_TMP/xvfb.log" >&2
        gui_fail "Xvfb did not start"
    fi
    export DISPLAY=":$num"
    unset XAUTHORITY
}

# Runs the program in GUI_WORK in a process group of its own.
gui_start()
{
    GUI_START_ARGS=("$@")
    # In sanitizer builds: the GL driver is unloaded at exit and leaves
    # allocations that LeakSanitizer cannot attribute; the unit tests check
    # leaks of our own code.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    export TSAN_OPTIONS=${TSAN_OPTIONS:-suppressions=$GUI_DIR/tsan.supp}
    (cd "$GUI_WORK" && exec setsid "$@" >"$GUI_CONSOLE" 2>"$GUI_TMP/stderr.txt" </dev/null) &
    PROG_PID=$!
    # The subshell execs setsid, which execs the program without forking
    # because a background job is not a group leader: $! is the program.
    local i pgid=""
    for i in $(seq 50); do
        pgid=$(ps -o pgid= -p "$PROG_PID" 2>/dev/null | tr -d ' ')
        [ "$pgid" = "$PROG_PID" ] && break
        sleep 0.02
    done
    PROG_PGID=$PROG_PID
    [ "$pgid" = "$PROG_PID" ] || gui_fail "the program did not get a process group of its own"
}

# The program's console so far, byte for byte.
gui_console()
{
    cat "$GUI_CONSOLE" 2>/dev/null
}

# Waits until the program's window is mapped; fails if the program dies first.
gui_wait_window()
{
    local limit=${1:-30} i restarts=0
    for i in $(seq $((limit * 10))); do
        if ! gui_alive "$PROG_PID"; then
            gui_alive "$XVFB_PID" || gui_fail "the X server $DISPLAY died before the window appeared"
            # A live server that once turned the program away (seen on a
            # loaded CI machine) earns one more start; anything else is the
            # program's fault.
            if [ "$restarts" -eq 0 ] && grep -q "failed to open display" "$GUI_TMP/stderr.txt" 2>/dev/null; then
                restarts=1
                gui_log "the program could not connect to $DISPLAY; sockets: $(ls /tmp/.X11-unix 2>/dev/null | tr '\n' ' '); starting it again"
                wait "$PROG_PID" 2>/dev/null
                gui_start "${GUI_START_ARGS[@]}"
                continue
            fi
            gui_fail "the program ended before its window appeared"
        fi
        GUI_WID=$(timeout 5 xdotool search --onlyvisible --name "$GUI_WINDOW_NAME" 2>/dev/null | head -n1)
        if [ -n "$GUI_WID" ]; then
            timeout 5 xdotool windowfocus --sync "$GUI_WID" || gui_fail "cannot focus the window"
            return 0
        fi
        sleep 0.1
    done
    gui_fail "no window named '$GUI_WINDOW_NAME' within ${limit}s"
}

# Types keys (xdotool key names) into the focused window.
gui_key()
{
    timeout 10 xdotool key --delay 30 "$@" || gui_fail "xdotool key $*"
}

# Waits until the console contains the text (a bash string; use $'..' for
# escapes).
gui_wait_output()
{
    local text=$1 limit=${2:-20} i
    for i in $(seq $((limit * 20))); do
        [[ "$(gui_console; echo .)" == *"$text"* ]] && return 0
        sleep 0.05
    done
    gui_fail "console never showed: $(printf %q "$text")"
}

# Fails unless the console holds the texts in this order.
gui_expect_in_order()
{
    local rest text
    rest="$(gui_console; echo .)"
    for text in "$@"; do
        [[ "$rest" == *"$text"* ]] || gui_fail "console lacks, at or after the previous item: $(printf %q "$text")"
        rest=${rest#*"$text"}
    done
}

gui_expect_absent()
{
    local text
    for text in "$@"; do
        [[ "$(gui_console; echo .)" != *"$text"* ]] || gui_fail "console unexpectedly shows: $(printf %q "$text")"
    done
}

# Waits for the program to end and checks its exit status and that nothing of
# its process group is left.
gui_expect_exit()
{
    local want=$1 limit=${2:-20} i
    for i in $(seq $((limit * 20))); do
        gui_alive "$PROG_PID" || break
        sleep 0.05
    done
    gui_alive "$PROG_PID" && gui_fail "the program did not end within ${limit}s"
    wait "$PROG_PID"
    PROG_STATUS=$?
    PROG_PID=""
    [ "$PROG_STATUS" -eq "$want" ] || gui_fail "exit status $PROG_STATUS, expected $want"
    local left
    for i in $(seq 20); do
        left=$(gui_group_members "$PROG_PGID")
        [ -z "$left" ] && return 0
        sleep 0.05
    done
    gui_fail "processes left behind: $left"
}

# Stops the X server and checks that nothing this test started is left.
gui_end()
{
    local xvfb=$XVFB_PID
    gui_stop_program
    gui_stop_xvfb
    [ -z "$PROG_PGID" ] || [ -z "$(gui_group_members "$PROG_PGID")" ] || gui_fail "program processes left behind"
    ! gui_alive "$xvfb" || gui_fail "the X server is still running"
}

gui_expect_running()
{
    gui_alive "$PROG_PID" || gui_fail "the program is no longer running"
}

# Starts the program and waits for its window and the end of its key help.
gui_start_ready()
{
    gui_start "$@"
    gui_wait_window
    gui_wait_output $'\nZ \t black view toggle(2D)'
}

# The window id of a shown message box titled exactly so, or nothing.
# (xdotool's search does not see message boxes; xwininfo does.)
gui_box_shown()
{
    xwininfo -root -children 2>/dev/null | awk -v t="\"$1\":" 'index($0, " " t " ") { print $1; exit }'
}

# Waits up to ten seconds for the box; its id goes into GUI_BOX.
gui_wait_box()
{
    local i
    for i in $(seq 100); do
        GUI_BOX=$(gui_box_shown "$1")
        [ -n "$GUI_BOX" ] && return 0
        sleep 0.1
    done
    gui_fail "no message box titled '$1'"
}

# Answers the box with a key (Return: its action, Escape: cancel) and waits
# until it is gone.
gui_answer_box()
{
    local i
    gui_wait_box "$1"
    timeout 10 xdotool windowfocus --sync "$GUI_BOX" key "$2" || gui_fail "xdotool $2 in the box"
    for i in $(seq 100); do
        [ -z "$(gui_box_shown "$1")" ] && return 0
        sleep 0.1
    done
    gui_fail "the box '$1' stayed after $2"
}

GUI_UNSAVED_BOX='Unsaved moves'

# The program, still running, quits on Q with status 0; a game with moves
# not saved is given up in the box that asks. Optional: the seconds to wait.
gui_quit()
{
    local i limit=${1:-20}
    gui_expect_running
    gui_key q
    for i in $(seq $((limit * 10))); do
        gui_alive "$PROG_PID" || break
        if [ -n "$(gui_box_shown "$GUI_UNSAVED_BOX")" ]; then
            gui_answer_box "$GUI_UNSAVED_BOX" Return
            break
        fi
        sleep 0.1
    done
    gui_expect_exit 0 "$limit"
}

# With VORNAK_SCREENSHOT set, the window's picture is written there (how the
# screenshots under docs/ are made).
gui_keep_window_shot()
{
    [ -n "${VORNAK_SCREENSHOT:-}" ] || return 0
    gui_screenshot "$GUI_TMP/full.png"
    gui_window_origin
    /usr/bin/convert "$GUI_TMP/full.png" -crop "800x800+$GUI_WX+$GUI_WY" +repage "$VORNAK_SCREENSHOT"
}

# Screenshot of the whole screen.
gui_screenshot()
{
    timeout 20 import -window root "$1" || gui_fail "screenshot failed"
}

# Window position on the screen: sets GUI_WX, GUI_WY.
gui_window_origin()
{
    local geo
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$GUI_WID") || gui_fail "no window geometry"
    GUI_WX=$(echo "$geo" | sed -n 's/^X=//p')
    GUI_WY=$(echo "$geo" | sed -n 's/^Y=//p')
}

# True when the region (WxH+X+Y) of the image contains the exact colour
# (#RRGGBB).
gui_region_has_color()
{
    local image=$1 region=$2 color=$3
    /usr/bin/convert "$image" -crop "$region" +repage -unique-colors txt:- 2>/dev/null \
        | grep -qi -- "$color"
}

# Screenshots into IMAGE until the region (WxH+X+Y) shows every colour:
# the first frames may come well after the window is mapped on a busy machine.
# False when some colour is still missing after about fifteen seconds.
gui_wait_region_colors()
{
    local image=$1 region=$2 color missing
    shift 2
    for _ in $(seq 30); do
        gui_screenshot "$image"
        missing=
        for color in "$@"; do
            gui_region_has_color "$image" "$region" "$color" || { missing=$color; break; }
        done
        [ -z "$missing" ] && return 0
        sleep 0.5
    done
    gui_log "still no $missing in $region"
    return 1
}

# The message at the window's foot, drawn in this colour at full brightness.
GUI_MESSAGE_COLOR='#FFFF99'

# Whether the window's foot shows a message.
gui_message_shown()
{
    local geo w h
    gui_screenshot "$GUI_TMP/foot.png"
    gui_window_origin
    geo=$(timeout 5 xdotool getwindowgeometry --shell "$GUI_WID") || gui_fail "no window geometry"
    w=$(echo "$geo" | sed -n 's/^WIDTH=//p')
    h=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
    gui_region_has_color "$GUI_TMP/foot.png" "${w}x30+$GUI_WX+$((GUI_WY + h - 30))" "$GUI_MESSAGE_COLOR"
}

# Waits until no message is shown (they fade after a few seconds); false
# when one is still there after the time given (default 10 seconds).
gui_wait_message_gone()
{
    local i
    for i in $(seq $((${1:-10} * 2))); do
        gui_message_shown || return 0
        sleep 0.5
    done
    return 1
}

# Waits until a frame has drawn the message at the window's foot, for a
# program started with VORNAK_TRACE_MESSAGES set in its environment: the
# frame prints the whole text as a console line "window message: <text>".
gui_expect_message()
{
    local text=$1 i
    for i in $(seq 200); do
        gui_console | grep -qxF -- "window message: $text" && break
        sleep 0.05
    done
    gui_console | grep -qxF -- "window message: $text" || gui_fail "the window never showed the message: $text"
    # The frame prints its line before its picture reaches the screen; on a
    # loaded machine the first look may come too soon.
    for i in $(seq 10); do
        gui_message_shown && return 0
        sleep 0.2
    done
    gui_fail "nothing at the window's foot for the message: $text"
}

# Waits up to ten seconds for the dialog titled exactly TITLE (a zenity
# chooser or entry) and gives it the focus; its id goes into GUI_DIALOG.
gui_focus_dialog()
{
    local title=$1 i
    GUI_DIALOG=""
    for i in $(seq 100); do
        GUI_DIALOG=$(timeout 5 xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$GUI_DIALOG" ] && break
        sleep 0.1
    done
    [ -n "$GUI_DIALOG" ] || gui_fail "no dialog titled '$title'"
    timeout 5 xdotool windowfocus --sync "$GUI_DIALOG" || gui_fail "cannot focus the dialog '$title'"
    sleep 0.5
}

# Types TEXT into the dialog titled exactly TITLE over what it suggests,
# presses Return, waits for the dialog to go and gives the focus back to the
# program's window.
gui_type_in_dialog()
{
    local title=$1 text=$2 i
    gui_focus_dialog "$title"
    timeout 5 xdotool key ctrl+a || gui_fail "xdotool key ctrl+a"
    timeout 10 xdotool type --delay 10 "$text" || gui_fail "xdotool type"
    timeout 5 xdotool key Return || gui_fail "xdotool key Return"
    for i in $(seq 50); do
        [ -z "$(timeout 5 xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] && break
        sleep 0.1
    done
    timeout 5 xdotool windowfocus --sync "$GUI_WID" || gui_fail "cannot focus the window"
}
