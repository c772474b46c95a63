# Harness of the installer tests under wine, sourced by wine_*_test.sh.
#
# Gives each test a private X server, a fresh wine prefix and scratch home,
# runs setup.exe or the uninstaller with its trace switched on (pages shown
# and the screen centres of their controls on standard output) and clicks
# through it with xdotool. Everything it started is stopped at the end, on
# failure and on interrupt.

set -u

W_TMP=""
W_LOG=""          # trace of the program running now
W_PID=""
W_STATUS=""
XVFB_PID=""

w_log() { echo "[wine] $*" >&2; }

w_fail()
{
    echo "FAIL: $*" >&2
    if [ -n "$W_LOG" ] && [ -f "$W_LOG" ]; then
        echo "----- trace -----" >&2
        cat "$W_LOG" >&2
        echo "-----------------" >&2
    fi
    exit 1
}

# wine is what CI installs for these tests; without it they are skipped,
# except in CI, where a missing tool is a failure.
w_require()
{
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            [ "${CI:-}" = "true" ] && w_fail "required tool '$tool' is not installed"
            echo "SKIP: '$tool' is not installed; the installer tests need wine, Xvfb and xdotool" >&2
            exit 77
        fi
    done
}

w_cleanup()
{
    if [ -n "$W_PID" ] && kill -0 "$W_PID" 2>/dev/null; then
        kill -TERM "$W_PID" 2>/dev/null
    fi
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1
    fi
    if [ -n "$XVFB_PID" ]; then
        kill -TERM "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    [ -n "$W_TMP" ] && rm -rf "$W_TMP"
}

w_begin()
{
    w_require wine Xvfb xdotool xwininfo
    W_TMP=$(mktemp -d /tmp/vornak-wine.XXXXXX)
    trap w_cleanup EXIT
    trap 'exit 130' INT TERM
    local fd_file="$W_TMP/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >"$W_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    [ -s "$fd_file" ] || w_fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$fd_file")"
    export WINEPREFIX="$W_TMP/prefix" WINEDEBUG=-all HOME="$W_TMP/home"
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
    mkdir -p "$HOME"
    w_log "new wine prefix on $DISPLAY"
    timeout 120 wine wineboot -i >/dev/null 2>&1 || w_fail "wineboot failed"
    wineserver -w
    C="$WINEPREFIX/drive_c"
}

# Starts a Windows program with the trace on; its output goes to a new log.
w_start()
{
    W_LOG="$W_TMP/trace.$RANDOM.log"
    W_STATUS=""
    VORNAK_SETUP_TRACE=1 wine "$@" >"$W_LOG" 2>/dev/null &
    W_PID=$!
}

# Waits until `want` lines (default one) of the trace match the pattern.
w_wait_line()  # pattern [limit] [want]
{
    local pattern=$1 limit=${2:-60} want=${3:-1} i
    for i in $(seq $((limit * 5))); do
        [ "$(w_count "$pattern")" -ge "$want" ] && return 0
        if ! kill -0 "$W_PID" 2>/dev/null; then
            [ "$(w_count "$pattern")" -ge "$want" ] && return 0
            w_fail "program ended before $want of '$pattern'"
        fi
        sleep 0.2
    done
    w_fail "not $want of '$pattern' within ${limit}s"
}

# Lines of the trace so far that match.
w_count() { grep -cE -- "$1" "$W_LOG" || true; }

# Screen centre of a control from its latest trace line.
w_where()
{
    local line
    line=$(grep -E "^control $1 " "$W_LOG" | tail -1)
    [ -n "$line" ] || w_fail "no position for control $1"
    echo "$line" | cut -d' ' -f3,4
}

w_enabled()
{
    grep -E "^control $1 " "$W_LOG" | tail -1 | cut -d' ' -f5
}

w_click()
{
    local xy
    xy=$(w_where "$1")
    # shellcheck disable=SC2086  # "x y"
    xdotool mousemove $xy click 1
}

# The newest window with that title, waited for up to `limit` seconds.
w_find_window()  # title-pattern limit
{
    local i wid
    for i in $(seq $(($2 * 5))); do
        wid=$(xdotool search --name "$1" 2>/dev/null | tail -1)
        [ -n "$wid" ] && { echo "$wid"; return 0; }
        sleep 0.2
    done
    return 1
}

# Answers the newest window of that title with a key (message boxes: y, n, Return).
w_answer()
{
    local title=$1 key=$2 wid
    wid=$(w_find_window "$title" 20) || w_fail "no window '$title'"
    sleep 0.5
    xdotool windowfocus --sync "$wid" key "$key"
}

# Answers a message box with a key until it goes away: on a loaded machine a
# key sent while the box is still being mapped is lost.
w_dismiss()  # window-id key
{
    local try i
    for try in 1 2 3 4 5 6; do
        sleep 0.5
        xdotool windowfocus --sync "$1" key "$2" 2>/dev/null
        for i in $(seq 25); do
            xwininfo -id "$1" >/dev/null 2>&1 || return 0
            sleep 0.2
        done
    done
    w_fail "the box $1 stays after six presses of $2"
}

w_wait_exit()
{
    local limit=${1:-60} i
    for i in $(seq $((limit * 5))); do
        if ! kill -0 "$W_PID" 2>/dev/null; then
            wait "$W_PID"
            W_STATUS=$?
            W_PID=""
            return 0
        fi
        sleep 0.2
    done
    w_fail "program still running after ${limit}s"
}

# A registry value as "reg query" shows it: the line of that name, or nothing.
w_reg()
{
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -E "^ +$2 " | sed -E 's/^ +//'
}
