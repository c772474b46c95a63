#!/bin/bash
# Both engines inside Debian's xboard on a private X server: two games of
# vornak-xboard against vornak-uci (through polyglot, xboard's UCI adapter),
# colours alternating, eight seconds for every twenty moves (the clock and the
# moves to go both count). xboard joins each engine's error stream to its
# output; the games must end on the board (mate or a
# draw xboard accepts), never by a forfeit, an illegal move or the clock, and
# every line vornak-xboard sent must be a protocol line or a comment.
# Skipped (77) where xboard, polyglot or Xvfb is missing.
# Usage: xboard_gui_test.sh BUILD_DIR
set -u
BIN=$(cd "${1:?usage: xboard_gui_test.sh BUILD_DIR}" && pwd)
PATH=$PATH:/usr/games
for tool in xboard polyglot Xvfb; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
xvfb_pid=
xboard_pid=
cleanup() {
    [ -n "$xboard_pid" ] && kill "$xboard_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    [ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -1 "$work/display")

cd "$work"
xboard -fcp "$BIN/vornak-xboard" -scp "$BIN/vornak-uci" -sUCI -mm -mg 2 -mps 20 -tc 0:08 \
    -autoCallFlag true -xexit -debugMode true -nameOfDebugFile "$work/xboard.debug" -sgf "$work/games.pgn" \
    >"$work/xboard.out" 2>&1 &
xboard_pid=$!
for _ in $(seq 540); do kill -0 "$xboard_pid" 2>/dev/null || break; sleep 1; done
if kill -0 "$xboard_pid" 2>/dev/null; then
    echo "FAIL: the match did not end within 540 seconds"
    exit 1
fi
wait "$xboard_pid"
xboard_pid=

failures=0
fail() {
    echo "FAIL $1"
    [ $# -gt 1 ] && sed 's/^/    /' <<<"$2"
    failures=$((failures + 1))
}
games=$(grep -c '^\[Result "' "$work/games.pgn" 2>/dev/null)
ends=$(grep -oE '\{[^}]*\} *(1-0|0-1|1/2-1/2|\*)$' "$work/games.pgn" 2>/dev/null)
if [ "${games:-0}" -ne 2 ] || grep -q '^\[Result "\*"\]' "$work/games.pgn"; then
    fail "two finished games" "$(cat "$work/games.pgn" "$work/xboard.out" 2>/dev/null)"
elif grep -Eiq 'forfeit|illegal|invalid|time|disconnect|crash|resign' <<<"$ends"; then
    fail "games ended on the board" "$ends"
else
    echo "ok   two games ended on the board: $(tr '\n' ' ' <<<"$ends")"
fi
stray=$(grep -E '^[0-9]+ <first : ' "$work/xboard.debug" | sed -E 's/^[0-9]+ <first : //' |
    grep -Ev '^(feature |pong [0-9]+$|move [a-h][1-8][a-h][1-8][qrbn]?$|(1-0|0-1|1/2-1/2) \{|# |$)')
[ -z "$stray" ] && echo "ok   vornak-xboard sent only protocol lines" || fail "stray lines from vornak-xboard" "$stray"
grep -Eq '<second *: move ' "$work/xboard.debug" &&
    echo "ok   vornak-uci played through polyglot" || fail "no move from vornak-uci"
[ "$failures" -eq 0 ] || exit 1
echo "all passed"
