#!/bin/bash
# The command-line tools: refusals of bad arguments (with a message and a
# non-zero exit, never a crash or a number read as 0), usage on --help, only
# results on the standard output, positions without a legal move, and the
# shortest mate answered in both games.
# Usage: cli_test.sh BUILD_DIR
set -u
BIN=${1:?usage: cli_test.sh BUILD_DIR}
PERFT=$BIN/vornak-perft
ANALYSE=$BIN/vornak-analyse
failures=0
START2D='rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'

fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# expect_refusal NAME COMMAND...: exit 2, a message on stderr, nothing on stdout.
expect_refusal() {
    local name=$1 out err rc
    shift
    err=$(mktemp)
    out=$(timeout 20 "$@" 2>"$err")
    rc=$?
    if [ "$rc" -ne 2 ] || [ -n "$out" ] || [ ! -s "$err" ]; then
        fail "$name: exit $rc, stdout '$out', stderr '$(cat "$err")'"
    else
        echo "ok   $name: $(head -1 "$err")"
    fi
    rm -f "$err"
}

expect_refusal perft-huge-depth "$PERFT" "$START2D" 1000
expect_refusal perft-word-depth "$PERFT" "$START2D" two
expect_refusal perft-negative-depth "$PERFT" "$START2D" -1
expect_refusal perft-unknown-option "$PERFT" --fast "$START2D" 1
expect_refusal perft-bad-rules "$PERFT" --rules chess "$START2D" 1
expect_refusal perft-bad-max-nodes "$PERFT" --epd /dev/null --max-nodes lots
expect_refusal perft-missing-value "$PERFT" --epd
expect_refusal analyse-word-time "$ANALYSE" --time soon "$START2D"
expect_refusal analyse-word-movetime "$ANALYSE" --movetime 0.5 "$START2D"
expect_refusal analyse-zero-depth "$ANALYSE" --depth 0 "$START2D"
expect_refusal analyse-huge-depth "$ANALYSE" --depth 100000 "$START2D"
expect_refusal analyse-unknown-option "$ANALYSE" -x "$START2D"
expect_refusal analyse-bad-position "$ANALYSE" 'not a position'
expect_refusal analyse-epd-missing-value "$ANALYSE" --epd
expect_refusal xboard-unknown-option "$BIN/vornak-xboard" --loud
expect_refusal uci-unknown-option "$BIN/vornak-uci" --loud
expect_refusal savefile-unknown-command "$BIN/vornak-savefile" export x.sav
expect_refusal savefile-import-bad-game "$BIN/vornak-savefile" import in.pgn out.sav --game none

for tool in "$PERFT" "$ANALYSE" "$BIN/vornak-xboard" "$BIN/vornak-uci" "$BIN/vornak-savefile"; do
    out=$("$tool" --help 2>/dev/null)
    if [ $? -eq 0 ] && grep -q '^usage:' <<<"$out"; then echo "ok   $(basename "$tool") --help"; else fail "$tool --help: $out"; fi
done

# A perft answer is one line: the count.
out=$("$PERFT" "$START2D" 3 2>/dev/null)
[ "$out" = 8902 ] && echo "ok   perft-clean-output" || fail "perft output: '$out'"

out=$("$ANALYSE" '7k/6Q1/6K1/8/8/8/8/8 b - - 0 1' 2>/dev/null)
[ "$out" = "no legal move: checkmate" ] && echo "ok   analyse-checkmated" || fail "checkmated: '$out'"
out=$("$ANALYSE" 'k7/8/1Q6/8/8/8/8/K7 b - - 0 1' 2>/dev/null)
[ "$out" = "no legal move: stalemate" ] && echo "ok   analyse-stalemated" || fail "stalemated: '$out'"

# A move time in milliseconds is kept to (the search reports its last
# iteration within it), not rounded to whole seconds.
start_ns=$(date +%s%N)
out=$("$ANALYSE" --movetime 400 "$START2D" 2>/dev/null)
elapsed_ms=$((($(date +%s%N) - start_ns) / 1000000))
if grep -Eq '^bestmove [a-h][1-8][a-h][1-8]$' <<<"$out" && [ "$elapsed_ms" -lt 2500 ]; then
    echo "ok   analyse-movetime ($elapsed_ms ms)"
else
    fail "movetime 400: $elapsed_ms ms, $out"
fi

# Depth 1 answers a move; the shortest mates, with their distances.
out=$("$ANALYSE" --depth 1 "$START2D" 2>/dev/null)
grep -Eq '^bestmove [a-h][1-8][a-h][1-8]$' <<<"$out" && echo "ok   analyse-depth-1" || fail "depth 1: $out"
out=$("$ANALYSE" --time 5 'rkr2Q2/7p/p1pp4/2p1p1pn/3P3q/7B/P2NPP2/R3K3 w - - 0 28' 2>/dev/null)
grep -q '^bestmove f8c8$' <<<"$out" && grep -q 'score Mate02' <<<"$out" && echo "ok   analyse-plain-mate-in-2" ||
    fail "plain mate in 2: $out"
out=$("$ANALYSE" --time 5 '3d ....B.../.p.....b/Kb....../RP....pk/Np....p./......../......PQ/......r. b - - 1 35 KL3,QL5,KL1,KL6 bbwb' 2>/dev/null)
grep -q '^bestmove QLB:QL5-QL3$' <<<"$out" && grep -q 'score Mate01' <<<"$out" && echo "ok   analyse-board-move-mate" ||
    fail "board move mate: $out"
if grep -q HashTableInit <<<"$out"; then fail "start-up line on stdout"; fi

# vornak-play keeps a game for a referee: the position reached, its status
# and legal moves; an illegal move is named and refused.
PLAY=$BIN/vornak-play
START3D='3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb'
out=$("$PLAY" "$START2D" e2e4 e7e5 2>/dev/null)
grep -q '^position rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2$' <<<"$out" &&
    grep -q '^status playing$' <<<"$out" && [ "$(grep '^moves' <<<"$out" | wc -w)" -eq 30 ] &&
    echo "ok   play-plain" || fail "play plain: $out"
out=$("$PLAY" "$START3D" E1F3 2>/dev/null)
grep -q '^position 3d RP....pr/QP....pq/KP....pk/RP....pr/.P....pn/BPN...pb/BP....pb/NP....pn b ' <<<"$out" &&
    echo "ok   play-tri" || fail "play tri: $out"
out=$("$PLAY" '7k/8/6QK/8/8/8/8/8 b - - 0 1' 2>/dev/null)
grep -q '^status stalemate$' <<<"$out" && echo "ok   play-stalemate" || fail "play stalemate: $out"
out=$("$PLAY" '7k/8/6QK/8/8/8/8/8 w - - 0 1' g6g7 2>/dev/null)
grep -q '^status checkmate$' <<<"$out" && echo "ok   play-checkmate" || fail "play checkmate: $out"
err=$("$PLAY" "$START2D" e2e4 e2e4 2>&1 >/dev/null)
rc=$?
[ "$rc" -eq 1 ] && grep -q 'illegal move 2: e2e4' <<<"$err" && echo "ok   play-illegal" || fail "play illegal: $rc $err"
expect_refusal play-bad-position "$PLAY" 'not a position'

# vornak-tune: quiet positions only, each once, past the opening; a fit that
# reports its errors and rewrites a copy of the table.
TUNE=$BIN/vornak-tune
expect_refusal tune-no-mode "$TUNE"
expect_refusal tune-bad-mode "$TUNE" sort x
expect_refusal tune-bad-passes "$TUNE" fit --passes 0 x
expect_refusal tune-write-without-note "$TUNE" fit --write x y
T=$(mktemp -d)
QUIET='r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 12'
HANGING='rnb1kbnr/pppp1ppp/8/4p3/4P2q/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 12'
CHECK='rnb1kbnr/pppp1ppp/8/4p3/4P3/3P1N2/PPP2qPP/RNBQKB1R w KQkq - 0 12'
EARLY='r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3'
printf 'tdcl\t%s\t1\ntdcl\t%s\t1\ntdcl\t%s\t0\ntdcl\t%s\t0.5\ntdcl\t%s\t0\nnot a line\n' \
    "$QUIET" "$QUIET" "$HANGING" "$CHECK" "$EARLY" >"$T/games.txt"
out=$("$TUNE" extract "$T/games.txt" 2>/dev/null)
[ "$out" = "$(printf 'tdcl\t%s\t1' "$QUIET")" ] && echo "ok   tune-extract" || fail "tune extract: $out"
for i in $(seq 30); do echo "$out"; done >"$T/quiet.txt"
# An expected score between 0 and 1 stands for a result; anything else is
# not a sample.
printf 'tdcl\t%s\t0.8462\ntdcl\t%s\t1.5\ntdcl\t%s\t0.3x\ntdcl\t%s\t\n' "$QUIET" "$QUIET" "$QUIET" "$QUIET" >"$T/scored.txt"
out=$("$TUNE" extract "$T/scored.txt" 2>/dev/null)
[ "$out" = "$(printf 'tdcl\t%s\t0.8462' "$QUIET")" ] && echo "ok   tune-extract-expected" || fail "tune extract expected: $out"
# A PGN game's positions keep its own move counters.
printf '[Event "t"]\n[Result "1-0"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 1-0\n' >"$T/game.pgn"
out=$("$TUNE" extract --skip 0 "$T/game.pgn" 2>/dev/null)
grep -q 'PPPP1PPP/RNBQK2R b KQkq - 3 3'$'\t''1$' <<<"$out" && echo "ok   tune-extract-pgn" || fail "tune extract pgn: $out"
cp "$(dirname "$0")/../../src/eval/Coefficients.cpp" "$T/Coefficients.cpp"
out=$("$TUNE" fit --passes 1 --write "$T/Coefficients.cpp" --note "a test" "$T/quiet.txt" 2>/dev/null)
grep -q '^held-out error ' <<<"$out" && grep -q "^rewrote $T/Coefficients.cpp" <<<"$out" &&
    grep -q 'shipped\[NUM_COEFFICIENTS\]' "$T/Coefficients.cpp" && echo "ok   tune-fit" || fail "tune fit: $out"
# A fitted copy's weights come into another source, marked; the copy is
# refused when it holds no table.
cp "$(dirname "$0")/../../src/eval/Coefficients.cpp" "$T/Shipped.cpp"
out=$("$TUNE" rewrite --weights "$T/Coefficients.cpp" --note "another test" "$T/Shipped.cpp" 2>/dev/null)
# The same table as the fitted copy, under comments of its own.
if grep -q "tuned: another test" "$T/Shipped.cpp" &&
    [ "$(grep -v '^//' "$T/Shipped.cpp")" = "$(grep -v '^//' "$T/Coefficients.cpp")" ]; then
    echo "ok   tune-rewrite"
else
    fail "tune rewrite: $out"
fi
expect_refusal tune-rewrite-no-note "$TUNE" rewrite --weights "$T/Coefficients.cpp" "$T/Shipped.cpp"
echo 'int x;' >"$T/bad.cpp"
"$TUNE" rewrite --weights "$T/bad.cpp" --note x "$T/Shipped.cpp" >/dev/null 2>&1 && fail "tune rewrite took a file without a table" ||
    echo "ok   tune-rewrite-bad"

# Self-play: whole games, each position once per ply with the game's result.
"$TUNE" play --games 2 --nodes 300 --seed 5 >"$T/played.txt" 2>/dev/null
lines=$(wc -l <"$T/played.txt")
results=$(cut -f3 "$T/played.txt" | sort -u | tr '\n' ' ')
[ "$lines" -gt 10 ] && [ "$(cut -f1 "$T/played.txt" | sort -u | tr '\n' ' ')" = "tdcl tournament " ] &&
    grep -qE '^(0|0\.5|1) ?((0|0\.5|1) ?)?$' <<<"$results" && head -1 "$T/played.txt" | grep -q $'\t3d RP....pr/' &&
    echo "ok   tune-play" || fail "tune play: $lines lines, results $results, $(head -1 "$T/played.txt")"
"$TUNE" play --plain --games 1 --nodes 300 --rules tournament >"$T/plain.txt" 2>/dev/null
head -1 "$T/plain.txt" | grep -q "^tournament"$'\t'"$START2D"$'\t' && echo "ok   tune-play-plain" ||
    fail "tune play plain: $(head -1 "$T/plain.txt")"
expect_refusal tune-play-bad-nodes "$TUNE" play --nodes x
rm -rf "$T"

echo "$failures failed"
[ "$failures" -eq 0 ]
