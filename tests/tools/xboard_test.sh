#!/bin/bash
# vornak-xboard over the protocol: feature answers, a clean standard output,
# refusals, results announced for either side, moves the engine finds and
# the time it takes, take-backs, and positions it refuses.
# Usage: xboard_test.sh path/to/vornak-xboard
set -u
ENGINE=${1:?usage: xboard_test.sh path/to/vornak-xboard}
failures=0

# The engine stops a search when a later command ends the game.
source "$(dirname "$0")/engine_lib.sh"

refute() {  # refute NAME OUTPUT REGEX
    if grep -Eq -- "$3" <<<"$2"; then
        echo "FAIL $1: unexpected /$3/ in:"
        sed 's/^/    /' <<<"$2"
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}

# 1. The handshake, and nothing but protocol lines on the standard output:
# the core's own prints (moves listed) are comment lines.
out=$(run xboard "protover 2" new force "usermove e2e4" "usermove e7e5" "ping 7" quit)
expect handshake "$out" '^feature done=0$' '^feature .*myname="Vornak"' 'setboard=1' 'usermove=1' 'san=0' \
    'sigint=0' 'sigterm=0' '^feature done=1$' '^pong 7$'
other=$(grep -Ev '^(feature|pong|# )' <<<"$out")
if [ -n "$other" ]; then
    echo "FAIL clean-output: stray lines: $other"
    failures=$((failures + 1))
fi

# 2. Refusals: an illegal move, a move after the game ended, the other
# game's position, nonsense.
out=$(run new force "usermove e2e5" "usermove e7e5" "usermove e1e2" "usermove zz" \
    "setboard 3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb" \
    "setboard 8/8/8 w - - 0 1" "frobnicate" quit)
expect refusals "$out" '^Illegal move: e2e5$' '^Illegal move: e7e5$' '^Illegal move: e1e2$' '^Illegal move: zz$' \
    '^tellusererror Illegal position: .*plain' '^tellusererror Illegal position' '^Error \(unknown command\): frobnicate$'

# 3. Results announced after the user's move: mate by either side,
# stalemate, threefold repetition, and the game refuses more moves.
out=$(run new force "usermove f2f3" "usermove e7e5" "usermove g2g4" "usermove d8h4" "usermove a2a3" quit)
expect black-mates "$out" '^0-1 \{Black mates\}$' '^Illegal move.*a2a3'
out=$(run new force "setboard 8/P7/8/8/8/8/8/k1K5 w - - 0 1" "usermove a7a8q" quit)
expect promotion-mates "$out" '^1-0 \{White mates\}$'
out=$(run new force "setboard 8/P7/8/8/8/8/8/k1K5 w - - 0 1" "usermove a7a8n" quit)
refute knight-promotion-no-result "$out" '^(1-0|0-1|1/2-1/2)'
out=$(run new force "setboard 7k/8/5QK1/8/8/8/8/8 w - - 0 1" "usermove f6f7" quit)
expect stalemate "$out" '^1/2-1/2 \{Stalemate\}$'
out=$(run new force g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8 quit)
expect repetition "$out" '^1/2-1/2 \{Draw by repetition\}$'
out=$(run new force "setboard 7k/8/8/8/8/8/8/K6R w - - 99 80" "usermove h1h2" quit)
expect fifty-moves "$out" '^1/2-1/2 \{Draw by fifty move rule\}$'

# 4. The engine's own moves: it mates in one, answers as Black after a user
# move, and announces the result of its move.
out=$(run new force "setboard k7/8/1K6/8/8/8/8/7R w - - 0 1" "st 1" go "sleep 3" quit)
expect engine-mates "$out" '^move h1h8$' '^1-0 \{White mates\}$'
out=$(run new "st 1" "usermove e2e4" "sleep 3" quit)
expect engine-answers "$out" '^move [a-h][78][a-h][56]$'
out=$(run new force "setboard 4k3/1P6/8/8/8/8/8/4K3 w - - 0 1" "st 1" go "sleep 3" quit)
expect engine-promotes "$out" '^move b7b8q$'

# Milliseconds from the answer "pong 1" (sent before the go, so the
# engine's start-up is not counted) to the first line matching $1, echoed
# with that line; the commands come from the standard input.
timed() {
    { t0=0; timeout 60 "$ENGINE" 2>/dev/null | while IFS= read -r l; do
        if [ "$l" = "pong 1" ]; then t0=$(date +%s%N); fi
        if [[ "$l" =~ $1 ]]; then echo "$l $(( ($(date +%s%N) - t0) / 1000000 ))"; fi
    done; }
}

# 5. Within the time given: with st 2 the move arrives within 2.5 seconds.
got=$( { printf 'new\nforce\nst 2\nusermove e2e4\nping 1\ngo\n'; sleep 5; printf 'quit\n'; } | timed '^move ')
if [[ "$got" =~ ^move\ [a-h][1-8][a-h][1-8]\ ([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -le 2500 ]; then
    echo "ok   time-limit ($got ms for st 2)"
else
    echo "FAIL time-limit: got '$got' for st 2"
    failures=$((failures + 1))
fi

# 6. "?" makes it move at once, and a command that ends the game stops the
# search without a move.
got=$( { printf 'new\nforce\nst 30\nusermove e2e4\nping 1\ngo\n'; sleep 3; printf '?\n'; sleep 3; \
    printf 'quit\n'; } | timed '^move ')
if [[ "$got" =~ ^move\ [a-h][1-8][a-h][1-8]\ ([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -lt 5000 ]; then
    echo "ok   move-now ($got ms)"
else
    echo "FAIL move-now: got '$got'"
    failures=$((failures + 1))
fi
out=$(run new "st 30" "usermove e2e4" "sleep 1" force "ping 4" quit)
expect force-stops "$out" '^pong 4$'
refute force-discards-move "$out" '^move '

# 7. Take-backs replay the game: the moves are legal again, and the
# repetition is counted on the game as it now stands.
out=$(run new force "usermove e2e4" undo "usermove e2e4" "usermove e7e5" remove "usermove d2d4" "usermove d7d5" \
    g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 undo undo "ping 5" g1f3 g8f6 "ping 6" f3g1 f6g8 quit)
refute undo-legal "$out" '^Illegal move'
expect undo-replays "$out" '^pong 6$' '^1/2-1/2 \{Draw by repetition\}$'
if ! grep -Eq -- '^pong 6$' <<<"$(sed -n '/^1\/2-1\/2/q;p' <<<"$out")"; then
    echo "FAIL undo-replays: the draw came before the third repetition"
    failures=$((failures + 1))
fi

# 8. With the standard error joined to the standard output, as xboard runs
# its engines, every line is a protocol line or a "#" comment, through a
# whole game's worth of commands: the engine's moves, the user's, refusals,
# take-backs, positions set up, a result. With --quiet no comment either.
protocol='^(feature [a-z]|pong [0-9]+$|move [a-h][1-8][a-h][1-8][qrbn]?$|Illegal move|Error \(|tellusererror |(1-0|0-1|1/2-1/2) \{[A-Za-z ]+\}$|# [^#])'
session=(xboard "protover 2" new "st 1" "usermove e2e4" "sleep 2" "usermove d2d4" "sleep 2" "usermove e2e5" undo
    remove "ping 1" go "sleep 2" force "usermove zz" "setboard 8/P7/8/8/8/8/8/k1K5 w - - 0 1" "usermove a7a8q"
    new "setboard k7/8/1K6/8/8/8/8/7R w - - 0 1" go "sleep 2" "ping 2" quit)
for mode in comments quiet; do
    flag=()
    [ "$mode" = quiet ] && flag=(--quiet)
    joined=$(for line in "${session[@]}"; do
        case "$line" in
            sleep\ *) sleep "${line#sleep }" ;;
            *) printf '%s\n' "$line" ;;
        esac
    done | timeout 60 "$ENGINE" "${flag[@]}" 2>&1)
    stray=$(grep -Ev -- "$protocol" <<<"$joined")
    moves=$(grep -c '^move ' <<<"$joined")
    if [ -n "$stray" ] || [ "$moves" -lt 3 ] || ! grep -q '^pong 2$' <<<"$joined" ||
        ! grep -q '^1-0 {White mates}$' <<<"$joined"; then
        echo "FAIL joined-streams-$mode: stray lines or missing answers in:"
        sed 's/^/    /' <<<"$joined"
        failures=$((failures + 1))
    elif [ "$mode" = quiet ] && grep -q '^#' <<<"$joined"; then
        echo "FAIL joined-streams-quiet: comment lines with --quiet"
        failures=$((failures + 1))
    elif [ "$mode" = comments ] && ! grep -q '^# 1\. e4$' <<<"$joined"; then
        echo "FAIL joined-streams-comments: the move log is not carried as comments:"
        sed 's/^/    /' <<<"$joined"
        failures=$((failures + 1))
    else
        echo "ok   joined-streams-$mode"
    fi
done

# 9. Pondering ("hard"), in conversation with the engine as Black: after
# its move it names the reply it thinks on. That reply is answered from the
# ponder; any other reply, and any command, meets the game as it stands
# (a White move is only legal once the guessed White move is taken back).
coproc ENG { timeout 60 "$ENGINE" 2>/dev/null; }
say() { printf '%s\n' "$@" >&"${ENG[1]}"; }
await() {  # await REGEX: the first line matching within 10 s, into $got
    got=""
    local l
    while IFS= read -r -t 10 l <&"${ENG[0]}"; do
        if [[ "$l" =~ $1 ]]; then
            got=$l
            return 0
        fi
    done
    return 1
}
game=(e2e4)
ponder_step() {  # ponder_step NAME REPLY-COMMANDS...: after the engine's move and its guess
    local name=$1
    shift
    if ! await '^move ' || ! game+=("${got#move }") || ! await '^# pondering on '; then
        fail "$name: no move and guess (game ${game[*]})"
        return 1
    fi
    guess=${got##* }
}
say xboard "protover 2" new hard "level 0 0:10 0.1" "usermove e2e4"
if ponder_step ponder-hit; then
    sleep 1
    say "time 900" "otim 900" "usermove $guess"
    game+=("$guess")
    if await '^# ponder hit' && ponder_step ponder-hit; then
        echo "ok   ponder-hit"
        other=a2a3
        [ "$guess" = a2a3 ] && other=h2h3
        say "usermove $other"
        game+=("$other")
        if await '^(move |Illegal)' && [[ "$got" =~ ^move ]]; then
            game+=("${got#move }")
            echo "ok   ponder-miss"
            await '^# pondering on '
            for quiet in b2b3 g2g3 h2h4; do  # a White pawn not moved yet
                [[ " ${game[*]}" == *" ${quiet:0:2}"* ]] || break
            done
            say force "usermove $quiet" "ping 11"
            game+=("$quiet")
            if await '^(pong 11|Illegal)' && [ "$got" = "pong 11" ]; then
                echo "ok   ponder-force"
            else
                fail "ponder-force: White's move refused after force ($got)"
            fi
        else
            fail "ponder-miss: $got"
        fi
    fi
fi
say quit
wait "$ENG_PID" 2>/dev/null
# Every move the conversation made is legal in a game replayed from the start.
out=$(run new force "${game[@]/#/usermove }" quit)
refute ponder-game-legal "$out" '^Illegal'

# A take-back during the ponder, "easy", and a ping that must not wait.
out=$(run new hard "st 1" "usermove e2e4" "sleep 2" remove "usermove d2d4" "sleep 2" easy "usermove g1f3" \
    "sleep 2" "ping 12" quit)
refute ponder-remove "$out" '^Illegal'
expect ponder-remove-answers "$out" '^pong 12$'
after_easy=$(sed -n '/^move /h; /^move /!H; ${x;p}' <<<"$out")  # from the last move on
if ! grep -q '^# pondering on ' <<<"$out" || [ "$(grep -c '^move ' <<<"$out")" -ne 3 ] ||
    grep -q '^# pondering on ' <<<"$after_easy"; then
    fail "ponder-easy: three moves, pondering after the first two only" "$out"
else
    echo "ok   ponder-easy"
fi
got=$( { printf 'new\nhard\nst 1\nusermove e2e4\n'; sleep 2; printf 'ping 1\n'; sleep 2; printf 'quit\n'; } |
    timed '^pong 1')
if [[ "$got" =~ ^pong\ 1\ ([0-9]+)$ ]]; then
    echo "ok   ponder-ping"
else
    fail "ponder-ping: no pong while pondering ($got)"
fi

# 10. A game clock the front end never tells ("level" but no "time"): the
# engine keeps its own, so 120 moves (each a middlegame set up and "go";
# "setboard" leaves the clock) take the game's four seconds beyond what
# they cost when each is told 20 ms are left (this build's least a move).
moves_ms() {  # moves_ms CLOCK-SETTING PER-MOVE-COMMAND: 120 moves' milliseconds into $ms
    coproc ENG { timeout 120 "$ENGINE" 2>/dev/null; }
    say new force "$1"
    local t0 i
    t0=$(date +%s%N)
    moves=0
    for i in $(seq 120); do
        say "setboard r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - - 0 10" $2 go
        await '^move ' && moves=$((moves + 1))
    done
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    say quit
    wait "$ENG_PID" 2>/dev/null
}
moves_ms "level 0 0:04 0" "time 2"
least=$ms
moves_ms "level 0 0:04 0" ""
if [ "$moves" -eq 120 ] && [ $((ms - least)) -le 4400 ]; then
    echo "ok   own-clock ($ms ms for 120 moves on a 4 s clock, $least ms at 20 ms each)"
else
    fail "own-clock: $moves moves in $ms ms on a 4 s clock ($least ms at 20 ms each)"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
