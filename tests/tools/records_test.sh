#!/bin/bash
# Games and positions in and out through the tools: an EPD suite run by
# vornak-analyse, PGN written and read by vornak-savefile, checked by an
# independent strict reader (pgn-extract) when it is installed, and the
# samples of PGN and of the tri-dimensional record round trips.
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

# ---------------------------------------------------------------- PGN
# Each sample game is imported to a save file, which the program's restore
# reads back, and exported again: the moves must be those an independent
# reader finds in the sample, and the export must be what that reader writes
# when it reformats it (export form, SAN, the seven-tag roster).
have_pe=0
command -v pgn-extract >/dev/null && have_pe=1
[ $have_pe -eq 1 ] || echo "note: pgn-extract is not installed; the export is not checked by it"
uci_moves() {  # uci_moves FILE GAME: the moves as pgn-extract reads them
    pgn-extract -s -Wuci --notags -C -N -V --selectonly "$2" "$1" 2>/dev/null | tr -s ' \n' '  ' | sed 's/ *$//'
}
import_check() {  # import_check NAME PGN GAME
    local name=$1 pgn=$2 game=$3 out canon
    if ! out=$(timeout 30 "$SAVEFILE" import "$pgn" "$work/$name.sav" --game "$game" 2>&1); then
        fail "pgn-$name: import refused" "$out"
        return
    fi
    if ! timeout 30 "$SAVEFILE" info "$work/$name.sav" | grep -q '^mode: plain'; then
        fail "pgn-$name: the save file is not read back as a plain game"
        return
    fi
    if ! timeout 30 "$SAVEFILE" pgn "$work/$name.sav" >"$work/$name.out.pgn"; then
        fail "pgn-$name: export refused"
        return
    fi
    if ! grep -q '^\[Event "' "$work/$name.out.pgn" || ! grep -q '^\[Result "' "$work/$name.out.pgn"; then
        fail "pgn-$name: no roster" "$(cat "$work/$name.out.pgn")"
        return
    fi
    if [ $have_pe -eq 1 ]; then
        if [ "$(uci_moves "$pgn" "$game")" != "$(uci_moves "$work/$name.out.pgn" 1)" ]; then
            fail "pgn-$name: the moves differ" "$(uci_moves "$pgn" "$game")"$'\n'"$(uci_moves "$work/$name.out.pgn" 1)"
            return
        fi
        pgn-extract -s -w79 "$work/$name.out.pgn" -o "$work/$name.canon.pgn" 2>/dev/null
        if [ "$(tr -s ' \n' '  ' <"$work/$name.out.pgn")" != "$(tr -s ' \n' '  ' <"$work/$name.canon.pgn")" ]; then
            fail "pgn-$name: pgn-extract writes it otherwise" "$(diff "$work/$name.out.pgn" "$work/$name.canon.pgn")"
            return
        fi
    fi
    echo "ok   pgn-$name"
}
G=$SRC/tests/tools/games
import_check castling "$G/castling-en-passant.pgn" 1
import_check promotions "$G/promotions.pgn" 1
import_check loose-mate "$G/tolerant.pgn" 1
import_check loose-draw "$G/tolerant.pgn" 2
grep -q '^\[FEN "7k/PPP5/8/8/8/8/5ppp/K7 w - - 0 1"\]$' "$work/promotions.out.pgn" &&
    grep -q '^\[SetUp "1"\]$' "$work/promotions.out.pgn" && echo "ok   pgn-set-up-tags" ||
    fail "pgn-set-up-tags" "$(cat "$work/promotions.out.pgn")"
grep -q '4\. Qxf7# 1-0$' "$work/loose-mate.out.pgn" && grep -q '^\[Result "1-0"\]$' "$work/loose-mate.out.pgn" &&
    echo "ok   pgn-mate-result" || fail "pgn-mate-result" "$(cat "$work/loose-mate.out.pgn")"
grep -q '1/2-1/2$' "$work/loose-draw.out.pgn" && echo "ok   pgn-agreed-result" ||
    fail "pgn-agreed-result" "$(cat "$work/loose-draw.out.pgn")"

# The samples in docs/ come back character for character through a save file.
for sample in "$SRC"/docs/samples/*.tdr "$SRC"/docs/samples/*.pgn; do
    base=$(basename "$sample")
    kind=pgn
    [[ "$base" == *.tdr ]] && kind=record
    if out=$(timeout 30 "$SAVEFILE" import "$sample" "$work/sample.sav" 2>&1) &&
        timeout 30 "$SAVEFILE" "$kind" "$work/sample.sav" >"$work/sample.out" 2>&1 &&
        cmp -s "$sample" "$work/sample.out"; then
        echo "ok   sample-$base"
    else
        fail "sample-$base" "$out$(diff "$sample" "$work/sample.out")"
    fi
done
err=$(timeout 20 "$SAVEFILE" record "$work/castling.sav" 2>&1 >/dev/null)
[ $? -eq 1 ] && grep -q 'plain game has PGN' <<<"$err" && echo "ok   record-of-plain-game-refused" ||
    fail "record-of-plain-game-refused" "$err"
timeout 30 "$SAVEFILE" import "$SRC/docs/samples/castling-tdcl.tdr" "$work/tri.sav" 2>/dev/null
err=$(timeout 20 "$SAVEFILE" pgn "$work/tri.sav" 2>&1 >/dev/null)
[ $? -eq 1 ] && grep -q 'plain game only' <<<"$err" && echo "ok   pgn-of-tri-game-refused" ||
    fail "pgn-of-tri-game-refused" "$err"

# Refusals: exit 1 with the reason, and no save file written.
refuse() {  # refuse NAME REGEX ARGS...
    local name=$1 re=$2 err rc
    shift 2
    rm -f "$work/refused.sav"
    err=$(timeout 20 "$SAVEFILE" "$@" 2>&1 >/dev/null)
    rc=$?
    if [ $rc -ne 1 ] || ! grep -Eq -- "$re" <<<"$err" || [ -e "$work/refused.sav" ]; then
        fail "refuse-$name: exit $rc" "$err"
    else
        echo "ok   refuse-$name: $err"
    fi
}
printf '[Event "x"]\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. Qxd8 1-0\n' >"$work/illegal.pgn"
printf '[Variant "Tri-dimensional"]\n[Rules "TDCL"]\n1. E1B3 E8B6 2. B3B4 *\n' >"$work/illegal.tdr"
refuse illegal-tri-move 'move 2\. B3B4: no legal move fits' import "$work/illegal.tdr" "$work/refused.sav"
refuse illegal-move 'move 5\. Qxd8: no legal move fits' import "$work/illegal.pgn" "$work/refused.sav"
refuse no-such-game 'no game 3 \(the file holds 2\)' import "$G/tolerant.pgn" "$work/refused.sav" --game 3
head -c 3000 "$SAVEFILE" >"$work/junk.pgn"  # a program's bytes
refuse binary-junk 'line 1: unexpected character 0x7f' import "$work/junk.pgn" "$work/refused.sav"
{ printf '[Event "x"]\n1. e4 {'; head -c 2000000 /dev/zero | tr '\0' 'c'; } >"$work/truncated.pgn"
refuse truncated-comment 'never closed' import "$work/truncated.pgn" "$work/refused.sav"
refuse missing-file 'No such file' import "$work/none.pgn" "$work/refused.sav"
cp "$work/castling.sav" "$work/copy.sav"
out=$(timeout 20 "$SAVEFILE" import "$G/promotions.pgn" "$work/copy.sav" 2>&1) && timeout 20 "$SAVEFILE" pgn "$work/copy.sav" |
    grep -q 'a8=Q+' && echo "ok   import-replaces" || fail "import-replaces" "$out"
err=$(timeout 20 "$SAVEFILE" import "$G/promotions.pgn" 2>&1)
[ $? -eq 2 ] && echo "ok   import-usage" || fail "import-usage" "$err"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
