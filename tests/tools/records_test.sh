#!/bin/bash
# Games and positions in and out through the tools: an EPD suite run by
# vornak-analyse, and PGN written and read by vornak-savefile, checked by an
# independent strict reader (pgn-extract) when it is installed.
# Usage: records_test.sh BUILD_DIR SOURCE_DIR
set -u
BIN=${1:?usage: records_test.sh BUILD_DIR SOURCE_DIR}
SRC=${2:?usage: records_test.sh BUILD_DIR SOURCE_DIR}
ANALYSE=$BIN/vornak-analyse
SAVEFILE=$BIN/vornak-savefile
PATH=$PATH:/usr/games
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL $1"
    [ $# -gt 1 ] && sed 's/^/    /' <<<"$2"
    failures=$((failures + 1))
}

# ---------------------------------------------------------------- EPD
out=$(timeout 120 "$ANALYSE" --epd "$SRC/tests/tools/suite.epd" --time 1 2>&1)
rc=$?
if [ $rc -eq 0 ] && [ "$(tail -1 <<<"$out")" = "6 passed, 0 failed" ] && [ "$(grep -c ': passed ' <<<"$out")" -eq 6 ] &&
    grep -q '^mate.scholar: passed Qxf7# (h5f7) score Mate01, wanted bm Qxf7$' <<<"$out"; then
    echo "ok   epd-suite"
else
    fail "epd-suite: exit $rc" "$out"
fi

cat >"$work/bad.epd" <<'EOT'
rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm Ke2; id "illegal";
rnbqkbnr/pppppppp/8/8 w KQkq - bm e4; id "short";
rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - id "no.moves";
k7/8/1K6/8/8/8/8/7R w - - am Rh8; id "avoided.mate";
k7/8/1K6/8/8/8/8/7R w - - bm Rh8# id "open;
EOT
printf 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm \001\377;\n' >>"$work/bad.epd"
out=$(timeout 60 "$ANALYSE" --epd "$work/bad.epd" --time 1 2>&1)
if [ "$(tail -1 <<<"$out")" = "0 passed, 6 failed" ] && grep -q '^illegal: failed (Ke2: no legal move fits)$' <<<"$out" &&
    grep -q '^avoided.mate: failed Rh8# ' <<<"$out" && grep -q '^no.moves: failed (neither bm nor am)$' <<<"$out"; then
    echo "ok   epd-refusals"
else
    fail "epd-refusals" "$out"
fi
out=$(timeout 20 "$ANALYSE" --epd "$work/missing.epd" 2>&1)
[ $? -eq 1 ] && echo "ok   epd-missing-file" || fail "epd-missing-file" "$out"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
