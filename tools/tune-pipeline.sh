#!/bin/bash
# The whole tuning run, reproducible from a build: plays games for a while,
# extracts their quiet positions, fits the evaluation's derived weights to
# the results (for plain positions, Stockfish's judgement where it is
# installed) and rewrites src/eval/Coefficients.cpp in place, each changed
# block's comment saying on what and when. The games and positions stay in
# WORK (default tune-data/, not part of the repository).
#
#   tools/tune-pipeline.sh [BUILD_DIR [MINUTES [WORK]]]
#
# Three game sources run side by side for MINUTES (default 60): self-play
# in one process at 5000 nodes a move from random openings, tri-dimensional
# (8 plies, the rule sets alternating) and plain (6 plies), and, when
# Debian's fairymax is installed, plain games of vornak-xboard against it at
# 5 s + 0.05 s a game from the referee's openings. Rebuild and play a match
# (tools/match3d.py) before keeping what it writes.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
MINUTES=${2:-60}
WORK=${3:-$ROOT/tune-data}
mkdir -p "$WORK/bin"
# The engine that plays is a copy: rebuilding meanwhile changes nothing.
for t in vornak-analyse vornak-play vornak-xboard vornak-tune; do
    cp "$BUILD/$t" "$WORK/bin/"
done
B=$WORK/bin
export PATH=$PATH:/usr/games
rm -f "$WORK"/tri.txt "$WORK"/plain.txt "$WORK"/fairymax.pgn
pids=()
"$B/vornak-tune" play --games 10000000 --nodes 5000 --opening-plies 8 --seed "$RANDOM" \
    >"$WORK/tri.txt" 2>"$WORK/tri.log" & pids+=($!)
"$B/vornak-tune" play --plain --games 10000000 --nodes 5000 --opening-plies 6 --seed "$RANDOM" \
    >"$WORK/plain.txt" 2>"$WORK/plain.log" & pids+=($!)
if command -v fairymax >/dev/null; then
    python3 "$ROOT/tools/referee.py" --games 100000 --level "0 0:05 0.05" --max-plies 300 \
        --arbiter "$B/vornak-xboard" --pgn "$WORK/fairymax.pgn" \
        "$B/vornak-xboard" fairymax >"$WORK/fairymax.log" 2>&1 & pids+=($!)
fi
sleep $((MINUTES * 60))
kill "${pids[@]}" 2>/dev/null || true
wait 2>/dev/null || true
# A game cut off by the end of the time has no result yet and left nothing
# (play prints a game's positions once it has ended). The matches kept in
# docs/ add positions of play against other engines.
files=("$WORK/tri.txt" "$WORK/plain.txt")
[ -s "$WORK/fairymax.pgn" ] && files+=("$WORK/fairymax.pgn")
files+=("$ROOT"/docs/*.pgn)
"$B/vornak-tune" extract "${files[@]}" >"$WORK/quiet.txt"
positions=$(wc -l <"$WORK/quiet.txt")
fm=$(grep -c '^\[Result' "$WORK/fairymax.pgn" 2>/dev/null || echo 0)
note="Texel fit of one scale per block and stage (--coarse) on $positions quiet positions of"
note="$note tri-dimensional and plain self-play at 5000 nodes a move, $fm plain games against Fairy-Max"
note="$note at 5 s + 0.05 s and the matches in docs/"
# A plain position's result is replaced by Stockfish's judgement of it where
# Stockfish is installed: fast games' results say little about positions.
if [ -x /usr/games/stockfish ]; then
    python3 "$ROOT/tools/label-positions.py" --depth 10 <"$WORK/quiet.txt" >"$WORK/labelled.txt"
    mv "$WORK/labelled.txt" "$WORK/quiet.txt"
    note="$note, the plain ones judged by Stockfish at depth 10 (tools/label-positions.py)"
fi
note="$note (tools/tune-pipeline.sh), $(date +%Y-%m-%d)"
"$B/vornak-tune" fit --coarse --passes 25 --step 100 --min-positions 200 --patience 3 \
    --write "$ROOT/src/eval/Coefficients.cpp" --note "$note" "$WORK/quiet.txt"
