#!/bin/bash
# vornak-uci over the protocol: the handshake, positions and moves, each kind
# of go, stop and isready while it thinks, the table size, refusals, and
# nothing but protocol lines on the joined output streams.
# Usage: uci_test.sh path/to/vornak-uci
set -u
ENGINE=${1:?usage: uci_test.sh path/to/vornak-uci}
failures=0

JOIN_STDERR=1
source "$(dirname "$0")/engine_lib.sh"

protocol='^(id (name|author) |option name |uciok$|readyok$|bestmove ([a-h][1-8][a-h][1-8][qrbn]?( ponder [a-h][1-8][a-h][1-8][qrbn]?)?|0000)$|info )'
clean() {  # clean NAME OUTPUT: every line a UCI line
    local stray
    stray=$(grep -Ev -- "$protocol" <<<"$2")
    if [ -n "$stray" ]; then
        fail "$1: stray lines:" "$stray"
    fi
}

# 1. The handshake and the table size.
out=$(run uci isready "setoption name Hash value 8" "setoption name Hash value 0" "setoption name Bogus value 1" \
    isready quit)
expect handshake "$out" '^id name Vornak$' '^option name Hash type spin default [0-9]+ min 1 max [0-9]+$' \
    '^uciok$' '^readyok$' '^info string Hash wants' '^info string unknown option Bogus$'
clean handshake "$out"

# 2. A position with moves and a search to a fixed depth: one info line per
# depth with every field, and a legal answer for Black.
out=$(run uci ucinewgame "position startpos moves e2e4 e7e5 g1f3" "go depth 4" "sleep 3" quit)
expect depth-search "$out" '^info depth [12] seldepth [0-9]+ score cp -?[0-9]+ nodes [0-9]+ nps [0-9]+ time [0-9]+ pv [a-h][1-8][a-h][1-8]' \
    '^info depth 4 ' '^bestmove [a-h][1-8][a-h][1-8]$'
if grep -q '^info depth 5 ' <<<"$out"; then fail "depth-limit: searched past depth 4" "$out"; fi
clean depth-search "$out"
bm=$(grep '^bestmove' <<<"$out" | cut -d' ' -f2)
if [[ ! "$bm" =~ ^[a-h][1-8][a-h][56]$|^[b-g]8[a-h]6$|^e8e7$|^d8[e-h][4-7]$|^f8[a-e][3-7]$ ]]; then
    fail "depth-search: $bm is not a move of Black's" "$out"
fi

# 3. Mates are scored as mates, for either side, and found.
out=$(run "position fen k7/8/1K6/8/8/8/8/7R w - - 0 1" "go movetime 1000" "sleep 2" quit)
expect white-mates "$out" '^info .*score mate 1 ' '^bestmove h1h8$'
out=$(run "position fen 7r/8/8/8/8/1k6/8/K7 b - - 0 1" "go movetime 1000" "sleep 2" quit)
expect black-mates "$out" '^info .*score mate 1 ' '^bestmove h8h1$'
out=$(run "position startpos moves f2f3 e7e5 g2g4 d8h4" "go depth 3" "sleep 1" quit)
expect mated "$out" '^bestmove 0000$'
out=$(run "position fen 4k3/1P6/8/8/8/8/8/4K3 w - - 0 1" "go movetime 1000" "sleep 2" quit)
expect promotes "$out" '^bestmove b7b8q$'

# 4. go infinite waits for stop, answering isready meanwhile; stop brings the
# move at once; quit during a search ends the engine.
out=$(run "position startpos" "go infinite" "sleep 2" isready "sleep 1" stop "sleep 1" quit)
expect infinite "$out" '^readyok$' '^bestmove [a-h][1-8][a-h][1-8]$'
if [ "$(grep -nE '^(readyok|bestmove)' <<<"$out" | head -1 | cut -d: -f2 | cut -c1-8)" != "readyok" ]; then
    fail "infinite: the move came before stop" "$out"
fi
start=$(date +%s%N)
out=$(run "position startpos" "go infinite" "sleep 1" quit)
ms=$((($(date +%s%N) - start) / 1000000))
if [ "$ms" -gt 5000 ]; then fail "quit-while-thinking: took $ms ms" "$out"; else echo "ok   quit-while-thinking"; fi

# Milliseconds from "readyok" to the first line matching $1, with that line.
timed() {
    { t0=0; timeout 60 "$ENGINE" 2>&1 | while IFS= read -r l; do
        if [ "$l" = "readyok" ]; then t0=$(date +%s%N); fi
        if [[ "$l" =~ $1 ]]; then echo "$l $((($(date +%s%N) - t0) / 1000000))"; fi
    done; }
}

# 5. The clock: movetime is kept, a short clock is not overrun, nodes and
# stop end the search early.
check_time() {  # NAME LIMIT_MS COMMANDS
    local got
    got=$( { printf 'position startpos moves d2d4\nisready\n%s\n' "$3"; sleep 4; printf 'quit\n'; } | timed '^bestmove ')
    if [[ "$got" =~ ^bestmove\ [a-h][1-8][a-h][1-8]\ ([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -le "$2" ]; then
        echo "ok   $1 ($got ms)"
    else
        fail "$1: got '$got', wanted within $2 ms" ""
    fi
}
check_time movetime 1400 "go movetime 1000"
check_time clock 900 "go wtime 1500 btime 1500 winc 0 binc 0"
check_time movestogo 1400 "go wtime 60000 btime 3000 movestogo 3"
check_time nodes 2000 "go nodes 2000"
# The engine's readyok and bestmove lines on one line, each bestmove with
# the milliseconds since the readyok before it; the commands come from the
# standard input.
since_ready() {
    timeout 60 "$ENGINE" 2>&1 | while IFS= read -r l; do
        case "$l" in
        readyok) t0=$(date +%s%N); echo readyok ;;
        bestmove*) echo "$l $((($(date +%s%N) - t0) / 1000000))" ;;
        esac
    done | tr '\n' ' '
}
# The isready just before stop is answered while the search runs: the move
# comes after that answer (not before the stop) and soon after it, however
# long the engine took to start.
got=$( { printf 'position startpos\nisready\ngo infinite\n'; sleep 1; printf 'isready\nstop\n'; sleep 3; printf 'quit\n'; } |
    since_ready)
if [[ "$got" =~ ^readyok\ readyok\ bestmove\ [a-h][1-8][a-h][1-8]\ ([0-9]+)\ $ ]] && [ "${BASH_REMATCH[1]}" -le 1000 ]; then
    echo "ok   stop ($got)"
else
    fail "stop: got '$got', wanted the move after the second readyok and within 1000 ms of it" ""
fi
out=$(run "position startpos" "go nodes 3000" "sleep 2" quit)
last=$(grep '^info depth' <<<"$out" | tail -1 | sed -E 's/.* nodes ([0-9]+) .*/\1/')
if [ -z "$last" ] || [ "$last" -gt 30000 ]; then fail "node-limit: last iteration counted '$last' nodes" "$out"; else echo "ok   node-limit"; fi

# 5b. Pondering. With the Ponder option the move names the reply expected,
# and that reply is legal; "go ponder" keeps its move until "ponderhit" (the
# move then comes within the clock's share) or "stop".
out=$(run uci "setoption name Ponder value true" "position startpos moves e2e4" "go depth 5" "sleep 2" quit)
expect ponder-option "$out" '^option name Ponder type check default false$' \
    '^bestmove [a-h][1-8][a-h][1-8] ponder [a-h][1-8][a-h][1-8]$'
clean ponder-option "$out"
read -r _ move _ reply <<<"$(grep '^bestmove' <<<"$out")"
out=$(run "position startpos moves e2e4 $move $reply" "go depth 1" "sleep 1" quit)
if grep -q 'illegal' <<<"$out"; then fail "ponder-legal: $move $reply" "$out"; else echo "ok   ponder-legal"; fi
got=$( { printf 'setoption name Ponder value true\nposition startpos moves e2e4 e7e5 g1f3\n'
         printf 'go ponder wtime 10000 btime 10000 winc 100 binc 100\n'; sleep 2; printf 'isready\nponderhit\n'
         sleep 3; printf 'quit\n'; } | since_ready)
if [[ "$got" =~ ^readyok\ bestmove\ [a-h][1-8][a-h][1-8]\ ponder\ [a-h][1-8][a-h][1-8]\ ([0-9]+)\ $ ]] &&
    [ "${BASH_REMATCH[1]}" -le 1000 ]; then
    echo "ok   ponderhit ($got)"
else
    fail "ponderhit: got '$got', wanted the move only after the ponderhit and soon after it" ""
fi
out=$(run "position startpos moves e2e4" "go ponder wtime 1000 btime 1000" "sleep 2" isready stop "sleep 1" quit)
expect ponder-stop "$out" '^readyok$' '^bestmove [a-h][1-8][a-h][1-8]$'
if [ "$(grep -nE '^(readyok|bestmove)' <<<"$out" | head -1 | cut -d: -f2 | cut -c1-8)" != "readyok" ]; then
    fail "ponder-stop: the move came before stop, though the clock's share had passed" "$out"
fi

# 6. Refusals: an illegal move stops the list, a position of the other game
# or nonsense is refused and the start position stands.
out=$(run "position startpos moves e2e4 e2e4 d7d5" "go depth 2" "sleep 1" \
    "position fen 8/8/8 w - - 0 1" "position fen 3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb" \
    "position sideways" frobnicate quit)
expect refusals "$out" '^info string illegal move e2e4' '^bestmove [a-h][78][a-h][56]$' \
    '^info string illegal position' '^info string position wants startpos or fen$' '^info string unknown command frobnicate$'
clean refusals "$out"

# 7. With --quiet the console lines are gone; the moves of a position are
# never logged; a whole short game played by the engine against itself
# leaves only protocol lines.
moves=""
game=""
for ply in 1 2 3 4 5 6; do
    out=$(run "position startpos${moves:+ moves$moves}" "go movetime 200" "sleep 1" quit)
    bm=$(grep '^bestmove' <<<"$out" | cut -d' ' -f2)
    [[ "$bm" =~ ^[a-h][1-8][a-h][1-8][qrbn]?$ ]] || { fail "self-play: ply $ply gave '$bm'" "$out"; break; }
    moves="$moves $bm"
    game="$game$out"$'\n'
done
clean self-play "$game"
if grep -Eq '^info string [0-9]+\.' <<<"$game"; then fail "self-play: the moves replayed were logged" "$game"; else echo "ok   self-play ($moves)"; fi
out=$(printf 'position startpos\ngo depth 3\n' | timeout 30 "$ENGINE" --quiet 2>&1)
clean quiet "$out"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
