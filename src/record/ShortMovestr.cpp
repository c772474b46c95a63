// The text of one move, in the current game and notation.
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The suffix naming the level a tri-dimensional move lands on.
void AppendLevel(POS_T* b, SQ_T to, char* ret, size_t size)
{
    switch (GetLevel(b, to)) {
    case 2: AppendText(ret, size, "W"); break;
    case 4: AppendText(ret, size, "N"); break;
    case 6: AppendText(ret, size, "B"); break;
    case 3:
    case 5:
    case 7: {
        const char* pin = GetABStringBySquare(b, to);
        AppendText(ret, size, "%s", pin ? pin : "??");
        break;
    }
    default: AppendText(ret, size, "OC2"); break;
    }
}

}  // namespace

void AppendText(char* ret, size_t size, const char* format, ...)
{
    size_t used = strlen(ret);
    if (used + 1 >= size)
        return;
    va_list args;
    va_start(args, format);
    vsnprintf(ret + used, size - used, format, args);
    va_end(args);
}

char* ShortMovestr(POS_T* b, MOVE_T* move_t, char* ret)
{
    const size_t size = 32;
    MOVE_T m = *move_t;
    int ab = AbIndex(m.piece_moving);
    if (!IsValidMove(b, m) || (ab < 0 && m.to > 63) || (ab >= 0 && IsPlainGame(b))) {
        Panic(false, "Bad move at ShortMovestr");
        return nullptr;
    }
    const char* from = PosStr(b, m.from);
    const char* to = PosStr(b, m.to);
    if (!from || !to) {
        Panic(false, "Bad move at ShortMovestr");
        return nullptr;
    }
    ret[0] = 0;
    const char* prefix = da_str_i;
    int kind = abs(m.piece_moving);
    char sym = m.move_symbol;

    // A promotion shows the piece it makes at the end (the queen unless the
    // move names another); the symbol in the middle stays that of the step.
    char promoted = 0;
    if (ab >= 0 || kind == W_PAWN) {
        MOVE_T probe = m;
        if (DetectPromotion(b, m.piece_moving, m.to, &probe))
            promoted = IsPromotionSymbol(sym) ? sym : 'Q';
    }
    if (IsPromotionSymbol(sym))
        sym = ab >= 0 ? 'T' : (b->board[m.to] ? 'x' : '-');
    if (sym == 0)
        sym = '-';

    char P = piecechar(kind);
    // The piece taken, by its kind; an en-passant capture takes a pawn from
    // beside the empty square it lands on.
    char C = piecechar(abs(b->board[m.to]));

    if (kind == W_KING && (sym == 'L' || sym == 'S')) {
        AppendText(ret, size, "%s", sym == 'L' ? "O-O-O" : "O-O");
    } else if (!IsPlainGame(b) && ab >= 0) {
        if (state.notation == NOTATION_STANDARD) {
            static const char* const boards[4] = {"QLW", "QLB", "KLW", "KLB"};
            AppendText(ret, size, "%s%s(%d)", boards[ab], to, GetLevel(b, m.to));
            if (sym != 'T')
                AppendText(ret, size, "%c", sym);
        } else {
            const char* pin = GetABString(b, m.to);
            AppendText(ret, size, "%s%s", prefix, pin ? pin : "??");
        }
    } else if (!IsPlainGame(b)) {
        if (state.notation == NOTATION_STANDARD) {
            AppendText(ret, size, "%c%s%c%s(%d)", P, from, sym, to, GetLevel(b, m.to));
        } else {
            bool plain_capture = state.notation == NOTATION_ALGEBRAIC || C == 'P' || C == ' ';
            if (kind == W_PAWN) {
                if (from[0] == to[0])
                    AppendText(ret, size, "%s%s", prefix, to);
                else if (plain_capture)
                    AppendText(ret, size, "%c%sx%s", from[0], prefix, to);
                else
                    AppendText(ret, size, "%c%sx%c%s", from[0], prefix, C, to);
            } else if (sym == '-') {
                AppendText(ret, size, "%c%s%s", P, prefix, to);
            } else if (sym == 'x') {
                if (plain_capture)
                    AppendText(ret, size, "%c%sx%s", P, prefix, to);
                else
                    AppendText(ret, size, "%c%sx%c%s", P, prefix, C, to);
            } else {
                AppendText(ret, size, "%c%s%c%s", P, prefix, sym, to);
            }
            AppendLevel(b, m.to, ret, size);
            if (m.move_symbol == 'e')
                AppendText(ret, size, "ep");
        }
    } else if (kind == W_PAWN) {
        if (from[0] == to[0])
            AppendText(ret, size, "%s", to);
        else if (C == ' ')
            AppendText(ret, size, "%cx%sep?", from[0], to);
        else if (C == 'P')
            AppendText(ret, size, "%cx%s", from[0], to);
        else
            AppendText(ret, size, "%cx%c%s", from[0], C, to);
    } else if (sym == '-') {
        AppendText(ret, size, "%c%s%s", P, prefix, to);
    } else if (sym == 'x') {
        if (state.notation == NOTATION_ALGEBRAIC || C == 'P')
            AppendText(ret, size, "%c%sx%s", P, prefix, to);
        else
            AppendText(ret, size, "%c%sx%c%s", P, prefix, C, to);
    } else {
        AppendText(ret, size, "%c%s%c%s", P, prefix, sym, to);
    }

    if (promoted)
        AppendText(ret, size, "%c", promoted);
    if (m.check)
        AppendText(ret, size, "+");
    return ret;
}
