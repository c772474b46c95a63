#!/bin/bash
# The monkey: a few thousand random keys, clicks, drags and menu choices
# against the program (meant for the AddressSanitizer + UBSan build). At the
# end the program must still run, still answer a key, and the sanitizers must
# have reported nothing. Quit is never chosen: no Q, Escape or Ctrl key, no
# Quit entry, no close button.
#
#   monkey_test.sh /path/to/vornak [actions]
#   MONKEY_SEED=n repeats a run; the seed is printed at the start.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
VORNAK=$1
ACTIONS=${2:-2000}

SEED=${MONKEY_SEED:-$(( $(date +%s) % 100000 ))}
echo "monkey seed: $SEED (repeat with MONKEY_SEED=$SEED)"

gui_begin
# No zenity in its PATH: saving, restoring and listing use the default names
# instead of opening a chooser that would wait for an answer.
gui_start env PATH=/nonexistent VORNAK_TRACE_MENUS=1 "$VORNAK"
gui_wait_window 120
gui_wait_output $'\nZ \t black view toggle(2D)' 120
# Seeded only now: the harness draws the X display number at random.
RANDOM=$SEED

# Keys that do something, keys that do nothing, with and without modifiers.
KEYS=(a b c d e g h j k l o r s t u v w x z A B C D G H J K L O R S T U V W X Z
      y f i m n p 1 2 space question numbersign
      alt+s alt+r alt+l alt+a
      F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 shift+F7 shift+F8
      Left Right Up Down Page_Up Page_Down Home End Insert
      shift+Left shift+Right shift+Up shift+Down shift+Page_Up shift+Page_Down
      alt+Left alt+Right alt+shift+Left alt+shift+Right)
# The window is 800 x 800; clicks land anywhere in it.
SIZE=800

# Menu leaves as index paths, the main menu's Quit (8) left out.
LEAVES=()
collect_leaves()
{
    local menu=$1 path=$2 i entry
    for ((i = 0; i < ${MENU_SIZE[$menu]}; i++)); do
        [ "$menu" = Main ] && [ "$i" = 8 ] && continue
        entry=${MENU_ENTRY[$menu:$i]}
        if [[ "$entry" == sub:* ]]; then
            collect_leaves "${entry#sub:}" "$path $i"
        else
            LEAVES+=("${path# } $i")
        fi
    done
}
collect_leaves Main ""
LEAVES=("${LEAVES[@]/# /}")

# A dialog of the program's own (the promotion question, the question
# before a game with unsaved moves is given up) waits for an
# answer: give it Return and put the focus back.
answer_dialogs()
{
    local w
    for w in $(timeout 5 xwininfo -root -children 2>/dev/null |
        awk '/^ *0x/ && !/"freeglut menu"/ && !/"Vornak/ && /[0-9]+x[0-9]+\+[0-9]+\+[0-9]+/ { print $1 }'); do
        timeout 5 xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
        [ "$w" = "$(printf '0x%x' "$GUI_WID")" ] && continue
        gui_log "answering window $w"
        timeout 5 xdotool windowfocus --sync "$w" key Return 2>/dev/null
        sleep 0.3
    done
    timeout 5 xdotool windowfocus --sync "$GUI_WID" 2>/dev/null
}

# A box may come up late, after the sweep that follows its key: the menu's
# right click then answers it first.
GUI_MENU_UNBLOCK=answer_dialogs

sanitizer_report()
{
    grep -E 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer|UNSTABLE' \
        "$GUI_TMP/stderr.txt" "$GUI_CONSOLE" 2>/dev/null | head -n 20
}

done_actions=0 keys=0 clicks=0 drags=0 menus=0
while [ "$done_actions" -lt "$ACTIONS" ]; do
    # A chunk of keys, clicks and drags in one xdotool call, or one menu
    # choice, one time in four (some two dozen choices a run).
    if [ $((RANDOM % 4)) -eq 0 ]; then
        leaf=${LEAVES[$((RANDOM % ${#LEAVES[@]}))]}
        # shellcheck disable=SC2086  # the path is a list of indices
        MENU_AT_X=$((10 + RANDOM % 300)) MENU_AT_Y=$((10 + RANDOM % 300)) gui_menu $leaf
        menus=$((menus + 1))
        done_actions=$((done_actions + 1))
    else
        args=()
        for ((n = 0; n < 20; n++)); do
            r=$((RANDOM % 100))
            if [ "$r" -lt 65 ]; then
                key=${KEYS[$((RANDOM % ${#KEYS[@]}))]}
                # The verbose evaluation floods the console: on and off again.
                [ "$key" = e ] && key="e e"
                # shellcheck disable=SC2206
                args+=(key --delay 10 $key)
                keys=$((keys + 1))
            elif [ "$r" -lt 90 ]; then
                button=1
                [ $((RANDOM % 15)) -eq 0 ] && button=2
                args+=(mousemove --window "$GUI_WID" $((RANDOM % SIZE)) $((RANDOM % SIZE)))
                if [ $((RANDOM % 6)) -eq 0 ]; then
                    args+=(keydown shift click "$button" keyup shift)
                else
                    args+=(click "$button")
                fi
                clicks=$((clicks + 1))
            else
                args+=(mousemove --window "$GUI_WID" $((RANDOM % SIZE)) $((RANDOM % SIZE)) mousedown 1
                       mousemove --window "$GUI_WID" $((RANDOM % SIZE)) $((RANDOM % SIZE)) mouseup 1)
                drags=$((drags + 1))
            fi
            done_actions=$((done_actions + 1))
        done
        timeout 120 xdotool "${args[@]}" >/dev/null 2>&1 || gui_log "xdotool chunk failed at action $done_actions"
    fi
    if ! gui_alive "$PROG_PID"; then
        sanitizer_report >&2
        gui_fail "the program ended after $done_actions actions (seed $SEED)"
    fi
    report=$(sanitizer_report)
    [ -z "$report" ] || gui_fail "after $done_actions actions (seed $SEED): $report"
    answer_dialogs
done
echo "monkey: $keys keys, $clicks clicks, $drags drags, $menus menu choices"

# Still answering: G prints the view.
before=$(gui_console | grep -c '^W xang=')
gui_key g
for i in $(seq 600); do
    [ "$(gui_console | grep -c '^W xang=')" -gt "$before" ] && break
    sleep 0.1
done
[ "$(gui_console | grep -c '^W xang=')" -gt "$before" ] || gui_fail "the program no longer answers keys (seed $SEED)"
report=$(sanitizer_report)
[ -z "$report" ] || gui_fail "seed $SEED: $report"

gui_quit 120
report=$(sanitizer_report)
[ -z "$report" ] || gui_fail "at exit (seed $SEED): $report"
gui_end
