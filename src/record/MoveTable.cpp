// The disambiguated texts of the moves of one position: the game list takes
// the text of each move played from here. A move is named as briefly as its
// rivals (pieces of the same kind reaching the same square) allow: by file,
// then rank, then level or attack board.
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct MOVE_TABLE_T {
    POS_T position;  // the position the moves belong to
    MOVE_T da_moves[MAX_MOVES];
    int da_n;
    char disambstrs[MAX_MOVES][16];
    std::bitset<MAX_MOVES> written;  // entries of disambstrs worked out
};

MOVE_TABLE_T* Table()
{
    thread_local std::unique_ptr<MOVE_TABLE_T> table(new MOVE_TABLE_T());
    return table.get();
}

void Keep(const char* text, size_t n)
{
    snprintf(da_str_i, sizeof da_str_i, "%.*s", (int)n, text);
}

// The prefix that tells move mi from its rival mj; true when the scan may stop.
bool Disambiguate(POS_T* b, const MOVE_T& mi, const MOVE_T& mj)
{
    const char* fi = PosStr(b, mi.from);
    const char* fj = PosStr(b, mj.from);
    if (!fi || !fj)
        return false;
    if (fi[0] != fj[0]) {
        // A pawn's capture always starts with its own file.
        if (abs(mj.piece_moving) == W_PAWN)
            Keep("", 0);
        else
            Keep(fi, 1);
        return false;
    }
    if (fi[1] != fj[1]) {
        Keep(fi + 1, 1);
        return false;
    }
    // The same file and rank: two levels over one another.
    int li = GetLevel(b, mi.from);
    if (li == GetLevel(b, mj.from)) {
        Keep("DUP", 3);
        return false;
    }
    switch (li) {
    case 2: Keep("w", 1); return true;
    case 4: Keep("n", 1); return true;
    case 6: Keep("b", 1); return true;
    case 3:
    case 5:
    case 7: {
        const char* pin = GetABStringBySquare(b, mi.from);
        Keep(pin ? pin : "??", 3);
        return false;
    }
    default:
        Panic(false, "Can't find level!");
        Keep("OC3", 3);
        return false;
    }
}

// The text of entry i, worked out when first asked for.
const char* EntryText(MOVE_TABLE_T* t, int i)
{
    if (t->written[i])
        return t->disambstrs[i];
    POS_T* b = &t->position;
    da_str_i[0] = 0;
    MOVE_T m = t->da_moves[i];
    bool board_move = AbIndex(m.piece_moving) >= 0;
    for (int j = 0; j < t->da_n; j++) {
        const MOVE_T& r = t->da_moves[j];
        if (j == i || r.to != m.to)
            continue;
        if (board_move) {
            // Another board to the same pin; a board's own promotion choices
            // are one move, not rivals.
            if (AbIndex(r.piece_moving) >= 0 && r.piece_moving != m.piece_moving) {
                const char* pin = GetABString(b, m.from);
                Keep(pin ? pin : "??", 3);
            }
        } else if (abs(m.piece_moving) != W_KING && abs(r.piece_moving) == abs(m.piece_moving) &&
                   r.from != m.from) {
            if (Disambiguate(b, m, r))
                break;
        }
    }
    char text[32] = "";
    if (!IsValidMove(b, m)) {
        Panic(false, "Bad move at GetMoveCount");
        snprintf(text, sizeof text, "BAD");
    } else if (!ShortMovestr(b, &m, text)) {
        snprintf(text, sizeof text, "BAD");
    }
    da_str_i[0] = 0;
    // The table keeps 15 characters of a move's text, as it always has.
    size_t keep = strnlen(text, sizeof t->disambstrs[i] - 1);
    memcpy(t->disambstrs[i], text, keep);
    t->disambstrs[i][keep] = 0;
    t->written[i] = true;
    return t->disambstrs[i];
}

}  // namespace

void NoteMoveList(POS_T* b, const MOVE_T* moves, int n)
{
    MOVE_TABLE_T* t = Table();
    t->position = *b;
    t->da_n = n < 0 ? 0 : n > MAX_MOVES ? MAX_MOVES : n;
    memcpy(t->da_moves, moves, t->da_n * sizeof(MOVE_T));
    t->written.reset();
}

// The table's name of a move, or -1 when the table does not hold it.
static int FindEntry(MOVE_TABLE_T* t, const MOVE_T* move_t)
{
    int found = -1;
    for (int i = 0; i < t->da_n; i++) {
        const MOVE_T& e = t->da_moves[i];
        if (e.piece_moving != move_t->piece_moving || e.to != move_t->to || e.from != move_t->from)
            continue;
        if (found < 0)
            found = i;
        // A promotion names the piece chosen.
        if (IsPromotionSymbol(move_t->move_symbol) && e.move_symbol == move_t->move_symbol)
            return i;
    }
    return found;
}

char* ListedMoveName(MOVE_T* move_t)
{
    thread_local char results[4][20];
    thread_local int next;
    MOVE_TABLE_T* t = Table();
    if (!move_t)
        return nullptr;
    int found = FindEntry(t, move_t);
    if (found < 0)
        return nullptr;
    // The check is known once the move is made, so it comes with the move.
    next = (next + 1) % 4;
    char* out = results[next];
    const char* text = EntryText(t, found);
    size_t len = strlen(text);
    bool mark = move_t->check && (len == 0 || text[len - 1] != '+');
    snprintf(out, sizeof results[0], "%s%s", text, mark ? "+" : "");
    return out;
}

char* ShortDisambiguateMovestr(MOVE_T* move_t)
{
    if (!move_t)
        return nullptr;
    if (char* out = ListedMoveName(move_t))
        return out;
    if (eval_show) {
        MOVE_TABLE_T* t = Table();
        ConsolePrint("\n%d %d%c%d", move_t->piece_moving, move_t->from, move_t->move_symbol, move_t->to);
        for (int i = 0; i < t->da_n; i++) {
            const MOVE_T& e = t->da_moves[i];
            ConsolePrint("\n%d %d %d %c %d", i, e.piece_moving, e.from, e.move_symbol, e.to);
        }
        ConsolePrint("\n%d %d%c%d", move_t->piece_moving, move_t->from, move_t->move_symbol, move_t->to);
    }
    Panic(false, "ShortMovestr move fail");
    return nullptr;
}
