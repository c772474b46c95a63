// Standard algebraic notation of the plain game: writing a legal move as SAN
// (Nf3, exd5, O-O, e8=Q+, Qxf7#) and reading a move as people and programs
// write it (SAN with or without its check sign, over-disambiguated SAN,
// 0-0, long algebraic e2e4 / e2-e4 / Ng1-f3, e8Q, e7e8q), always resolved
// against the position's legal moves.
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct SAN_SQUARES_T {
    int from_file, from_rank, to_file, to_rank;
};

SAN_SQUARES_T Squares(const MOVE_T* m)
{
    return {(int)XPOS(m->from), (int)YPOS(m->from), (int)XPOS(m->to), (int)YPOS(m->to)};
}

int PieceKind(const POS_T* b, const MOVE_T* m)
{
    return m->from < 64 ? abs(b->board[m->from]) : 0;
}

bool IsCastling(const POS_T* b, const MOVE_T* m)
{
    SAN_SQUARES_T s = Squares(m);
    return PieceKind(b, m) == W_KING && abs(s.to_file - s.from_file) == 2;
}

bool IsCapture(const POS_T* b, const MOVE_T* m)
{
    SAN_SQUARES_T s = Squares(m);
    if (m->to < 64 && b->board[m->to] != 0)
        return true;
    return PieceKind(b, m) == W_PAWN && s.from_file != s.to_file;  // en passant
}

const char kPieceLetters[] = " PNBRQK";

std::string SquareText(int file, int rank)
{
    return std::string(1, (char)('a' + file)) + (char)('1' + rank);
}

// "+" or "#" after the move, or "".
std::string CheckSign(POS_T* b, const MOVE_T* m)
{
    std::unique_ptr<POS_T> after(new POS_T());
    MOVE_T made = *m;
    POS_T* before = b;
    if (!DoMove(after.get(), before, &made))
        return "";
    after->oldb = nullptr;
    after->flags &= ~FLAG_PROMOTED;
    bool white_to_move = IsWhitesMove(after.get());
    const PS_T& king = after->pieces[white_to_move ? W_KING_SLOT : B_KING_SLOT];
    bool check = king.p != 0 && king.pos < 64 && (after->topieces[king.pos] & (white_to_move ? BLACK_SLOTS : WHITE_SLOTS));
    if (!check)
        return "";
    std::vector<MOVE_T> answers;
    return LegalChoices(after.get(), &answers) ? "+" : "#";
}

// The move's text without the check sign, given the legal moves of b.
std::string SanBody(POS_T* b, const MOVE_T* m, const std::vector<MOVE_T>& legal)
{
    SAN_SQUARES_T s = Squares(m);
    if (IsCastling(b, m))
        return s.to_file > s.from_file ? "O-O" : "O-O-O";
    int kind = PieceKind(b, m);
    std::string text;
    bool capture = IsCapture(b, m);
    if (kind == W_PAWN) {
        if (capture)
            text += (char)('a' + s.from_file);
    } else {
        text += kPieceLetters[kind];
        // Disambiguation: the file if it tells the movers apart, else the
        // rank, else both.
        bool other = false, same_file = false, same_rank = false;
        for (const MOVE_T& o : legal) {
            if (o.to != m->to || o.from == m->from || PieceKind(b, &o) != kind)
                continue;
            other = true;
            same_file = same_file || (int)XPOS(o.from) == s.from_file;
            same_rank = same_rank || (int)YPOS(o.from) == s.from_rank;
        }
        if (other) {
            if (!same_file)
                text += (char)('a' + s.from_file);
            else if (!same_rank)
                text += (char)('1' + s.from_rank);
            else
                text += SquareText(s.from_file, s.from_rank);
        }
    }
    if (capture)
        text += 'x';
    text += SquareText(s.to_file, s.to_rank);
    if (IsPromotionSymbol(m->move_symbol))
        text += std::string("=") + m->move_symbol;
    return text;
}

}  // namespace

std::string SanMove(POS_T* b, const MOVE_T* m)
{
    if (!IsPlainGame(b))
        return "";
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    const MOVE_T* listed = nullptr;
    for (const MOVE_T& o : legal)
        if (o.from == m->from && o.to == m->to && o.piece_moving == m->piece_moving &&
            (!IsPromotionSymbol(o.move_symbol) || o.move_symbol == m->move_symbol))
            listed = &o;
    if (!listed)
        return "";
    return SanBody(b, listed, legal) + CheckSign(b, listed);
}

bool ParseSanMove(POS_T* b, const std::string& text, MOVE_T* out, std::string* err)
{
    // 1. Tidy: annotations and check signs off, the castling zeros read as O.
    std::string t = text;
    if (!IsPlainGame(b) || t.size() > 16) {
        *err = "not a move";
        return false;
    }
    while (!t.empty() && strchr("+#!?", t.back()))
        t.pop_back();
    if (t.size() > 4 && t.compare(t.size() - 4, 4, "e.p.") == 0)
        t.erase(t.size() - 4);
    for (char& c : t)
        if (c == '0')
            c = 'O';
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);

    // 2. Castling.
    if (t == "O-O" || t == "O-O-O") {
        for (const MOVE_T& m : legal)
            if (IsCastling(b, &m) && (XPOS(m.to) > XPOS(m.from)) == (t == "O-O")) {
                *out = m;
                return true;
            }
        *err = "castling is not legal here";
        return false;
    }

    // 3. [piece][from file][from rank][- or x or :]to[=promotion].
    size_t i = 0;
    int kind = W_PAWN;
    bool piece_named = false;
    if (i < t.size() && t[i] && strchr("KQRBN", t[i])) {
        kind = (int)(strchr(kPieceLetters, t[i]) - kPieceLetters);
        piece_named = true;
        i++;
    }
    std::string rest = t.substr(i);
    char promotion = 0;
    // The promotion at the end: "=Q", "(Q)", "Q" or "q" after the square.
    if (rest.size() >= 2 && rest.back() == ')' && rest[rest.size() - 3] == '(') {
        promotion = rest[rest.size() - 2];
        rest.erase(rest.size() - 3);
    } else if (rest.size() >= 3 && rest.back() && strchr("QRBNqrbn", rest.back()) &&
               rest[rest.size() - 2] >= '1' && rest[rest.size() - 2] <= '8') {
        promotion = rest.back();
        rest.pop_back();
        if (!rest.empty() && rest.back() == '=')
            rest.pop_back();
    } else if (rest.size() >= 2 && rest[rest.size() - 2] == '=') {
        promotion = rest.back();
        rest.erase(rest.size() - 2);
    }
    if (promotion) {
        promotion = (char)toupper((unsigned char)promotion);
        if (!strchr("QRBN", promotion)) {
            *err = "not a promotion piece";
            return false;
        }
    }
    if (rest.size() < 2 || rest[rest.size() - 2] < 'a' || rest[rest.size() - 2] > 'h' || rest.back() < '1' ||
        rest.back() > '8') {
        *err = "not a move";
        return false;
    }
    int to_file = rest[rest.size() - 2] - 'a', to_rank = rest.back() - '1';
    rest.erase(rest.size() - 2);
    if (!rest.empty() && (rest.back() == 'x' || rest.back() == '-' || rest.back() == ':'))
        rest.pop_back();
    int from_file = -1, from_rank = -1;
    size_t k = 0;
    if (k < rest.size() && rest[k] >= 'a' && rest[k] <= 'h')
        from_file = rest[k++] - 'a';
    if (k < rest.size() && rest[k] >= '1' && rest[k] <= '8')
        from_rank = rest[k++] - '1';
    if (k != rest.size()) {
        *err = "not a move";
        return false;
    }
    // Long algebraic names its square: the piece is whatever stands there.
    bool long_form = from_file >= 0 && from_rank >= 0;

    // 4. The legal moves that fit; exactly one must.
    const MOVE_T* found = nullptr;
    const MOVE_T* queen = nullptr;
    int fits = 0, queens = 0;
    for (const MOVE_T& m : legal) {
        SAN_SQUARES_T s = Squares(&m);
        if (s.to_file != to_file || s.to_rank != to_rank)
            continue;
        if ((piece_named || !long_form) && PieceKind(b, &m) != kind)
            continue;
        if ((from_file >= 0 && s.from_file != from_file) || (from_rank >= 0 && s.from_rank != from_rank))
            continue;
        if (IsCastling(b, &m) && !long_form)
            continue;
        if (IsPromotionSymbol(m.move_symbol)) {
            if (m.move_symbol == 'Q') {
                queen = &m;
                queens++;
            }
            if (m.move_symbol != promotion)
                continue;
        } else if (promotion) {
            continue;
        }
        found = &m;
        fits++;
    }
    if (fits == 0 && !promotion && queen) {
        // A promotion written without its piece makes a queen.
        found = queen;
        fits = queens;
    }
    if (fits == 0) {
        *err = "no legal move fits";
        return false;
    }
    if (fits > 1) {
        *err = "ambiguous";
        return false;
    }
    *out = *found;
    return true;
}
