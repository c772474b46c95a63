// Helpers of the evaluation tests: positions from text with their game stage
// chosen as at a search root, fresh evaluations, random legal play, and the
// colour-mirrored twin of a position.
#pragma once

#include "board/board.h"
#include "eval/eval.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace et {

inline const char* const kPlainStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
inline const char* const k3dStart =
    "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
    "QL1,QL6,KL1,KL6 wbwb";

// Evaluates b afresh in the stage its material gives, as the thinking thread
// does for a root. Answers the score for the side to move.
inline ETYPE_T Restage(POS_T* b)
{
    EstimateGameStage(b, 1);
    b->flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
    return Evaluate(b, NO_VALUE, 2);
}

inline std::unique_ptr<POS_T> Load(const std::string& text)
{
    auto b = std::make_unique<POS_T>();
    int mode = 0;
    std::string err;
    EXPECT_TRUE(ParsePosition(text, b.get(), &mode, &err)) << text << ": " << err;
    state.dmode = mode;
    Restage(b.get());
    return b;
}

// A small generator of its own, so that games are the same on every run.
struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 1) {}
    unsigned Next(unsigned n)
    {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return (unsigned)((s >> 33) % n);
    }
};

// A random legal move, false when there is none.
inline bool RandomMove(POS_T* b, Rng* rng, MOVE_T* m)
{
    std::vector<MOVE_T> moves;
    if (!LegalChoices(b, &moves) || moves.empty())
        return false;
    *m = moves[rng->Next((unsigned)moves.size())];
    return true;
}

// The same position built afresh from its board (mirror = false) or its
// colour-mirrored twin: colours swapped, rows mirrored (index XOR 7), the
// attack boards and their pins exchanged likewise, the side to move, the
// castling rights and flags and the computer's colour exchanged.
inline std::unique_ptr<POS_T> Rebuild(const POS_T* src, int dmode, bool mirror)
{
    auto b = std::make_unique<POS_T>();
    int flip = mirror ? 7 : 0;
    for (int sq = 0; sq < 64; sq++)
        b->board[sq ^ flip] = mirror ? -src->board[sq] : src->board[sq];
    uint32_t f = src->flags & (FLAG_CASTLE_RIGHTS | FLAG_CASTLED_W | FLAG_CASTLED_B | COMPUTER_IS_WHITE);
    if (mirror) {
        f = ((f & 0x3) << 2) | ((f & 0xC) >> 2) | ((f & 0x10) << 1) | ((f & 0x20) >> 1) |
            ((f & 0x8000000u) ^ 0x8000000u);
    }
    b->flags = f;
    b->enpassant = src->enpassant ? src->enpassant ^ flip : 0;
    b->fifty_count = src->fifty_count;
    b->move_num = src->move_num + (mirror ? 1 : 0);
    static const int other[4] = {1, 0, 3, 2};
    for (int i = 0; i < 4; i++) {
        int from = mirror ? other[i] : i;
        b->whereis_board[i] = (ABWHERE_E)(src->whereis_board[from] ^ flip);
        b->whites_board[i] = mirror ? !src->whites_board[from] : src->whites_board[from];
    }
    state.dmode = dmode;
    EXPECT_TRUE(CreatePBoard(b.get(), state.dmode));
    UpdateMaps(b.get());
    return b;
}

}  // namespace et
