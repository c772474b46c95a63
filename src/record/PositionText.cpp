// Positions written as one line of text: a FEN for the plain game, a "3d"
// line for the tri-dimensional game. Parsing checks everything before it
// touches the caller's position, so a refused line changes nothing.
#include "record/record.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <vector>

namespace {

const char piece_letters[] = "kqrbnp PNBRQK";  // indexed by code + 6

int PieceFromLetter(char c)
{
    const char* at = strchr(piece_letters, c);
    if (!at || c == ' ' || c == 0)
        return 99;
    return (int)(at - piece_letters) - 6;
}

std::vector<std::string> Split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

bool ParseCount(const std::string& s, long lo, long hi, long* v)
{
    if (s.empty() || s.size() > 9)
        return false;
    for (char c : s)
        if (!isdigit((unsigned char)c))
            return false;
    *v = strtol(s.c_str(), nullptr, 10);
    return *v >= lo && *v <= hi;
}

bool ParseCastling(const std::string& s, uint32_t* flags, std::string* err)
{
    *flags = 0;
    if (s == "-")
        return true;
    static const char order[] = "KQkq";
    for (char c : s) {
        const char* at = strchr(order, c);
        if (!at || c == 0 || (*flags & (1u << (at - order)))) {
            *err = "bad castling field '" + s + "'";
            return false;
        }
        *flags |= 1u << (at - order);
    }
    return true;
}

// The side to move and the castling rights; the move number's parity is set
// here so that later fields can ask whose move it is.
bool ParseSideAndRights(const std::string& side, const std::string& rights, POS_T* b, std::string* err)
{
    if (side != "w" && side != "b") {
        *err = "bad side to move '" + side + "'";
        return false;
    }
    b->move_num = side == "b";
    return ParseCastling(rights, &b->flags, err);
}

bool ParseClocks(const std::string& half, const std::string& full, POS_T* b, std::string* err)
{
    long halfmove, fullmove;
    if (!ParseCount(half, 0, 9999, &halfmove)) {
        *err = "bad half-move clock '" + half + "'";
        return false;
    }
    if (!ParseCount(full, 1, MAX_GAME_PLIES / 2 - 1, &fullmove)) {
        *err = "bad full-move number '" + full + "' (1 to " + std::to_string(MAX_GAME_PLIES / 2 - 1) + ")";
        return false;
    }
    // The game counts from 1 after a capture or pawn move, where the text
    // says 0; a clock of 0 (a game's start) stays 0.
    b->fifty_count = halfmove ? (int)halfmove + 1 : 0;
    b->move_num = (int)(2 * (fullmove - 1) + (b->move_num & 1));
    return true;
}

// One side's pieces: exactly one king, at most 8 pawns, at most 16 in all.
bool CheckArmies(const int board[64], std::string* err)
{
    for (int colour : {1, -1}) {
        int kings = 0, pawns = 0, all = 0;
        for (int sq = 0; sq < 64; sq++) {
            int p = board[sq];
            if (!p || sign(p) != colour)
                continue;
            all++;
            kings += abs(p) == W_KING;
            pawns += abs(p) == W_PAWN;
        }
        const char* side = colour > 0 ? "White" : "Black";
        if (kings == 0) {
            *err = std::string("missing ") + side + " king";
            return false;
        }
        if (kings > 1) {
            *err = std::string("more than one ") + side + " king";
            return false;
        }
        if (pawns > 8 || all > 16) {
            *err = std::string("too many ") + side + (pawns > 8 ? " pawns" : " pieces");
            return false;
        }
    }
    return true;
}

// Builds the piece list and maps in a scratch position and, only when that
// succeeds, hands it over.
bool Build(POS_T* scratch, int dmode, POS_T* out, int* out_mode, std::string* err)
{
    int old_mode = state.dmode;
    state.dmode = dmode;
    if (!CreatePBoard(scratch, dmode)) {
        state.dmode = old_mode;
        *err = "the position cannot be set up";
        return false;
    }
    UpdateMaps(scratch);
    *out = *scratch;
    *out_mode = dmode;
    return true;
}

bool ParseFen(const std::vector<std::string>& f, POS_T* out, int* dmode, std::string* err)
{
    if (f.size() != 6) {
        *err = "a FEN has 6 fields, this one has " + std::to_string(f.size());
        return false;
    }
    POS_T* b = new POS_T();
    std::unique_ptr<POS_T> hold(b);
    std::vector<std::string> ranks = Split(f[0], '/');
    if (ranks.size() != 8) {
        *err = "the board needs 8 ranks, found " + std::to_string(ranks.size());
        return false;
    }
    for (int r = 0; r < 8; r++) {
        int rank = 7 - r, file = 0;
        for (char c : ranks[r]) {
            if (c >= '1' && c <= '8') {
                file += c - '0';
            } else {
                int p = PieceFromLetter(c);
                if (p == 99) {
                    *err = std::string("bad piece letter '") + c + "'";
                    return false;
                }
                if (file < 8)
                    b->board[file * 8 + rank] = p;
                file++;
            }
            if (file > 8)
                break;
        }
        if (file != 8) {
            *err = "rank " + std::to_string(rank + 1) + " does not have 8 squares";
            return false;
        }
    }
    if (!CheckArmies(b->board, err))
        return false;
    if (!ParseSideAndRights(f[1], f[2], b, err))
        return false;
    if (f[3] != "-") {
        const std::string& e = f[3];
        int want_row = IsBlacksMove(b) ? 2 : 5;
        if (e.size() != 2 || e[0] < 'a' || e[0] > 'h' || e[1] - '1' != want_row) {
            *err = "bad en-passant field '" + e + "'";
            return false;
        }
        b->enpassant = (SQ_T)((e[0] - 'a') * 8 + want_row);
    }
    if (!ParseClocks(f[4], f[5], b, err))
        return false;
    return Build(b, 2, out, dmode, err);
}

bool Parse3D(const std::vector<std::string>& f, POS_T* out, int* dmode, std::string* err)
{
    if (f.size() != 9) {
        *err = "a 3d line has 9 fields, this one has " + std::to_string(f.size());
        return false;
    }
    POS_T* b = new POS_T();
    std::unique_ptr<POS_T> hold(b);
    std::vector<std::string> columns = Split(f[1], '/');
    if (columns.size() != 8) {
        *err = "the cells need 8 columns, found " + std::to_string(columns.size());
        return false;
    }
    for (int col = 0; col < 8; col++) {
        if (columns[col].size() != 8) {
            *err = std::string("column ") + (char)('A' + col) + " does not have 8 cells";
            return false;
        }
        for (int row = 0; row < 8; row++) {
            char c = columns[col][row];
            int p = c == '.' ? 0 : PieceFromLetter(c);
            if (p == 99) {
                *err = std::string("bad piece letter '") + c + "'";
                return false;
            }
            b->board[col * 8 + row] = p;
        }
    }
    if (!CheckArmies(b->board, err))
        return false;
    if (!ParseSideAndRights(f[2], f[3], b, err))
        return false;
    if (f[4] != "-") {
        const std::string& e = f[4];
        if (e.size() != 2 || e[0] < 'A' || e[0] > 'H' || e[1] < '1' || e[1] > '8') {
            *err = "bad en-passant field '" + e + "'";
            return false;
        }
        b->enpassant = (SQ_T)((e[0] - 'A') * 8 + (e[1] - '1'));
        if (b->enpassant == 0 || b->board[b->enpassant]) {
            *err = "bad en-passant field '" + e + "' (the square must be empty)";
            return false;
        }
    }
    if (!ParseClocks(f[5], f[6], b, err))
        return false;
    std::vector<std::string> pins = Split(f[7], ',');
    static const char* const boards[4] = {"QLW", "QLB", "KLW", "KLB"};
    if (pins.size() != 4) {
        *err = "the pins field needs 4 pins, found " + std::to_string(pins.size());
        return false;
    }
    for (int i = 0; i < 4; i++) {
        int pin = PinFromName(pins[i].c_str());
        if (pin < 0) {
            *err = std::string("bad pin '") + pins[i] + "' for " + boards[i];
            return false;
        }
        for (int j = 0; j < i; j++)
            if ((int)b->whereis_board[j] == pin) {
                *err = std::string("two boards on pin ") + pins[i] + " (" + boards[j] + " and " + boards[i] + ")";
                return false;
            }
        b->whereis_board[i] = (ABWHERE_E)pin;
    }
    if (f[8].size() != 4) {
        *err = "the owners field needs 4 letters w/b, found '" + f[8] + "'";
        return false;
    }
    for (int i = 0; i < 4; i++) {
        char c = f[8][i];
        if (c != 'w' && c != 'b') {
            *err = "bad owner '" + std::string(1, c) + "' for " + boards[i];
            return false;
        }
        b->whites_board[i] = c == 'w';
    }
    return Build(b, 3, out, dmode, err);
}

std::string CastlingText(uint32_t flags)
{
    std::string s;
    const char* letters = "KQkq";
    for (int i = 0; i < 4; i++)
        if (flags & (1u << i))
            s += letters[i];
    return s.empty() ? "-" : s;
}

}  // namespace

bool ParsePosition(const std::string& text, POS_T* out, int* dmode, std::string* err)
{
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string w; in >> w;)
        fields.push_back(w);
    if (fields.empty()) {
        *err = "empty position";
        return false;
    }
    if (fields[0] == "3d")
        return Parse3D(fields, out, dmode, err);
    return ParseFen(fields, out, dmode, err);
}

std::string FormatPosition(POS_T* b, int dmode)
{
    std::string s;
    if (dmode == 2) {
        for (int rank = 7; rank >= 0; rank--) {
            int empty = 0;
            for (int file = 0; file < 8; file++) {
                int p = b->board[file * 8 + rank];
                if (!p) {
                    empty++;
                    continue;
                }
                if (empty)
                    s += (char)('0' + empty);
                empty = 0;
                s += p >= -6 && p <= 6 ? piece_letters[p + 6] : '?';
            }
            if (empty)
                s += (char)('0' + empty);
            if (rank)
                s += '/';
        }
    } else {
        s = "3d ";
        for (int col = 0; col < 8; col++) {
            for (int row = 0; row < 8; row++) {
                int p = b->board[col * 8 + row];
                s += !p ? '.' : p >= -6 && p <= 6 ? piece_letters[p + 6] : '?';
            }
            if (col < 7)
                s += '/';
        }
    }
    s += IsBlacksMove(b) ? " b " : " w ";
    s += CastlingText(b->flags);
    s += ' ';
    if (b->enpassant && b->enpassant < 64) {
        if (dmode == 2) {
            s += (char)('a' + XPOS(b->enpassant));
            s += (char)('1' + YPOS(b->enpassant));
        } else {
            s += IndexSquareName(b->enpassant);
        }
    } else {
        s += '-';
    }
    s += ' ' + std::to_string(b->fifty_count > 0 ? b->fifty_count - 1 : 0) + ' ' + std::to_string(b->move_num / 2 + 1);
    if (dmode != 2) {
        s += ' ';
        for (int i = 0; i < 4; i++) {
            const char* name = PinName(b->whereis_board[i]);
            s += name ? name : "??";
            s += i < 3 ? ',' : ' ';
        }
        for (int i = 0; i < 4; i++)
            s += b->whites_board[i] ? 'w' : 'b';
    }
    return s;
}
